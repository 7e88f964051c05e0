// SPDX-License-Identifier: GPL-2.0-or-later
// SIGTERM, SIGINT and SIGHUP (a logout, `kill`, Ctrl+C in the terminal that
// started the program) reach the window as a close request instead of
// ending the process on the spot: a running command is asked to stop before
// its next word and the adapter is switched off, then the window closes as
// its close button closes it, saving a simulated chip and the settings.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace lpt::app {

class CloseOnSignals : public QObject {
 public:
  // `closeRequest` runs in the event loop, once per signal (a device
  // command runs on its own thread, so the loop keeps running during it).
  // One object at a time; destroying it gives the signals their default
  // actions back.
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
