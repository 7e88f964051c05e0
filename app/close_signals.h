// SPDX-License-Identifier: GPL-2.0-or-later
// SIGTERM, SIGINT and SIGHUP (a logout, `kill`, Ctrl+C in the terminal that
// started the program) reach the window as a close request instead of
// ending the process on the spot: a running command is stopped before its
// next word and the adapter switched off, then the window closes as its
// close button closes it, saving a simulated chip and the settings.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace lpt::app {

// True once one of the signals came while a CloseOnSignals lived: a
// running command stops before its next word (the window's own event loop
// may not run until the command ends).
bool CloseSignalled();

class CloseOnSignals : public QObject {
 public:
  // `closeRequest` runs in the event loop, once per signal. One object at
  // a time; destroying it gives the signals their default actions back.
  explicit CloseOnSignals(std::function<void()> closeRequest, QObject* parent = nullptr);
  ~CloseOnSignals() override;
  CloseOnSignals(const CloseOnSignals&) = delete;
  CloseOnSignals& operator=(const CloseOnSignals&) = delete;

 private:
  void OnSignal();

  std::function<void()> closeRequest_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace lpt::app
