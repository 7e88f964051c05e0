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

// Lock-free, so the handler may set it.
std::atomic<bool> stopFlag{false};
static_assert(std::atomic<bool>::is_always_lock_free);

#ifdef _WIN32
BOOL WINAPI OnConsoleEvent(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT) return FALSE;
  stopFlag.store(true);
  return TRUE;
}
#else
extern "C" void OnStopSignal(int) { stopFlag.store(true); }
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
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
#endif
}

bool StopSignalled() { return stopFlag.load(); }

bool StopSignalledBeforeWord() {
  if (StopSignalled()) return true;
  ++wordsAnswered;
  if (!TestPoint().empty()) SignalPoint("word:" + std::to_string(wordsAnswered));
  return false;
}

void ClearStopSignal() { stopFlag.store(false); }

void SignalPoint(std::string_view point) {
  if (!TestPoint().empty() && TestPoint() == point) std::raise(SIGTERM);
}

}  // namespace lpt::cli
