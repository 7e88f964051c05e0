// SPDX-License-Identifier: GPL-2.0-or-later
// Option > Adapter…: which adapter is on the port. The built-in adapters
// and the user's (adapters.conf) in one list, the pins of the one selected
// with its source and notes, its clock delay, and what is wrong with
// adapters.conf when it could not be read.
#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

#include "hw/adapter.h"

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace lpt::app {

class AdapterDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kLeft = 100;
  static constexpr int kTop = -53;

  // `adapters`: every adapter to offer; `current`: the name selected now
  // and `currentClockDelayUs` its clock delay in use; `fileNote`: where
  // adapters.conf is, or why it was refused.
  AdapterDialog(std::vector<Adapter> adapters, const QString& current,
                std::uint32_t currentClockDelayUs, const QString& fileNote,
                QWidget* parent = nullptr);

  // The adapter selected in the list, and the clock delay in the field.
  const Adapter& Selected() const;
  std::uint32_t ClockDelayUs() const;

  // "Vpp ~5   Vdd ~4   Clock 3   Data out 2   Data in 10": the pins as
  // the adapters file writes them.
  static QString PinSummary(const Adapter& adapter);

  QListWidget* List = nullptr;
  QLabel* Pins = nullptr;
  QLabel* Notes = nullptr;  // where the wiring comes from, what to know
  QSpinBox* ClockDelay = nullptr;
  QLabel* FileNote = nullptr;
  QPushButton* ButtonOk = nullptr;
  QPushButton* ButtonCancel = nullptr;

 private:
  std::vector<Adapter> adapters_;
};

}  // namespace lpt::app
