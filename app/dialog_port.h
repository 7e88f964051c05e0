// PortDialog "Output  Port": the parallel port that drives the programmer, or
// the built-in simulated adapter.
#pragma once

#include <QDialog>

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

  // On opening: LPT 1 for 888, the simulator for 0, LPT 2 for any other
  // address (a port address from the settings file is kept until OK).
  explicit PortDialog(int portAddress, QWidget* parent = nullptr);

  // The address the selected choice stands for.
  int SelectedAddress() const;

  QRadioButton* lpt1Button_ = nullptr;
  QRadioButton* lpt2Button_ = nullptr;
  QRadioButton* Simulator = nullptr;
  QPushButton* ButtonOk = nullptr;
  QPushButton* ButtonCancel = nullptr;
};

}  // namespace lpt::app
