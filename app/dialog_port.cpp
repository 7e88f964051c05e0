#include "app/dialog_port.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "app/dialog_support.h"

namespace lpt::app {

PortDialog::PortDialog(int portAddress, QWidget* parent) : QDialog(parent) {
  SetUpDialog(this, QStringLiteral("Output  Port"), QSize(188, 105), TitleButtons::CloseOnly);

  auto* group = new QGroupBox(this);
  group->setGeometry(8, 4, 105, 93);
  lpt1Button_ = new QRadioButton(QStringLiteral("LPT 1   (378)"), group);
  lpt2Button_ = new QRadioButton(QStringLiteral("LPT 2   (278) "), group);
  Simulator = new QRadioButton(QStringLiteral("Simulator"), group);
  lpt1Button_->setGeometry(8, 12, 92, 20);
  lpt2Button_->setGeometry(8, 38, 92, 20);
  Simulator->setGeometry(8, 64, 92, 20);

  const OkCancelButtons buttons =
      MakeOkCancel(this, QStringLiteral("Ok"), QRect(120, 16, 60, 25), QRect(120, 56, 60, 25));
  ButtonOk = buttons.ok;
  ButtonCancel = buttons.cancel;
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);

  if (portAddress == kLpt1PortAddress) {
    lpt1Button_->setChecked(true);
  } else if (portAddress == kSimulatorAddress) {
    Simulator->setChecked(true);
  } else {
    lpt2Button_->setChecked(true);
  }
}

int PortDialog::SelectedAddress() const {
  if (lpt1Button_->isChecked()) return kLpt1PortAddress;
  if (Simulator->isChecked()) return kSimulatorAddress;
  return kLpt2PortAddress;
}

}  // namespace lpt::app
