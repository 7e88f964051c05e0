// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/production_setup.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QStatusBar>

#include "app/main_window.h"
#include "fileio/bounded_read.h"
#include "production/file_digest.h"

namespace lpt::app {
namespace {

QString Text(const char* source) { return QCoreApplication::translate("Production", source); }

}  // namespace

ProductionSetup::ProductionSetup(MainWindow& window) : QObject(&window), window_(window) {
  serialAction_ = new QAction(Text("Serial &numbers…"), &window);
  serialAction_->setObjectName(QStringLiteral("serialNumbersAction"));
  // The Option menu's last item.
  for (QAction* menu : window.menuBar()->actions())
    if (menu->menu() != nullptr && menu->menu()->actions().contains(window.Actions().delay))
      menu->menu()->addAction(serialAction_);
  connect(serialAction_, &QAction::triggered, this, &ProductionSetup::onSerialNumbers);
  batchBox_ = new QCheckBox(Text("Program the next chip when one is inserted"), &window);
  batchBox_->setObjectName(QStringLiteral("batchBox"));
  batchBox_->setToolTip(
      Text("Parts with a device ID: the socket is watched for the next chip; other parts stop "
           "after one chip."));
  nextSerial_ = new QLabel(&window);
  nextSerial_->setObjectName(QStringLiteral("nextSerialLabel"));
  window.statusBar()->addPermanentWidget(nextSerial_);
  window.statusBar()->addPermanentWidget(batchBox_);
  ShowNextSerial();
}

bool ProductionSetup::SetChoices(const ProductionChoices& choices, QString* error) {
  std::string why;
  std::optional<SerialRange> range;
  std::optional<SerialPlace> place;
  if (choices.serials) {
    range = ParseSerialRange(choices.start.toStdString(), &why);
    if (range) place = ParseSerialPlace(choices.where.toStdString(), choices.bytes, &why);
    if (!range || !place) {
      *error = QString::fromStdString(why);
      return false;
    }
  }
  choices_ = choices;
  range_ = range;
  place_ = place;
  next_.reset();
  if (range_) {
    // The counter file's number, when it has one: what the next chip gets.
    std::string text, reason;
    next_ = range_->start;
    if (!choices_.counterFile.isEmpty() &&
        fileio::ReadWholeFile(choices_.counterFile.toStdString(), 4096, &text, &reason))
      if (auto saved = ParseCounterFile(text)) next_ = *saved;
  }
  ShowNextSerial();
  return true;
}

void ProductionSetup::ShowNextSerial() {
  nextSerial_->setVisible(next_.has_value());
  if (next_)
    nextSerial_->setText(
        Text("Next serial number %1").arg(QString::fromStdString(SerialText(*next_))));
}

void ProductionSetup::SetEnabled(bool enabled) {
  serialAction_->setEnabled(enabled);
  batchBox_->setEnabled(enabled);
}

bool ProductionSetup::Active() const {
  return place_.has_value() || !choices_.logFile.isEmpty() || batchBox_->isChecked();
}

bool ProductionSetup::Prepare(const QString& hexFile, std::string* error) {
  setup_ = BatchSetup{};
  summary_ = BatchSummary{};
  counter_.reset();
  if (place_) {
    // A number that goes on across windows and runs: the next one is the
    // one after the last chip written in memory too.
    SerialRange range = *range_;
    if (next_) range.start = *next_;
    counter_ = SerialCounter::Open(choices_.counterFile.toStdString(), range, error);
    if (!counter_) return false;
    if (!SerialFits(*place_, counter_->Next(), window_.Device(), error)) {
      counter_.reset();
      return false;
    }
  }
  std::string bytes, reason;
  setup_.hexFile = hexFile.toStdString();
  if (!hexFile.isEmpty() &&
      fileio::ReadWholeFile(setup_.hexFile, fileio::kMaxInputBytes, &bytes, &reason))
    setup_.hexSha256 = Sha256Hex(bytes);
  setup_.serialPlace = place_;
  setup_.serials = counter_.get();
  setup_.logPath = choices_.logFile.toStdString();
  setup_.repeat = batchBox_->isChecked();
  return true;
}

CommandResult ProductionSetup::Run(OpContext& ctx) {
  summary_ = RunBatch(ctx, setup_);
  if (!summary_.error.empty()) ctx.hooks.Failed(Failure(summary_.error));
  return summary_.last;
}

QString ProductionSetup::Finish() {
  if (counter_) next_ = counter_->Next();
  counter_.reset();
  ShowNextSerial();
  if (!setup_.repeat && summary_.serials.empty()) return {};
  return QString::fromStdString(BatchSummaryText(summary_));
}

void ProductionSetup::onSerialNumbers() {
  QDialog dialog(&window_);
  dialog.setWindowTitle(Text("Serial numbers"));
  auto* form = new QFormLayout(&dialog);
  auto* on = new QCheckBox(Text("Give each chip a serial number"), &dialog);
  on->setChecked(choices_.serials);
  auto* start = new QLineEdit(choices_.start, &dialog);
  auto* where = new QLineEdit(choices_.where, &dialog);
  auto* bytes = new QSpinBox(&dialog);
  bytes->setRange(1, 4);
  bytes->setValue(choices_.bytes);
  auto* counter = new QLineEdit(choices_.counterFile, &dialog);
  auto* log = new QLineEdit(choices_.logFile, &dialog);
  auto* problem = new QLabel(&dialog);
  form->addRow(on);
  form->addRow(Text("First number[:step]"), start);
  form->addRow(Text("Where (id, ADDRESS, raw:ADDRESS)"), where);
  form->addRow(Text("Bytes at an address"), bytes);
  form->addRow(Text("Counter file"), counter);
  form->addRow(Text("Log file (JSON Lines)"), log);
  form->addRow(problem);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    QString error;
    if (SetChoices({on->isChecked(), start->text().trimmed(), where->text().trimmed(),
                    bytes->value(), counter->text().trimmed(), log->text().trimmed()},
                   &error))
      dialog.accept();
    else
      problem->setText(error);
  });
  dialog.exec();
}

}  // namespace lpt::app
