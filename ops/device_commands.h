// The device commands (Read, Program All, Program only Data memory, Program
// only Fuses + ID, Verify, Blank check, Erase) as the GUI's buttons and the
// CLI run them: idle test, presence test, progress panel, the passes in
// their order, the message of the failing pass, the "Ok" flash, and the
// chip switched off at the end.
#pragma once

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"
#include "hw/delay.h"
#include "hw/hooks.h"
#include "hw/protocol.h"
#include "ops/write_waits.h"

namespace lpt {

struct OpState {
  bool IdleFlag = true;       // no device command running
  bool ContinueFlag = false;  // cleared by a click on the progress panel
  TimingProfile timing = TimingProfile::Standard;
  // Used instead of the family's datasheet waits when set: lets a check run
  // the passes with waits shorter than the chip needs.
  const WriteWaits* datasheetOverride = nullptr;
};

struct OpContext {
  Protocol& proto;
  Delay& delay;
  Hooks& hooks;
  ActiveDevice& device;
  EditBuffers& buffers;
  OpState& state;
};

enum class CommandResult {
  Ignored,   // another command was running (IdleFlag false)
  NoDevice,  // the presence test failed ("Device is not found !" shown)
  Failed,    // a pass failed; its message was shown
  Ok,
};

// The wait after a write, erase or bulk command: `standardMs` in the
// standard profile (and for families without datasheet waits), the
// family's datasheet figure for `kind` otherwise.
void WaitAfter(OpContext& ctx, WaitKind kind, std::uint32_t standardMs);

CommandResult ReadChip(OpContext& ctx);
CommandResult ProgramAll(OpContext& ctx);
CommandResult ProgramDataOnly(OpContext& ctx);   // Program only Data memory
CommandResult ProgramFusesOnly(OpContext& ctx);  // Program only Fuses + ID
CommandResult VerifyChip(OpContext& ctx);
CommandResult BlankCheck(OpContext& ctx);
CommandResult EraseChip(OpContext& ctx);

}  // namespace lpt
