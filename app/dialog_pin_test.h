// SPDX-License-Identifier: GPL-2.0-or-later
// Option > Adapter test…: a switch for each output line of the adapter with
// the pin it drives and what that pin measures (the level at the connector,
// and on a published board the voltage the chip gets), and data in read a
// few times a second, for following each signal with a multimeter. Opening
// and closing leave everything off (the idle state).
#pragma once

#include <QDialog>

#include "hw/pin_test.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;

namespace lpt::app {

class PinTestDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kLeft = 100;
  static constexpr int kTop = -53;
  static constexpr int kPollMs = 250;

  // `test` drives the port and must outlive the dialog.
  explicit PinTestDialog(PinTest& test, QWidget* parent = nullptr);

  // Switches everything off whatever closes the dialog.
  void done(int result) override;

  // Reads data in now (the timer calls this).
  void Poll();

  QCheckBox* Vpp = nullptr;
  QCheckBox* Vdd = nullptr;
  QCheckBox* Clock = nullptr;
  QCheckBox* DataOut = nullptr;
  // Shown only for a board with a data-out enable (direction) pin.
  QCheckBox* DataOutEnable = nullptr;
  QLabel* VppLevel = nullptr;
  QLabel* VddLevel = nullptr;
  QLabel* ClockLevel = nullptr;
  QLabel* DataOutLevel = nullptr;
  QLabel* DataOutEnableLevel = nullptr;
  QLabel* DataIn = nullptr;
  QPushButton* ButtonClose = nullptr;

 private:
  void Apply();
  void ShowLevels();

  PinTest& test_;
  QTimer* timer_ = nullptr;
};

}  // namespace lpt::app
