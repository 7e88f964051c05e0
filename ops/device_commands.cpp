#include "ops/device_commands.h"

#include <initializer_list>

#include "ops/blank_passes.h"
#include "ops/erase_passes.h"
#include "ops/program_passes.h"
#include "ops/read_passes.h"
#include "ops/verify_passes.h"

namespace lpt {
namespace {

using Pass = bool (*)(OpContext&, Family);

struct PassStep {
  Pass pass;
  const char* failure;  // text of the message when this pass fails
};

enum class Box { Error, Plain };

void ShowProgressPanel(OpContext& ctx) {
  ctx.state.IdleFlag = false;
  ctx.hooks.SetProgress(0);
  ctx.hooks.SetProgressMax(ctx.device.programRows - 1);
  ctx.hooks.ShowProgressPanel(true);
  ctx.hooks.ProcessEvents();
}

// Switches the chip off; IdleFlag is set before the queued input is handled,
// so that input is handled as if no command ran.
void HideProgressPanel(OpContext& ctx) {
  ctx.hooks.ShowProgressPanel(false);
  ctx.proto.Idle();
  ctx.state.IdleFlag = true;
  ctx.hooks.ProcessEvents();
}

// Whole milliseconds stay DELAY calls, so that a trace reads like the
// standard profile's.
void WaitUs(Delay& delay, std::uint32_t us) {
  if (us % 1000 == 0) {
    delay.DELAY(us / 1000);
  } else {
    delay.DELAYUS(us);
  }
}

// The idle test and the presence test every command starts with; Ok when the
// command may go on.
CommandResult Begin(OpContext& ctx) {
  if (!ctx.state.IdleFlag) return CommandResult::Ignored;
  // The presence test may show its message box, which handles messages: keep
  // a second command out meanwhile.
  ctx.state.IdleFlag = false;
  const bool present = ctx.proto.Device();
  ctx.state.IdleFlag = true;
  return present ? CommandResult::Ok : CommandResult::NoDevice;
}

// "Ok" on the progress panel for 300 ms after a verify or blank check.
void FlashOk(OpContext& ctx) {
  ctx.hooks.ShowOk(true);
  ctx.hooks.ProcessEvents();
  ctx.delay.DELAY(300);
  ctx.hooks.ShowOk(false);
}

// The passes in order up to the first that fails, whose message is shown.
CommandResult RunPasses(OpContext& ctx, std::initializer_list<PassStep> steps, Box box) {
  const Family family = ctx.device.family;
  for (const PassStep& step : steps) {
    if (step.pass(ctx, family)) continue;
    if (box == Box::Error) {
      ctx.hooks.ErrorBox(step.failure);
    } else {
      ctx.hooks.PlainBox(step.failure);
    }
    return CommandResult::Failed;
  }
  return CommandResult::Ok;
}

// Program commands: the frame around their passes. `barFull` sets the gauge
// to its maximum at once (commands without the program-memory pass).
CommandResult ProgramCommand(OpContext& ctx, std::initializer_list<PassStep> steps, bool barFull) {
  if (const CommandResult begun = Begin(ctx); begun != CommandResult::Ok) return begun;
  ShowProgressPanel(ctx);
  if (barFull) ctx.hooks.SetProgress(ctx.device.programRows - 1);
  const CommandResult result = RunPasses(ctx, steps, Box::Error);
  HideProgressPanel(ctx);
  return result;
}

// Verify and Blank check: the frame, and "Ok" flashed on success.
CommandResult CheckCommand(OpContext& ctx, std::initializer_list<PassStep> steps, Box box) {
  if (const CommandResult begun = Begin(ctx); begun != CommandResult::Ok) return begun;
  ShowProgressPanel(ctx);
  const CommandResult result = RunPasses(ctx, steps, box);
  if (result == CommandResult::Ok) FlashOk(ctx);
  HideProgressPanel(ctx);
  return result;
}

constexpr PassStep kProgramMemory{ProgramProgramMemory, "Error programming Program Memory!"};
constexpr PassStep kProgramData{ProgramDataMemory, "Error programming Data Memory!"};
constexpr PassStep kProgramId{ProgramID, "Error programming ID!"};
constexpr PassStep kProgramFuses{ProgramFuses, "Error programming Fuses!"};

}  // namespace

void WaitAfter(OpContext& ctx, WaitKind kind, std::uint32_t standardMs) {
  const WriteWaits* waits = nullptr;
  if (ctx.state.timing == TimingProfile::Datasheet) {
    waits = ctx.state.datasheetOverride ? ctx.state.datasheetOverride
                                        : DatasheetWaits(ctx.device.family);
  }
  if (waits == nullptr) return ctx.delay.DELAY(standardMs);
  WaitUs(ctx.delay, waits->Of(kind));
}

CommandResult ReadChip(OpContext& ctx) {
  if (const CommandResult begun = Begin(ctx); begun != CommandResult::Ok) return begun;
  ctx.hooks.SetCaption("Pic" + ctx.device.name);
  ShowProgressPanel(ctx);
  const Family family = ctx.device.family;
  ReadProgramMemory(ctx, family);
  ReadDataMemory(ctx, family);
  ReadFusesID(ctx, family);
  ctx.hooks.BuffersChanged();
  HideProgressPanel(ctx);
  return CommandResult::Ok;
}

CommandResult ProgramAll(OpContext& ctx) {
  return ProgramCommand(ctx, {kProgramMemory, kProgramData, kProgramId, kProgramFuses}, false);
}

CommandResult ProgramDataOnly(OpContext& ctx) { return ProgramCommand(ctx, {kProgramData}, true); }

CommandResult ProgramFusesOnly(OpContext& ctx) {
  return ProgramCommand(ctx, {kProgramId, kProgramFuses}, true);
}

CommandResult VerifyChip(OpContext& ctx) {
  return CheckCommand(ctx,
                      {{VerifyProgramMemory, "Error verify Program Memory!"},
                       {VerifyDataMemory, "Error verify Data Memory!"},
                       {VerifyFuses, "Error verify fuses!"},
                       {VerifyID, "Error verify ID!"}},
                      Box::Error);
}

CommandResult BlankCheck(OpContext& ctx) {
  return CheckCommand(ctx,
                      {{BlankProgramMemory, "Program Memory is not blank"},
                       {BlankDataMemory, "Data Memory is not blank"},
                       {BlankFuses, "Fuses is not blank"},
                       {BlankID, "ID is not blank"}},
                      Box::Plain);
}

CommandResult EraseChip(OpContext& ctx) {
  if (const CommandResult begun = Begin(ctx); begun != CommandResult::Ok) return begun;
  ShowProgressPanel(ctx);
  ctx.hooks.SetProgressMax(3);  // the bar stands full during the erase
  ctx.hooks.SetProgress(3);
  EraseProgram_Data(ctx, ctx.device.family);
  const CommandResult result = RunPasses(ctx, {{EraseFuses, "Error erasing Fuses!"}}, Box::Error);
  HideProgressPanel(ctx);
  return result;
}

}  // namespace lpt
