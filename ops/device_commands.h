// The device commands (Read, Program All, Program only Data memory, Program
// only Fuses + ID, Verify, Blank check, Erase) as the GUI's buttons and the
// CLI run them: idle test, presence test, progress panel, the passes in
// their order, the message of the failing pass, the "Ok" flash, and the
// chip switched off at the end.
#pragma once

#include <optional>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"
#include "hw/delay.h"
#include "hw/hooks.h"
#include "hw/protocol.h"
#include "ops/failure_detail.h"
#include "ops/write_waits.h"

namespace lpt {

struct OpState {
  bool IdleFlag = true;       // no device command running
  bool ContinueFlag = false;  // cleared by a panel click; the passes stop on StopRequested
  bool Stopped = false;       // the last command was stopped by the user (Hooks::StopRequested)
  int StoppedAt = -1;         // ... before the word at this address
  TimingProfile timing = TimingProfile::Standard;
  // Used instead of the family's datasheet waits when set: lets a check run
  // the passes with waits shorter than the chip needs.
  const WriteWaits* datasheetOverride = nullptr;
  // Before a write the device ID is checked on the parts of the families
  // that always check it, and with this setting on every part that has
  // one; ignoreWrongDevice writes whatever chip answers (the user insists).
  bool checkDeviceId = false;
  bool ignoreWrongDevice = false;
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
  // After a command: the first failing location of the pass that failed,
  // when that pass knows one (cleared when a command begins).
  std::optional<FailureDetail> failure;
  // A calibration word or the bandgap bits did not take their write-back
  // ("Error OscCal!", "Error BG!"): the passes go on, and the command then
  // ends as failed, since the chip lost what no file can give back.
  bool calibrationLost = false;
  // The check before a write found another chip than the selected part
  // and stopped the command; the user may insist (OpState::ignoreWrongDevice).
  bool wrongDevice = false;
};

enum class CommandResult {
  Ignored,   // another command was running (IdleFlag false)
  NoDevice,  // the presence test failed ("Device is not found !" shown)
  Failed,    // a pass failed; its message was shown
  Ok,
  Stopped,  // stopped by the user before a word (OpState::StoppedAt); no box shown
};

// The wait after a write, erase or bulk command: in the standard profile
// the family's standard figure for `kind` where it has a table of them,
// else `standardMs`; in the datasheet profile the family's datasheet
// figure for `kind` (`standardMs` for families without one).
void WaitAfter(OpContext& ctx, WaitKind kind, std::uint32_t standardMs);
// WaitAfter for the families that have both tables (StandardWaits).
void WaitFor(OpContext& ctx, WaitKind kind);

// The idle test and the presence test every command starts with; Ok when
// the command may go on.
CommandResult BeginDeviceCommand(OpContext& ctx);

CommandResult ReadChip(OpContext& ctx);
CommandResult ProgramAll(OpContext& ctx);
CommandResult ProgramDataOnly(OpContext& ctx);   // Program only Data memory
CommandResult ProgramFusesOnly(OpContext& ctx);  // Program only Fuses + ID
CommandResult VerifyChip(OpContext& ctx);
CommandResult BlankCheck(OpContext& ctx);
CommandResult EraseChip(OpContext& ctx);

}  // namespace lpt
