#include "ops/device_commands.h"

#include <algorithm>
#include <initializer_list>

#include "ops/blank_passes.h"
#include "ops/device_id.h"
#include "ops/erase_passes.h"
#include "ops/id_and_config_words.h"
#include "ops/program_passes.h"
#include "ops/read_passes.h"
#include "ops/stop_check.h"
#include "ops/verify_passes.h"

namespace lpt {
namespace {

using Pass = bool (*)(OpContext&, Family);

struct PassStep {
  Pass pass;
  const char* failure;  // text of the message when this pass fails
  const char* name;     // shown while the pass runs
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

// Whole milliseconds stay WaitMs calls, so that a trace reads like the
// standard profile's.
void WaitUs(Delay& delay, std::uint32_t us) {
  if (us % 1000 == 0) {
    delay.WaitMs(us / 1000);
  } else {
    delay.WaitUs(us);
  }
}

}  // namespace

CommandResult BeginDeviceCommand(OpContext& ctx) {
  if (!ctx.state.IdleFlag) return CommandResult::Ignored;
  ctx.state.Stopped = false;
  ctx.state.StoppedAt = -1;
  ctx.failure.reset();
  ctx.calibrationLost = false;
  ctx.wrongDevice = false;
  // The presence test may show its message box, which handles messages: keep
  // a second command out meanwhile.
  ctx.state.IdleFlag = false;
  const bool present = ctx.proto.Device();
  ctx.state.IdleFlag = true;
  return present ? CommandResult::Ok : CommandResult::NoDevice;
}

namespace {

// "Ok" on the progress panel for 300 ms after a verify or blank check.
void FlashOk(OpContext& ctx) {
  ctx.hooks.ShowOk(true);
  ctx.hooks.ProcessEvents();
  ctx.delay.WaitMs(300);
  ctx.hooks.ShowOk(false);
}

// The passes in order up to the first that fails, whose message is shown.
CommandResult RunPasses(OpContext& ctx, std::initializer_list<PassStep> steps, Box box) {
  const Family family = ctx.device.family;
  for (const PassStep& step : steps) {
    ctx.failure.reset();
    ctx.hooks.PassStarted(step.name);
    if (step.pass(ctx, family)) continue;
    if (ctx.state.Stopped) return CommandResult::Stopped;  // the user's stop is no failure
    if (ctx.failure) {
      const std::string detail = DescribeFailure(*ctx.failure);
      if (box == Box::Error) {
        ctx.hooks.ErrorBoxWithDetail(step.failure, detail);
      } else {
        ctx.hooks.PlainBoxWithDetail(step.failure, detail);
      }
    } else if (box == Box::Error) {
      ctx.hooks.ErrorBox(step.failure);
    } else {
      ctx.hooks.PlainBox(step.failure);
    }
    return CommandResult::Failed;
  }
  return ctx.calibrationLost ? CommandResult::Failed : CommandResult::Ok;
}

// Program commands: the frame around their passes. `barFull` sets the gauge
// to its maximum at once (commands without the program-memory pass).
CommandResult ProgramCommand(OpContext& ctx, std::initializer_list<PassStep> steps, bool barFull) {
  if (const CommandResult begun = BeginDeviceCommand(ctx); begun != CommandResult::Ok) return begun;
  ShowProgressPanel(ctx);
  if (barFull) ctx.hooks.SetProgress(ctx.device.programRows - 1);
  const CommandResult result =
      ChipIsTheSelectedPart(ctx) ? RunPasses(ctx, steps, Box::Error) : CommandResult::Failed;
  HideProgressPanel(ctx);
  return result;
}

// Verify and Blank check: the frame, and "Ok" flashed on success.
CommandResult CheckCommand(OpContext& ctx, std::initializer_list<PassStep> steps, Box box) {
  if (const CommandResult begun = BeginDeviceCommand(ctx); begun != CommandResult::Ok) return begun;
  ShowProgressPanel(ctx);
  const CommandResult result = RunPasses(ctx, steps, box);
  if (result == CommandResult::Ok) FlashOk(ctx);
  HideProgressPanel(ctx);
  return result;
}

// A chip missing from the socket reads as zeros everywhere; its
// configuration word 0000 would show code protection on.
bool EveryWordReadZero(const OpContext& ctx) {
  if (ctx.buffers.FuseWord != 0) return false;
  const int words = 8 * std::min(ctx.device.programRows, ctx.buffers.ProgramRows());
  if (words <= 0) return false;
  for (int a = 0; a < words; ++a) {
    const std::string& cell = ctx.buffers.ProgramWord(a);
    if (cell.empty() || cell.find_first_not_of('0') != std::string::npos) return false;
  }
  return true;
}

constexpr const char* kProgramPass = "Program memory";
constexpr const char* kDataPass = "Data memory";
constexpr const char* kIdPass = "ID";
constexpr const char* kConfigPass = "Configuration";

constexpr PassStep kProgramMemory{ProgramProgramMemory, "Error programming Program Memory!",
                                  kProgramPass};
constexpr PassStep kProgramData{ProgramDataMemory, "Error programming Data Memory!", kDataPass};
constexpr PassStep kProgramId{ProgramID, "Error programming ID!", kIdPass};
constexpr PassStep kProgramFuses{ProgramFuses, "Error programming Fuses!", kConfigPass};

}  // namespace

void WaitAfter(OpContext& ctx, WaitKind kind, std::uint32_t standardMs) {
  const WriteWaits* waits = StandardWaits(ctx.device.family);
  if (ctx.state.timing == TimingProfile::Datasheet) {
    waits = ctx.state.datasheetOverride ? ctx.state.datasheetOverride
                                        : DatasheetWaits(ctx.device.family);
  }
  if (waits == nullptr) return ctx.delay.WaitMs(standardMs);
  WaitUs(ctx.delay, waits->Of(kind));
}

void WaitFor(OpContext& ctx, WaitKind kind) { WaitAfter(ctx, kind, 0); }

CommandResult ReadChip(OpContext& ctx) {
  if (const CommandResult begun = BeginDeviceCommand(ctx); begun != CommandResult::Ok) return begun;
  ctx.hooks.SetCaption("Pic" + ctx.device.name);
  ShowProgressPanel(ctx);
  const Family family = ctx.device.family;
  // A stopped read keeps what it read so far; no later pass runs.
  const struct {
    void (*pass)(OpContext&, Family);
    const char* name;
  } kReads[] = {{ReadProgramMemory, kProgramPass},
                {ReadDataMemory, kDataPass},
                {ReadFusesID, "ID and configuration"}};
  for (const auto& [pass, name] : kReads) {
    ctx.hooks.PassStarted(name);
    pass(ctx, family);
    if (ctx.state.Stopped) break;
  }
  ctx.hooks.BuffersChanged();
  HideProgressPanel(ctx);
  if (ctx.state.Stopped) return CommandResult::Stopped;
  if (EveryWordReadZero(ctx))
    ctx.hooks.WarningBox("Every word read as 0000: is the chip in the socket?");
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
                      {{VerifyProgramMemory, "Error verify Program Memory!", kProgramPass},
                       {VerifyDataMemory, "Error verify Data Memory!", kDataPass},
                       {VerifyFuses, "Error verify fuses!", kConfigPass},
                       {VerifyID, "Error verify ID!", kIdPass}},
                      Box::Error);
}

CommandResult BlankCheck(OpContext& ctx) {
  return CheckCommand(ctx,
                      {{BlankProgramMemory, "Program Memory is not blank", kProgramPass},
                       {BlankDataMemory, "Data Memory is not blank", kDataPass},
                       {BlankFuses, "Fuses is not blank", kConfigPass},
                       {BlankID, "ID is not blank", kIdPass}},
                      Box::Plain);
}

CommandResult EraseChip(OpContext& ctx) {
  if (const CommandResult begun = BeginDeviceCommand(ctx); begun != CommandResult::Ok) return begun;
  ShowProgressPanel(ctx);
  ctx.hooks.SetProgressMax(3);  // the bar stands full during the erase
  ctx.hooks.SetProgress(3);
  CommandResult result = CommandResult::Stopped;
  if (!ChipIsTheSelectedPart(ctx)) {
    result = CommandResult::Failed;
  } else if (!StopBefore(ctx, 0)) {
    ctx.hooks.PassStarted("Erase");
    EraseProgramAndData(ctx, ctx.device.family);
    if (!StopBefore(ctx, ConfigWordAddress(ctx.device.family)))
      result = RunPasses(ctx, {{EraseFuses, "Error erasing Fuses!", kConfigPass}}, Box::Error);
  }
  HideProgressPanel(ctx);
  return result;
}

}  // namespace lpt
