// SPDX-License-Identifier: GPL-2.0-or-later
// The device commands (Read, Program All, Program only Data memory, Program
// only Fuses + ID, Verify, Blank check, Erase) as the GUI's buttons and the
// CLI run them: presence test, the passes in their order, the failure of the
// failing pass, and the chip switched off at the end, reported as events
// (hw/hooks.h). A command runs on one thread; only the stop request may be
// set from another.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"
#include "hw/delay.h"
#include "hw/hooks.h"
#include "hw/protocol.h"
#include "ops/failure_detail.h"
#include "ops/program_summary.h"
#include "ops/write_waits.h"

namespace lpt {

struct OpState {
  // The user's stop (a click on the progress panel, Ctrl+C, a signal that
  // closes the window): set from any thread, asked before every word
  // (ops/stop_check.h). The front end clears it before a command; a
  // command never does.
  std::atomic<bool> stopRequested{false};
  // Called, when set, each time the stop question lets the command go on
  // to its next word: a front end's count of words (the CLI places its
  // test signals by it), on the command's thread.
  void (*wordAhead)() = nullptr;
  bool Stopped = false;  // the last command was stopped by the user
  int StoppedAt = -1;    // ... before the word at this address
  TimingProfile timing = TimingProfile::Standard;
  // Used instead of the family's datasheet waits when set: lets a check run
  // the passes with waits shorter than the chip needs.
  const WriteWaits* datasheetOverride = nullptr;
  // Before a write the device ID is checked on the parts of the families
  // that always check it, and with this setting on every part that has
  // one; ignoreWrongDevice writes whatever chip answers (the user insists).
  bool checkDeviceId = false;
  bool ignoreWrongDevice = false;
  // On a board whose Vpp some parts do not take, every command first asks
  // the socket at low voltage which chip it holds (ops/low_voltage_probe.h);
  // off only for a user who needs the traffic without it.
  bool lowVoltageProbe = true;
  // The device ID word the last Detect read (DetectDevice).
  std::uint16_t deviceIdRead = 0;
  // Program All and Program only Fuses write a configuration that clears
  // the LVP bit of a part entered at low voltage (the user insists: the
  // adapter cannot reach the chip again).
  bool allowLowVoltageOff = false;
  // Program All writes the file's OSCCAL word of a 12-bit flash part over
  // the chip's own (ops/flash12.h); otherwise the chip's is kept.
  bool overwriteOsccal = false;
};

struct OpContext {
  OpContext(Protocol& protocol, Delay& waits, Hooks& ui, ActiveDevice& active, EditBuffers& edit,
            OpState& commandState)
      : proto(protocol),
        delay(waits),
        hooks(ui),
        device(active),
        buffers(edit),
        state(commandState) {}

  Protocol& proto;
  Delay& delay;
  Hooks& hooks;
  ActiveDevice& device;
  EditBuffers& buffers;
  OpState& state;
  // Verify compares the ID words; without it they are still read (the same
  // port traffic) but any ID passes.
  bool compareId = true;
  // Read of a code-protected chip: a warning, and the command succeeds;
  // otherwise it fails, as its words are no image of the chip's program.
  bool allowProtected = false;
  // After a command: the first failing location of the pass that failed,
  // when that pass knows one (cleared when a command begins).
  std::optional<FailureDetail> failure;
  // A calibration word or the bandgap bits did not take their write-back
  // ("Error OscCal!", "Error BG!"): the passes go on, and the command then
  // ends as failed, since the chip lost what no file can give back.
  bool calibrationLost = false;
  // The command erased program memory and data EEPROM before writing them
  // (Program All of a family that starts with an erase): in the datasheet
  // profile a word still at its erased value needs no write.
  bool chipErased = false;
  // What the last program command wrote (Program All, Program only ...).
  ProgramSummary summary;
};

// The wait after a write, erase or bulk command: in the standard profile
// the family's standard figure for `kind` where it has a table of them,
// else `standardMs`; in the datasheet profile the family's datasheet
// figure for `kind` (`standardMs` for families without one).
void WaitAfter(OpContext& ctx, WaitKind kind, std::uint32_t standardMs);
// WaitAfter for the families that have both tables (StandardWaits).
void WaitFor(OpContext& ctx, WaitKind kind);

// The figure WaitAfter waits, in microseconds.
std::uint32_t WaitFigureUs(const OpContext& ctx, WaitKind kind, std::uint32_t standardMs);

// What every command shares: the low-voltage probe where the board's Vpp
// asks for it, the presence test, then `work` between the command's start
// and the chip's switch-off, and the end reported with the result. A chip
// that answers the probe must be the selected part (`anyPart`: any part,
// for Detect); the command then runs at low voltage. After a failed
// presence test the chip stays as the test left it.
CommandResult Framed(OpContext& ctx, const std::function<CommandResult()>& work,
                     bool anyPart = false);

// What the front ends run; every command reports CommandEnded last.
using DeviceCommand = CommandResult (*)(OpContext&);

CommandResult ReadChip(OpContext& ctx);
CommandResult ProgramAll(OpContext& ctx);
CommandResult ProgramDataOnly(OpContext& ctx);   // Program only Data memory
CommandResult ProgramFusesOnly(OpContext& ctx);  // Program only Fuses + ID
CommandResult VerifyChip(OpContext& ctx);
CommandResult BlankCheck(OpContext& ctx);
CommandResult EraseChip(OpContext& ctx);

}  // namespace lpt
