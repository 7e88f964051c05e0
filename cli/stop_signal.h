// SPDX-License-Identifier: GPL-2.0-or-later
// Ctrl+C and SIGTERM during a device command: instead of ending the program
// with the adapter's last port value (Vpp possibly on), they ask the
// command to stop before its next word; the session then switches the
// adapter off, saves a simulated chip and exits 130. They also end the
// waits before a command: for standard input and for a chip file in use.
#pragma once

#include <atomic>
#include <string_view>

namespace lpt::cli {

// Exit code of a run stopped by Ctrl+C or SIGTERM.
inline constexpr int kExitStopped = 130;

// Catches SIGINT and SIGTERM, SIGHUP, SIGPIPE and SIGALRM (on Windows, the console's Ctrl+C,
// Ctrl+Break and close events). Safe to call more than once.
void CatchStopSignals();

// Whether one of them came since CatchStopSignals.
bool StopSignalled();

// From now on a stop signal also sets `request` (the running command's stop
// request, asked before every word); one that came already sets it at once.
// nullptr forgets the request, which must be done before it goes away.
void ForwardStopSignalsTo(std::atomic<bool>* request);

// What the command calls each time its stop question lets it go on to the
// next word (OpState::wordAhead): counts the words for SignalPoint's
// "word:N".
void WordAhead();

// Clears the flag (tests run several sessions in one process).
void ClearStopSignal();

// Where a test wants the signal to come, so that it lands at a known moment
// instead of after a guessed delay: the environment variable
// LPTPIC_TEST_SIGNAL names a point, and the program sends itself SIGTERM
// when it gets there. Points: "input" (waiting for standard input),
// "lock" (waiting for a chip file in use), "word:N" (while the N-th word
// of the command is worked on, after its question), "end" (after the
// command's last word, before the session ends). "kill:" before a point
// sends SIGKILL there instead, which nothing can catch; "hup:", "pipe:"
// and "alrm:" send SIGHUP, SIGPIPE and SIGALRM.
void SignalPoint(std::string_view point);

}  // namespace lpt::cli
