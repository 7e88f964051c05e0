// SPDX-License-Identifier: GPL-2.0-or-later
// PortDialog "Output  Port": the parallel port that drives the programmer, the
// built-in simulated adapter, or any other port: one this machine has (a
// PCI card at D010h, /dev/parport1) or a typed address.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "hw/port_discovery.h"

class QComboBox;
class QPushButton;
class QRadioButton;

namespace lpt::app {

inline constexpr int kLpt1PortAddress = 888;  // 378h
inline constexpr int kLpt2PortAddress = 632;  // 278h
inline constexpr int kSimulatorAddress = 0;

class PortDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kLeft = 100;
  static constexpr int kTop = -53;

  // Tries the chosen address when OK is pressed: the reason it cannot be
  // opened, or empty when it is now the port in use.
  using PortOpener = std::function<std::string(int address)>;

  // On opening: LPT 1 for 888, LPT 2 for 632, the simulator for 0,
  // "Other:" for a port this machine lists or any address "Other:" takes
  // (0100h to FFF8h), so OK without a change keeps the port in use. LPT 2
  // for an address "Other:" would refuse (one from the settings file is
  // kept until OK). The ports of this machine fill the drop-down.
  explicit PortDialog(int portAddress, QWidget* parent = nullptr);
  PortDialog(int portAddress, std::vector<FoundPort> ports, QWidget* parent = nullptr);

  // From now on OK closes the dialog only once `opener` has the port open;
  // otherwise a box says why and the dialog stays open.
  void SetPortOpener(PortOpener opener) { opener_ = std::move(opener); }

  // The address the selected choice stands for; nullopt with *error when
  // "Other:" holds something that is not a usable port.
  std::optional<int> ChosenAddress(std::string* error) const;
  // The same, for the first three choices and a valid "Other:".
  int SelectedAddress() const;

  QRadioButton* lpt1Button_ = nullptr;
  QRadioButton* lpt2Button_ = nullptr;
  QRadioButton* Simulator = nullptr;
  QRadioButton* Other = nullptr;
  QComboBox* OtherPort = nullptr;  // editable: a hex address or a device path
  QPushButton* ButtonOk = nullptr;
  QPushButton* ButtonCancel = nullptr;

 private:
  void OkClicked();

  std::vector<FoundPort> ports_;
  PortOpener opener_;
};

}  // namespace lpt::app
