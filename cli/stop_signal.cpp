// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/stop_signal.h"

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace lpt::cli {
namespace {

// Lock-free, so the handler may set them.
std::atomic<bool> stopFlag{false};
std::atomic<std::atomic<bool>*> forwardedTo{nullptr};
static_assert(std::atomic<bool>::is_always_lock_free);
static_assert(std::atomic<std::atomic<bool>*>::is_always_lock_free);

void Signalled() {
  stopFlag.store(true);
  if (std::atomic<bool>* request = forwardedTo.load()) request->store(true);
}

#ifdef _WIN32
BOOL WINAPI OnConsoleEvent(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT) return FALSE;
  Signalled();
  return TRUE;
}
#else
extern "C" void OnStopSignal(int) { Signalled(); }
#endif

// The point LPTPIC_TEST_SIGNAL names; empty without it.
const std::string& TestPoint() {
  static const std::string point = [] {
    const char* text = std::getenv("LPTPIC_TEST_SIGNAL");
    return std::string(text ? text : "");
  }();
  return point;
}

long wordsAnswered = 0;

}  // namespace

void CatchStopSignals() {
#ifdef _WIN32
  SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
#else
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  // A second Ctrl+C is caught too: the adapter is switched off either way.
  action.sa_flags = SA_RESTART;
  // A closed pipe, a closed terminal and an alarm stop the run the same
  // way: the adapter off, the chip saved, the log line written. A write
  // over the file-size limit fails as a write instead of ending the run.
  for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGALRM})
    sigaction(signal, &action, nullptr);
  std::signal(SIGXFSZ, SIG_IGN);
#endif
}

bool StopSignalled() { return stopFlag.load(); }

void WordAhead() {
  ++wordsAnswered;
  if (!TestPoint().empty()) SignalPoint("word:" + std::to_string(wordsAnswered));
}

void ClearStopSignal() { stopFlag.store(false); }

void ForwardStopSignalsTo(std::atomic<bool>* request) {
  forwardedTo.store(request);
  if (request != nullptr && stopFlag.load()) request->store(true);
}

void SignalPoint(std::string_view point) {
  const std::string& at = TestPoint();
  if (at.empty()) return;
  if (at == point) std::raise(SIGTERM);
  // A signal's prefix and a point: that signal there. "kill:" ends the run
  // at once, as `kill -9` ends it.
  const struct {
    std::string_view prefix;
    int signal;
  } kPrefixes[] = {
#ifndef _WIN32
      {"kill:", SIGKILL},
      {"hup:", SIGHUP},
      {"pipe:", SIGPIPE},
      {"alrm:", SIGALRM},
#else
      {"kill:", 0},  // Windows has no SIGKILL: end at once all the same
#endif
  };
  for (const auto& [prefix, signal] : kPrefixes) {
    if (at.size() <= prefix.size() || at.compare(0, prefix.size(), prefix) != 0 ||
        std::string_view(at).substr(prefix.size()) != point)
      continue;
    if (signal == 0) std::_Exit(137);
    std::raise(signal);
  }
}

}  // namespace lpt::cli
