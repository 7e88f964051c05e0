// SPDX-License-Identifier: GPL-2.0-or-later
// The production line in the window: Option > Serial numbers… (the serial
// number, its place, its counter file, and the log file), the next serial
// number in the status bar, and the check box "Program the next chip when
// one is inserted". With any of them set, Program All runs the batch of
// production/batch.h on the command's thread instead of one Program All.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "ops/device_commands.h"
#include "production/batch.h"
#include "production/serial_counter.h"

class QAction;
class QCheckBox;
class QLabel;

namespace lpt::app {

class MainWindow;

// What Option > Serial numbers… sets.
struct ProductionChoices {
  bool serials = false;
  QString start = QStringLiteral("0x1000");  // START or START:STEP
  QString where = QStringLiteral("id");      // id, ADDRESS or raw:ADDRESS
  int bytes = 2;
  QString counterFile;  // empty: numbers from START, this run only
  QString logFile;      // empty: no log
};

class ProductionSetup : public QObject {
  Q_OBJECT
 public:
  explicit ProductionSetup(MainWindow& window);

  const ProductionChoices& Choices() const { return choices_; }
  // False with *error when the start or the place does not parse.
  bool SetChoices(const ProductionChoices& choices, QString* error);

  QAction* SerialAction() const { return serialAction_; }
  QCheckBox* BatchBox() const { return batchBox_; }
  QLabel* NextSerialLabel() const { return nextSerial_; }

  // Off while a device command runs: its settings are the command's.
  void SetEnabled(bool enabled);
  // Program All runs as a batch.
  bool Active() const;
  // On the window's thread before the command: the counter file opened and
  // locked, the HEX file's digest taken. False with *error (nothing runs).
  bool Prepare(const QString& hexFile, std::string* error);
  // On the command's thread, in place of Program All.
  CommandResult Run(OpContext& ctx);
  // On the window's thread after the command: the counter let go, the next
  // number shown; the batch's summary for the status line (empty for one
  // chip without serial numbers).
  QString Finish();

 private:
  void onSerialNumbers();
  void ShowNextSerial();

  MainWindow& window_;
  ProductionChoices choices_;
  std::optional<SerialRange> range_;
  std::optional<SerialPlace> place_;
  std::optional<std::uint32_t> next_;  // as the counter last said
  std::unique_ptr<SerialCounter> counter_;
  BatchSetup setup_;
  BatchSummary summary_;
  QAction* serialAction_ = nullptr;
  QCheckBox* batchBox_ = nullptr;
  QLabel* nextSerial_ = nullptr;
};

}  // namespace lpt::app
