#include "app/dialog_port.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "app/dialog_support.h"

namespace lpt::app {

PortDialog::PortDialog(int portAddress, QWidget* parent) : QDialog(parent) {
  // Taller than the two-choice original to make room for the simulator.
  SetUpDialog(this, QStringLiteral("Output  Port"), QSize(188, 105), TitleButtons::CloseOnly);

  auto* group = new QGroupBox(this);
  group->setGeometry(8, 4, 105, 93);
  Lpt1 = new QRadioButton(QStringLiteral("LPT 1   (378)"), group);
  Lpt2 = new QRadioButton(QStringLiteral("LPT 2   (278) "), group);
  Simulator = new QRadioButton(QStringLiteral("Simulator"), group);
  Lpt1->setGeometry(8, 12, 92, 20);
  Lpt2->setGeometry(8, 38, 92, 20);
  Simulator->setGeometry(8, 64, 92, 20);

  const OkCancelButtons buttons =
      MakeOkCancel(this, QStringLiteral("Ok"), QRect(120, 16, 60, 25), QRect(120, 56, 60, 25));
  ButtonOk = buttons.ok;
  ButtonCancel = buttons.cancel;
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);

  if (portAddress == kLpt1Address) {
    Lpt1->setChecked(true);
  } else if (portAddress == kSimulatorAddress) {
    Simulator->setChecked(true);
  } else {
    Lpt2->setChecked(true);
  }
}

int PortDialog::SelectedAddress() const {
  if (Lpt1->isChecked()) return kLpt1Address;
  if (Simulator->isChecked()) return kSimulatorAddress;
  return kLpt2Address;
}

}  // namespace lpt::app
