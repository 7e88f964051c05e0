// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/dialog_adapter.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "app/dialog_support.h"
#include "app/message_translation.h"

namespace lpt::app {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Dialogs", text); }

// The built-in adapters' sources and notes are translated whole; a user's
// own adapter names its file and line ("FILE, line N"), a message, and
// keeps its notes as written.
QString Adapters(const std::string& text) {
  const QString english = QString::fromStdString(text);
  const QString translated = QCoreApplication::translate("Adapters", text.c_str());
  return translated != english ? translated : TranslateMessage(english);
}

// "none" is a word; "~5" and "5" are pins.
QString Pin(const AdapterPin& pin) {
  return pin.pin == 0 ? Tr("none") : QString::fromStdString(PinText(pin));
}

}  // namespace

AdapterDialog::AdapterDialog(std::vector<Adapter> adapters, const QString& current,
                             std::uint32_t currentClockDelayUs, const QString& fileNote,
                             QWidget* parent)
    : QDialog(parent), adapters_(std::move(adapters)) {
  SetUpDialog(this, QStringLiteral("Adapter"), QSize(420, 372), TitleButtons::CloseOnly);

  List = new QListWidget(this);
  List->setObjectName(QStringLiteral("AdapterList"));
  List->setGeometry(8, 8, 330, 170);
  int selected = 0;
  for (std::size_t i = 0; i < adapters_.size(); ++i) {
    List->addItem(QString::fromStdString(adapters_[i].name));
    if (QString::fromStdString(adapters_[i].name).compare(current, Qt::CaseInsensitive) == 0)
      selected = static_cast<int>(i);
  }

  Pins = new QLabel(this);
  Pins->setObjectName(QStringLiteral("AdapterPins"));
  Pins->setGeometry(8, 184, 404, 36);
  Pins->setWordWrap(true);
  Pins->setFrameShape(QFrame::Panel);
  Pins->setFrameShadow(QFrame::Sunken);

  Notes = new QLabel(this);
  Notes->setObjectName(QStringLiteral("AdapterNotes"));
  Notes->setGeometry(8, 224, 404, 68);
  Notes->setWordWrap(true);
  Notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  auto* delayCaption = new QLabel(QCoreApplication::translate("Dialogs", "Clock delay:"), this);
  delayCaption->setGeometry(8, 300, 90, 24);
  ClockDelay = new QSpinBox(this);
  ClockDelay->setObjectName(QStringLiteral("ClockDelay"));
  ClockDelay->setGeometry(100, 300, 100, 24);
  ClockDelay->setRange(0, static_cast<int>(kMaxClockDelayUs));
  ClockDelay->setSuffix(QStringLiteral(" µs"));
  ClockDelay->setToolTip(
      QCoreApplication::translate("Dialogs",
                                  "Waited after every clock edge, on top of Option > Delay: for "
                                  "boards with slow buffers or long cables."));
  delayCaption->setBuddy(ClockDelay);

  FileNote = new QLabel(TranslateMessage(fileNote), this);
  FileNote->setObjectName(QStringLiteral("AdaptersFile"));
  FileNote->setGeometry(8, 330, 404, 38);
  FileNote->setWordWrap(true);

  const OkCancelButtons buttons =
      MakeOkCancel(this, QStringLiteral("Ok"), QRect(348, 8, 64, 25), QRect(348, 44, 64, 25));
  ButtonOk = buttons.ok;
  ButtonCancel = buttons.cancel;
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(List, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0) return;
    const Adapter& a = adapters_[static_cast<std::size_t>(row)];
    Pins->setText(PinSummary(a));
    QString notes = Tr("Source: %1").arg(Adapters(a.source));
    if (!a.notes.empty()) notes += QStringLiteral("\n") + Adapters(a.notes);
    Notes->setText(notes);
    ClockDelay->setValue(static_cast<int>(a.clockDelayUs));
  });
  connect(List, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  List->setCurrentRow(selected);
  ClockDelay->setValue(static_cast<int>(currentClockDelayUs));
}

const Adapter& AdapterDialog::Selected() const {
  const int row = List->currentRow();
  return adapters_[row < 0 ? 0 : static_cast<std::size_t>(row)];
}

std::uint32_t AdapterDialog::ClockDelayUs() const {
  return static_cast<std::uint32_t>(ClockDelay->value());
}

QString AdapterDialog::PinSummary(const Adapter& a) {
  QString text = Tr("Vpp %1   Vdd %2   Clock %3   Data out %4   Data in %5")
                     .arg(Pin(a.vpp), Pin(a.vdd), Pin(a.clock), Pin(a.dataOut), Pin(a.dataIn));
  if (a.dataOutEnable.pin != 0) text += Tr("   Data-out enable %1").arg(Pin(a.dataOutEnable));
  return text + Tr("   (~ inverted)");
}

}  // namespace lpt::app
