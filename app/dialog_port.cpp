// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/dialog_port.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/dialog_support.h"
#include "app/message_boxes.h"
#include "app/other_port_entry.h"

namespace lpt::app {
namespace {

std::vector<FoundPort> PortsOfThisMachine() {
  const auto os = MakeSystemDiscoveryOs();
  return DiscoverPorts(*os);
}

}  // namespace

PortDialog::PortDialog(int portAddress, QWidget* parent)
    : PortDialog(portAddress, PortsOfThisMachine(), parent) {}

PortDialog::PortDialog(int portAddress, std::vector<FoundPort> ports, QWidget* parent)
    : QDialog(parent), ports_(std::move(ports)) {
  SetUpDialog(this, QStringLiteral("Output  Port"), QSize(188, 160), TitleButtons::CloseOnly);

  auto* group = new QGroupBox(this);
  group->setGeometry(8, 4, 105, 119);
  lpt1Button_ = new QRadioButton(QStringLiteral("LPT &1   (378)"), group);
  lpt2Button_ = new QRadioButton(QStringLiteral("LPT &2   (278) "), group);
  Simulator = new QRadioButton(QCoreApplication::translate("Dialogs", "&Simulator"), group);
  Other = new QRadioButton(QCoreApplication::translate("Dialogs", "&Other:"), group);
  lpt1Button_->setGeometry(8, 12, 92, 20);
  lpt2Button_->setGeometry(8, 38, 92, 20);
  Simulator->setGeometry(8, 64, 92, 20);
  Other->setGeometry(8, 90, 92, 20);

  OtherPort = new QComboBox(this);
  OtherPort->setObjectName(QStringLiteral("OtherPort"));
  OtherPort->setEditable(true);
  OtherPort->setInsertPolicy(QComboBox::NoInsert);
  OtherPort->setGeometry(8, 130, 172, 22);
  OtherPort->lineEdit()->setPlaceholderText(
      QCoreApplication::translate("Dialogs", "D010 or /dev/parport1"));
  for (const FoundPort& port : ports_)
    OtherPort->addItem(QString::fromStdString(OtherPortItem(port)), port.base);

  const OkCancelButtons buttons =
      MakeOkCancel(this, QStringLiteral("Ok"), QRect(120, 16, 60, 25), QRect(120, 56, 60, 25));
  ButtonOk = buttons.ok;
  ButtonCancel = buttons.cancel;
  connect(ButtonOk, &QPushButton::clicked, this, &PortDialog::OkClicked);
  bool listed = false;
  for (const FoundPort& port : ports_) listed = listed || port.base == portAddress;
  if (portAddress == kLpt1PortAddress) {
    lpt1Button_->setChecked(true);
  } else if (portAddress == kSimulatorAddress) {
    Simulator->setChecked(true);
  } else if (portAddress != kLpt2PortAddress && (listed || (portAddress >= kLowestOtherAddress &&
                                                            portAddress <= kHighestOtherAddress))) {
    const int index = OtherPort->findData(portAddress);
    if (index >= 0)
      OtherPort->setCurrentIndex(index);
    else
      OtherPort->setEditText(
          QStringLiteral("%1").arg(portAddress, 4, 16, QLatin1Char('0')).toUpper());
    Other->setChecked(true);
  } else {
    lpt2Button_->setChecked(true);
  }
  if (!Other->isChecked()) {
    OtherPort->setCurrentIndex(-1);
    OtherPort->setEditText(QString());
  }
  // The keyboard starts on the choice in use.
  for (QRadioButton* choice : {lpt1Button_, lpt2Button_, Simulator, Other})
    if (choice->isChecked()) choice->setFocus();
  // Typing or choosing a port from now on means the "Other:" choice.
  connect(OtherPort, &QComboBox::currentTextChanged, this, [this] { Other->setChecked(true); });
}

std::optional<int> PortDialog::ChosenAddress(std::string* error) const {
  if (lpt1Button_->isChecked()) return kLpt1PortAddress;
  if (Simulator->isChecked()) return kSimulatorAddress;
  if (Other->isChecked())
    return ParseOtherPort(OtherPort->currentText().toStdString(), ports_, error);
  return kLpt2PortAddress;
}

int PortDialog::SelectedAddress() const {
  return ChosenAddress(nullptr).value_or(kLpt2PortAddress);
}

void PortDialog::OkClicked() {
  std::string error;
  const std::optional<int> address = ChosenAddress(&error);
  if (address && opener_) error = opener_(*address);
  if (!address || !error.empty()) {
    // The dialog stays open for a correction.
    ShowBox(this, BoxKind::Warning, QString::fromStdString(error));
    return;
  }
  accept();
}

}  // namespace lpt::app
