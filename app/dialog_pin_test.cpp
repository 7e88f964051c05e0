#include "app/dialog_pin_test.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/dialog_support.h"

namespace lpt::app {
namespace {

QString PinName(const AdapterPin& pin) {
  return pin.pin == 0 ? QStringLiteral("not switched")
                      : QStringLiteral("pin %1%2")
                            .arg(pin.pin)
                            .arg(pin.inverted ? QStringLiteral(", inverted") : QString());
}

// The voltage on the pin for a signal level: what the multimeter shows.
QString PinLevel(const AdapterPin& pin, bool level) {
  if (pin.pin == 0) return QStringLiteral("always on");
  return level != pin.inverted ? QStringLiteral("pin %1 high").arg(pin.pin)
                               : QStringLiteral("pin %1 low").arg(pin.pin);
}

}  // namespace

PinTestDialog::PinTestDialog(PinTest& test, QWidget* parent) : QDialog(parent), test_(test) {
  SetUpDialog(this, QStringLiteral("Adapter test"), QSize(330, 232), TitleButtons::CloseOnly);
  const Adapter& a = test_.adapter();

  auto* warning = new QLabel(QStringLiteral("Take the chip out of the socket first.\nAdapter: %1")
                                 .arg(QString::fromStdString(a.name)),
                             this);
  warning->setObjectName(QStringLiteral("ChipWarning"));
  warning->setGeometry(8, 6, 314, 32);
  warning->setWordWrap(true);
  warning->setFont(BoldFont(font()));

  const struct {
    QCheckBox** box;
    QLabel** level;
    const char* caption;
    const AdapterPin* pin;
  } rows[] = {
      {&Vpp, &VppLevel, "Vpp", &a.vpp},
      {&Vdd, &VddLevel, "Vdd", &a.vdd},
      {&Clock, &ClockLevel, "Clock", &a.clock},
      {&DataOut, &DataOutLevel, "Data out", &a.dataOut},
  };
  int top = 44;
  for (const auto& row : rows) {
    *row.box = new QCheckBox(
        QStringLiteral("%1  (%2)").arg(QLatin1String(row.caption), PinName(*row.pin)), this);
    (*row.box)->setObjectName(QString::fromLatin1(row.caption).remove(QLatin1Char(' ')));
    (*row.box)->setGeometry(8, top, 200, 22);
    *row.level = new QLabel(this);
    (*row.level)->setGeometry(216, top, 106, 22);
    connect(*row.box, &QCheckBox::toggled, this, [this] { Apply(); });
    top += 28;
  }
  Vdd->setEnabled(a.vdd.pin != 0);

  DataIn = new QLabel(this);
  DataIn->setObjectName(QStringLiteral("DataInLevel"));
  DataIn->setGeometry(8, top + 4, 314, 24);
  DataIn->setFrameShape(QFrame::Panel);
  DataIn->setFrameShadow(QFrame::Sunken);

  ButtonClose = new QPushButton(QStringLiteral("Close"), this);
  ButtonClose->setGeometry(254, top + 36, 68, 25);
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
  test_.Set(out);
  ShowLevels();
  Poll();
}

void PinTestDialog::ShowLevels() {
  const Adapter& a = test_.adapter();
  const AdapterOutputs& out = test_.Outputs();
  VppLevel->setText(PinLevel(a.vpp, out.vpp));
  VddLevel->setText(PinLevel(a.vdd, out.vdd));
  ClockLevel->setText(PinLevel(a.clock, out.clock));
  DataOutLevel->setText(PinLevel(a.dataOut, out.dataOut));
}

void PinTestDialog::Poll() {
  const AdapterPin& pin = test_.adapter().dataIn;
  DataIn->setText(
      QStringLiteral("Data in  (%1):  %2")
          .arg(PinName(pin), test_.DataIn() ? QStringLiteral("1") : QStringLiteral("0")));
}

void PinTestDialog::done(int result) {
  if (timer_) timer_->stop();
  test_.Off();
  QDialog::done(result);
}

}  // namespace lpt::app
