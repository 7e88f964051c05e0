// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/close_signals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace lpt::app {
namespace {

#ifndef _WIN32
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler may only do what is safe in a signal handler: it writes a
// byte into a pipe that the event loop watches.
int signalPipe[2] = {-1, -1};

extern "C" void OnCloseSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
  errno = saved;
}
#endif

}  // namespace

CloseOnSignals::CloseOnSignals(std::function<void()> closeRequest, QObject* parent)
    : QObject(parent), closeRequest_(std::move(closeRequest)) {
#ifndef _WIN32
  if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { OnSignal(); });
  struct sigaction action {};
  action.sa_handler = OnCloseSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kSignals) ::sigaction(signal, &action, nullptr);
#endif
}

CloseOnSignals::~CloseOnSignals() {
#ifndef _WIN32
  if (notifier_ == nullptr) return;
  for (const int signal : kSignals) std::signal(signal, SIG_DFL);
  delete notifier_;
  ::close(signalPipe[0]);
  ::close(signalPipe[1]);
  signalPipe[0] = signalPipe[1] = -1;
#endif
}

void CloseOnSignals::OnSignal() {
#ifndef _WIN32
  char bytes[16];
  while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
  }
#endif
  if (closeRequest_) closeRequest_();
}

}  // namespace lpt::app
