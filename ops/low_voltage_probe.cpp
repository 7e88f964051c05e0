// SPDX-License-Identifier: GPL-2.0-or-later
#include "ops/low_voltage_probe.h"

#include <algorithm>
#include <limits>

#include "buffers/hex_text.h"
#include "devices/catalogue.h"
#include "devices/family.h"
#include "ops/device_id.h"
#include "ops/id_and_config_words.h"

namespace lpt {
namespace {

// The chip discharges after it is switched off before anything else is
// switched on: the same hold as every entry's own power-off.
constexpr std::uint32_t kDischargeMs = 10;

}  // namespace

std::uint32_t LeastMclrOfLowVoltageParts() {
  static const std::uint32_t least = [] {
    std::uint32_t most = std::numeric_limits<std::uint32_t>::max();
    for (const DeviceRecord& record : AllDevices())
      if (HasLowVoltageEntry(record.family)) most = std::min(most, record.maxMclrMillivolts);
    return most;
  }();
  return least;
}

bool ProbeWanted(const OpContext& ctx) {
  return ctx.state.lowVoltageProbe &&
         ctx.proto.AdapterVppMillivolts() > LeastMclrOfLowVoltageParts() &&
         ctx.proto.EntryInUse().entry == Entry::HighVoltage;
}

std::uint16_t ProbeAtLowVoltage(OpContext& ctx) {
  ctx.proto.SetLowVoltageOnly(true);
  const std::uint16_t word = ReadDeviceIdWord(ctx.proto, false);
  ctx.proto.SetLowVoltageOnly(false);
  ctx.proto.Idle();
  ctx.delay.WaitMs(kDischargeMs);
  return word;
}

bool ProbeAnswered(std::uint16_t word) {
  const std::uint16_t bits = word & kDeviceIdWordBits;
  return bits != 0 && bits != kDeviceIdWordBits;
}

std::string ProbeRefusal(std::uint16_t word, const std::string& selected,
                         std::uint32_t vppMillivolts) {
  const std::string needs =
      "the selected " + selected + " needs " + VoltsText(vppMillivolts) + ". Nothing was written.";
  const Detection found = DetectionOf(word);
  if (found.outcome != Detection::Outcome::Found)
    return "The chip in the socket answers at low voltage with device ID " + ToHex(word, 4) +
           "h, which names no known part; " + needs;
  return "The socket holds a " + IdentifiedPartNames(found.chip) + ", which takes at most " +
         VoltsText(found.chip.record->maxMclrMillivolts) + " on MCLR; " + needs;
}

bool ProbeBeforeVpp(OpContext& ctx, bool anyPart) {
  if (!ProbeWanted(ctx)) return true;
  const std::uint16_t word = ProbeAtLowVoltage(ctx);
  if (!ProbeAnswered(word)) return true;
  if (anyPart || (ctx.device.record != nullptr && WordNamesPart(*ctx.device.record, word))) {
    ctx.proto.SetLowVoltageOnly(true);
    return true;
  }
  ctx.hooks.CommandStarted();
  ctx.hooks.Failed(Failure(ProbeRefusal(word, ctx.device.name, ctx.proto.AdapterVppMillivolts())));
  ctx.hooks.CommandEnded(CommandResult::Failed);
  return false;
}

}  // namespace lpt
