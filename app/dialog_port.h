// SPDX-License-Identifier: GPL-2.0-or-later
// PortDialog "Output  Port": the parallel port that drives the programmer, the
// built-in simulated adapter, or any other port: one this machine has (a
// PCI card at D010h, /dev/parport1) or a typed address.
#pragma once

#include <QDialog>
#include <optional>
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

  // On opening: LPT 1 for 888, the simulator for 0, "Other:" for a port this
  // machine lists or an address from 400h up (PCI cards), LPT 2 for any
  // other address (a port address from the settings file is kept until OK).
  // The ports of this machine fill the drop-down.
  explicit PortDialog(int portAddress, QWidget* parent = nullptr);
  PortDialog(int portAddress, std::vector<FoundPort> ports, QWidget* parent = nullptr);

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
};

}  // namespace lpt::app
