// SPDX-License-Identifier: GPL-2.0-or-later
#include "ops/device_commands.h"

#include <algorithm>
#include <functional>
#include <initializer_list>

#include "buffers/checksum.h"
#include "buffers/hex_text.h"
#include "devices/catalogue.h"
#include "devices/family.h"
#include "ops/blank_passes.h"
#include "ops/device_id.h"
#include "ops/erase_passes.h"
#include "ops/id_and_config_words.h"
#include "ops/low_voltage_probe.h"
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
  // Why it may have failed, as a line under the message; empty when no
  // reason is known. Asked only after a failure.
  std::string (*why)(OpContext&) = nullptr;
};

constexpr const char* kProtectedChip = "The chip is code-protected: program memory reads as 0000";

// A protected chip reads its program memory as zeros, so a verify against
// any file fails at 0000h: the configuration word says why. An empty socket
// (configuration 0000) is no protected chip.
std::string ProtectionReason(OpContext& ctx) {
  const std::uint16_t config = ReadConfigWord(ctx, ctx.device.family);
  return config != 0 && ProgramCodeProtected(ctx.device, config) ? kProtectedChip : "";
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

int LastRow(const OpContext& ctx) { return ctx.device.programRows - 1; }

// The passes in order up to the first that fails, whose failure is reported.
CommandResult RunPasses(OpContext& ctx, std::initializer_list<PassStep> steps, FailureKind kind) {
  const Family family = ctx.device.family;
  for (const PassStep& step : steps) {
    ctx.failure.reset();
    ctx.hooks.PassStarted(step.name);
    if (step.pass(ctx, family)) continue;
    if (ctx.state.Stopped) return CommandResult::Stopped;  // the user's stop is no failure
    std::string message = step.failure;
    if (step.why != nullptr)
      if (const std::string why = step.why(ctx); !why.empty()) message += "\n" + why;
    ctx.hooks.Failed(
        Failure(message, ctx.failure ? DescribeFailure(*ctx.failure) : std::string(), kind));
    return CommandResult::Failed;
  }
  return ctx.calibrationLost ? CommandResult::Failed : CommandResult::Ok;
}

// A configuration that clears the LVP bit of a part this adapter can only
// enter at low voltage would leave the chip out of its reach.
bool WouldLockOutTheAdapter(const OpContext& ctx) {
  const std::uint16_t lvp = LowVoltageBit(ctx.device.family);
  return lvp != 0 && ctx.proto.EntryInUse().entry == Entry::LowVoltage &&
         (ctx.buffers.SecondFuseWord & lvp) == 0;
}

// Program commands. `barFull` sets the bar to its maximum at once (commands
// without the program-memory pass); `writesConfiguration`: the command
// writes the configuration words.
CommandResult ProgramCommand(OpContext& ctx, std::initializer_list<PassStep> steps, bool barFull,
                             bool writesConfiguration) {
  const std::uint64_t start = ctx.delay.NowUs();
  ctx.summary = ProgramSummary{};
  ctx.summary.device = ctx.device.name;
  if (writesConfiguration && !ctx.state.allowLowVoltageOff && WouldLockOutTheAdapter(ctx)) {
    ctx.hooks.CommandStarted();
    ctx.hooks.Failed(
        Failure("The configuration " + ToHex(ctx.buffers.FuseWord, 4) + " " +
                    ToHex(ctx.buffers.SecondFuseWord, 4) +
                    " would switch off low-voltage programming; this adapter could not "
                    "program the chip again.",
                {}, FailureKind::LowVoltageOff));
    ctx.hooks.CommandEnded(CommandResult::Failed);
    return CommandResult::Failed;
  }
  const CommandResult result = Framed(ctx, [&] {
    if (barFull) ctx.hooks.Progress(LastRow(ctx), LastRow(ctx));
    if (!ChipIsTheSelectedPart(ctx)) return CommandResult::Failed;
    return RunPasses(ctx, steps, FailureKind::Error);
  });
  ctx.summary.verified = result == CommandResult::Ok;
  ctx.summary.tookUs = ctx.delay.NowUs() - start;
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

// Where the board's released data line floats high, an empty socket reads
// as a blank chip. A part with a device ID tells the two apart: its ID word
// is read then (only then, so a Read of anything else sends what it always
// sent); a word of all ones or zeros is no chip. Elsewhere the user hears
// that it may be either.
std::uint16_t ErasedValue(const OpContext& ctx) {
  return IsWord12Family(ctx.device.family) ? 0x0FFF : kErasedWord;
}

bool EveryWordReadBlank(const OpContext& ctx) {
  const int words = 8 * std::min(ctx.device.programRows, ctx.buffers.ProgramRows());
  if (words <= 0) return false;
  for (int a = 0; a < words; ++a) {
    if (!ctx.buffers.ProgramWordValue(a, ctx.device.family).Matches(ErasedValue(ctx))) return false;
  }
  const int bytes = 8 * std::min(ctx.device.dataRows, ctx.buffers.DataGridRows());
  for (int a = 0; a < bytes; ++a) {
    if (!ctx.buffers.DataByteValue(a).Matches(kErasedByte)) return false;
  }
  return true;
}

void AskTheBlankChipForItsId(OpContext& ctx) {
  const DeviceRecord* record = FindDevice(ctx.device.name);
  if (record == nullptr || record->deviceIdMask == 0 || IsWord12Family(ctx.device.family)) {
    ctx.hooks.Notice("Every word read blank: a blank chip, or an empty socket?");
    return;
  }
  const std::uint16_t id = ReadDeviceIdWord(ctx);
  if (id != kErasedWord && id != 0) return;
  ctx.hooks.Failed(
      Failure("No chip answers (device ID " + ToHex(id, 4) + "h): is the chip in the socket?", {},
              FailureKind::Warning));
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

// After a low-voltage entry a chip whose LVP bit is off stays in reset:
// nothing drives the data line, and its device ID reads 0000h.
bool ChipAnswersLowVoltageEntry(OpContext& ctx) { return ReadDeviceIdWord(ctx) != 0; }

}  // namespace

namespace {

// A session forced to low voltage by the probe ends with its command.
struct LowVoltageOnlyEnds {
  Protocol& proto;
  ~LowVoltageOnlyEnds() { proto.SetLowVoltageOnly(false); }
};

}  // namespace

CommandResult Framed(OpContext& ctx, const std::function<CommandResult()>& work, bool anyPart) {
  ctx.proto.SetLowVoltageOnly(false);
  const LowVoltageOnlyEnds ends{ctx.proto};
  ctx.state.Stopped = false;
  ctx.state.StoppedAt = -1;
  ctx.failure.reset();
  ctx.calibrationLost = false;
  ctx.chipErased = false;
  // Nothing reaches the port when the adapter's Vpp is too much for a part
  // that has no other way in.
  EntryChoice entry = ctx.proto.EntryInUse();
  if (entry.entry == Entry::Refused) {
    ctx.hooks.CommandStarted();
    ctx.hooks.Failed(Failure(entry.reason));
    ctx.hooks.CommandEnded(CommandResult::Failed);
    return CommandResult::Failed;
  }
  if (!ProbeBeforeVpp(ctx, anyPart)) return CommandResult::Failed;
  entry = ctx.proto.EntryInUse();
  if (!entry.reason.empty()) ctx.hooks.Notice(entry.reason);
  if (!ctx.proto.AdapterPresent()) {
    ctx.hooks.CommandEnded(CommandResult::NoDevice);
    return CommandResult::NoDevice;
  }
  ctx.hooks.CommandStarted();
  if (entry.entry == Entry::LowVoltage && !ChipAnswersLowVoltageEntry(ctx)) {
    ctx.hooks.Failed(Failure(
        "No chip answers low-voltage entry: the socket is empty, or the chip's LVP bit is off "
        "and only a Vpp it takes (at most " +
        VoltsText(ctx.device.record ? ctx.device.record->maxMclrMillivolts : 0) +
        ") reaches it now."));
    ctx.proto.Idle();
    ctx.hooks.CommandEnded(CommandResult::Failed);
    return CommandResult::Failed;
  }
  ctx.hooks.Progress(0, LastRow(ctx));
  const CommandResult result = work();
  ctx.proto.Idle();
  ctx.hooks.CommandEnded(result);
  return result;
}

namespace {

const WriteWaits* WaitsInUse(const OpContext& ctx) {
  if (ctx.state.timing != TimingProfile::Datasheet) return StandardWaits(ctx.device.family);
  return ctx.state.datasheetOverride ? ctx.state.datasheetOverride
                                     : DatasheetWaits(ctx.device.family);
}

}  // namespace

std::uint32_t WaitFigureUs(const OpContext& ctx, WaitKind kind, std::uint32_t standardMs) {
  const WriteWaits* waits = WaitsInUse(ctx);
  return waits == nullptr ? standardMs * 1000 : waits->Of(kind);
}

void WaitAfter(OpContext& ctx, WaitKind kind, std::uint32_t standardMs) {
  if (WaitsInUse(ctx) == nullptr) return ctx.delay.WaitMs(standardMs);
  WaitUs(ctx.delay, WaitFigureUs(ctx, kind, standardMs));
}

void WaitFor(OpContext& ctx, WaitKind kind) { WaitAfter(ctx, kind, 0); }

CommandResult ReadChip(OpContext& ctx) {
  return Framed(ctx, [&] {
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
    if (ctx.state.Stopped) return CommandResult::Stopped;
    if (EveryWordReadZero(ctx)) {
      ctx.hooks.Failed(
          Failure("Every word read as 0000: is the chip in the socket?", {}, FailureKind::Warning));
    } else if (ProgramCodeProtected(ctx.device, ctx.buffers.FuseWord)) {
      // What was read is no image of the chip's program.
      ctx.hooks.Failed(Failure(kProtectedChip, {},
                               ctx.allowProtected ? FailureKind::Warning : FailureKind::Error));
      if (!ctx.allowProtected) return CommandResult::Failed;
    } else if (EveryWordReadBlank(ctx)) {
      AskTheBlankChipForItsId(ctx);
    }
    return CommandResult::Ok;
  });
}

CommandResult ProgramAll(OpContext& ctx) {
  return ProgramCommand(ctx, {kProgramMemory, kProgramData, kProgramId, kProgramFuses}, false,
                        true);
}

CommandResult ProgramDataOnly(OpContext& ctx) {
  return ProgramCommand(ctx, {kProgramData}, true, false);
}

CommandResult ProgramFusesOnly(OpContext& ctx) {
  return ProgramCommand(ctx, {kProgramId, kProgramFuses}, true, true);
}

CommandResult VerifyChip(OpContext& ctx) {
  return Framed(ctx, [&] {
    return RunPasses(
        ctx,
        {{VerifyProgramMemory, "Error verify Program Memory!", kProgramPass, ProtectionReason},
         {VerifyDataMemory, "Error verify Data Memory!", kDataPass},
         {VerifyFuses, "Error verify fuses!", kConfigPass},
         {VerifyID, "Error verify ID!", kIdPass}},
        FailureKind::Error);
  });
}

CommandResult BlankCheck(OpContext& ctx) {
  return Framed(ctx, [&] {
    return RunPasses(ctx,
                     {{BlankProgramMemory, "Program Memory is not blank", kProgramPass},
                      {BlankDataMemory, "Data Memory is not blank", kDataPass},
                      {BlankFuses, "Fuses is not blank", kConfigPass},
                      {BlankID, "ID is not blank", kIdPass}},
                     FailureKind::Plain);
  });
}

CommandResult EraseChip(OpContext& ctx) {
  return Framed(ctx, [&] {
    ctx.hooks.Progress(3, 3);  // the bar stands full during the erase
    if (!ChipIsTheSelectedPart(ctx)) return CommandResult::Failed;
    if (StopBefore(ctx, 0)) return CommandResult::Stopped;
    ctx.hooks.PassStarted("Erase");
    EraseProgramAndData(ctx, ctx.device.family);
    if (StopBefore(ctx, ConfigWordAddress(ctx.device.family))) return CommandResult::Stopped;
    return RunPasses(ctx, {{EraseFuses, "Error erasing Fuses!", kConfigPass}}, FailureKind::Error);
  });
}

}  // namespace lpt
