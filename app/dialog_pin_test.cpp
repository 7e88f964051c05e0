// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/dialog_pin_test.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/dialog_support.h"
#include "app/message_translation.h"

namespace lpt::app {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Dialogs", text); }

QString PinName(const AdapterPin& pin) {
  return pin.pin == 0
             ? Tr("not switched")
             : Tr("pin %1%2").arg(pin.pin).arg(pin.inverted ? Tr(", inverted") : QString());
}

QString Level(const Adapter& a, Line line, bool level) {
  return TranslateMessage(QString::fromStdString(LevelText(a, line, level)));
}

}  // namespace

PinTestDialog::PinTestDialog(PinTest& test, QWidget* parent) : QDialog(parent), test_(test) {
  const Adapter& a = test_.adapter();
  const bool hasEnable = a.dataOutEnable.pin != 0;
  const int rowCount = hasEnable ? 5 : 4;
  const int height = 44 + rowCount * 28 + 68;
  SetUpDialog(this, QStringLiteral("Adapter test"), QSize(540, height), TitleButtons::CloseOnly);

  auto* warning = new QLabel(
      Tr("Take the chip out of the socket first.\nAdapter: %1").arg(QString::fromStdString(a.name)),
      this);
  warning->setObjectName(QStringLiteral("ChipWarning"));
  warning->setGeometry(8, 6, 524, 32);
  warning->setWordWrap(true);
  warning->setFont(BoldFont(font()));

  const struct {
    QCheckBox** box;
    QLabel** level;
    Line line;
    const char* objectName;
  } rows[] = {
      {&Vpp, &VppLevel, Line::Vpp, "Vpp"},
      {&Vdd, &VddLevel, Line::Vdd, "Vdd"},
      {&Clock, &ClockLevel, Line::Clock, "Clock"},
      {&DataOut, &DataOutLevel, Line::DataOut, "DataOut"},
      {&DataOutEnable, &DataOutEnableLevel, Line::DataOutEnable, "DataOutEnable"},
  };
  int top = 44;
  for (const auto& row : rows) {
    *row.box =
        new QCheckBox(QStringLiteral("%1  (%2)")
                          .arg(Tr(LineName(row.line).c_str()), PinName(LinePin(a, row.line))),
                      this);
    (*row.box)->setObjectName(QLatin1String(row.objectName));
    *row.level = new QLabel(this);
    (*row.level)->setObjectName(QLatin1String(row.objectName) + QStringLiteral("Level"));
    if (row.line == Line::DataOutEnable && !hasEnable) {
      (*row.box)->hide();
      (*row.level)->hide();
      continue;
    }
    (*row.box)->setGeometry(8, top, 200, 22);
    (*row.level)->setGeometry(212, top, 320, 22);
    connect(*row.box, &QCheckBox::toggled, this, [this] { Apply(); });
    top += 28;
  }
  Vdd->setEnabled(a.vdd.pin != 0);

  DataIn = new QLabel(this);
  DataIn->setObjectName(QStringLiteral("DataInLevel"));
  DataIn->setGeometry(8, top + 4, 524, 24);
  DataIn->setFrameShape(QFrame::Panel);
  DataIn->setFrameShadow(QFrame::Sunken);

  ButtonClose = new QPushButton(Tr("Close"), this);
  ButtonClose->setGeometry(464, top + 36, 68, 25);
  connect(ButtonClose, &QPushButton::clicked, this, &QDialog::reject);

  test_.Off();
  ShowLevels();
  Poll();
  timer_ = new QTimer(this);
  connect(timer_, &QTimer::timeout, this, &PinTestDialog::Poll);
  timer_->start(kPollMs);
}

void PinTestDialog::Apply() {
  AdapterOutputs out = PinTest::Idle();
  out.vpp = Vpp->isChecked();
  out.vdd = Vdd->isChecked();
  out.clock = Clock->isChecked();
  out.dataOut = DataOut->isChecked();
  out.dataOutEnable = DataOutEnable->isChecked();
  test_.Set(out);
  ShowLevels();
  Poll();
}

void PinTestDialog::ShowLevels() {
  const Adapter& a = test_.adapter();
  const AdapterOutputs& out = test_.Outputs();
  VppLevel->setText(Level(a, Line::Vpp, out.vpp));
  VddLevel->setText(Level(a, Line::Vdd, out.vdd));
  ClockLevel->setText(Level(a, Line::Clock, out.clock));
  DataOutLevel->setText(Level(a, Line::DataOut, out.dataOut));
  DataOutEnableLevel->setText(Level(a, Line::DataOutEnable, out.dataOutEnable));
}

void PinTestDialog::Poll() {
  const Adapter& a = test_.adapter();
  DataIn->setText(
      Tr("Data in  (%1):  %2").arg(PinName(a.dataIn), Level(a, Line::DataIn, test_.DataIn())));
}

void PinTestDialog::done(int result) {
  if (timer_) timer_->stop();
  test_.Off();
  QDialog::done(result);
}

}  // namespace lpt::app
