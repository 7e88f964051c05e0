// Ctrl+C and SIGTERM during a device command: instead of ending the program
// with the adapter's last port value (Vpp possibly on), they ask the
// command to stop before its next word; the session then switches the
// adapter off, saves a simulated chip and exits 130.
#pragma once

#include <atomic>

namespace lpt::cli {

// Exit code of a run stopped by Ctrl+C or SIGTERM.
inline constexpr int kExitStopped = 130;

// Catches SIGINT and SIGTERM (on Windows, the console's Ctrl+C, Ctrl+Break
// and close events). Safe to call more than once.
void CatchStopSignals();

// Whether one of them came since CatchStopSignals.
bool StopSignalled();

// From now on a stop signal also sets `request` (the running command's stop
// request, asked before every word); one that came already sets it at once.
// nullptr forgets the request, which must be done before it goes away.
void ForwardStopSignalsTo(std::atomic<bool>* request);

// Clears the flag (tests run several sessions in one process).
void ClearStopSignal();

}  // namespace lpt::cli
