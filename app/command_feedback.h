// SPDX-License-Identifier: GPL-2.0-or-later
// How a device command looks in the window: the progress panel with its
// bar and the running pass while the command runs, the "Ok" mark for 300 ms
// after a check that passed (the chip is off by then), and the failures the
// command reported, in message boxes once it has ended and the panel is
// down.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <vector>

#include "app/message_boxes.h"
#include "hw/hooks.h"

class QWidget;

namespace lpt::app {

class CommandEvents;
class ProgressPanel;

class CommandFeedback : public QObject {
  Q_OBJECT
 public:
  static constexpr int kOkMarkMs = 300;

  CommandFeedback(QWidget* window, ProgressPanel* panel, const CommandEvents& events);

  // A command is about to run; `okMark`: it shows "Ok" when it succeeds.
  void Begin(bool okMark);
  // The command's thread has ended: the panel is down (unless "Ok" shows),
  // then its failures and `closing` (the stop's message) each in its box.
  // A stop because the chip is another part asks whether to go on: true
  // when the user chose Continue.
  bool Finish(const QString& closing = {});
  // What the user insisted on when Finish returned true: WrongDevice, or
  // LowVoltageOff (a configuration that switches low-voltage entry off).
  FailureKind InsistedOn() const { return insistKind_; }

  // The "Ok" mark's time; its end lowers the panel.
  const QTimer& OkMarkTimer() const { return okMarkTimer_; }
  void EndOkMark();

 private:
  void OnStarted();
  void OnEnded(CommandResult result);

  struct Box {
    BoxKind kind;
    QString text;
    QString detail;
  };

  QWidget* window_;
  ProgressPanel* panel_;
  QTimer okMarkTimer_;
  bool okMark_ = false;     // the running command shows "Ok" when it succeeds
  bool markShown_ = false;  // "Ok" is up
  std::vector<Box> boxes_;
  QString wrongDevice_;  // the chip is another part, or LVP goes off: asked with Continue
  FailureKind insistKind_ = FailureKind::WrongDevice;
};

}  // namespace lpt::app
