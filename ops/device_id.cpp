// SPDX-License-Identifier: GPL-2.0-or-later
#include "ops/device_id.h"

#include "buffers/hex_text.h"
#include "ops/id_and_config_words.h"
#include "ops/row_walk.h"

namespace lpt {

bool WordNamesPart(const DeviceRecord& record, std::uint16_t word) {
  for (std::uint16_t id : record.deviceIds)
    if (id != 0 && (word & record.deviceIdMask) == id) return true;
  return false;
}

Detection DetectionOf(std::uint16_t word) {
  Detection detection;
  detection.word = word;
  detection.chip = IdentifyDeviceId(word);
  detection.outcome = word == 0                          ? Detection::Outcome::NoChip
                      : detection.chip.record != nullptr ? Detection::Outcome::Found
                                                         : Detection::Outcome::Unknown;
  return detection;
}

namespace {

std::string WrongChipMessage(const DeviceRecord& selected, std::uint16_t word) {
  const std::string name(selected.name);
  const Detection found = DetectionOf(word);
  switch (found.outcome) {
    case Detection::Outcome::Found:
      return "The chip is a " + IdentifiedPartNames(found.chip) + ", not the selected " + name +
             ".";
    case Detection::Outcome::NoChip:
      return "No chip answers: its device ID reads 0000h, not the selected " + name + "'s.";
    case Detection::Outcome::Unknown:
      break;
  }
  return "The chip's device ID " + ToHex(word, 4) + "h is not the selected " + name + "'s.";
}

// A part entered Vpp first that has started its own program on a board that
// powers it before any Vpp comes answers with anything but its ID: the
// power order, not the chip, is then the likely cause.
std::string WithPowerOrderHint(const OpContext& ctx, std::string message) {
  if (ctx.proto.AdapterSwitchesVdd() || !VppBeforeVdd(ctx.device.family)) return message;
  return message + " This adapter cannot switch Vdd, and the " + ctx.device.name +
         " must see Vpp before Vdd when its configuration lets it run its program at power-up: "
         "the power order is the likely cause. Use an adapter that switches Vdd.";
}

}  // namespace

CommandResult DetectChip(OpContext& ctx, Detection* found) {
  return Framed(
      ctx,
      [&] {
        *found = DetectionOf(ReadDeviceIdWord(ctx.proto, false));
        if (found->outcome != Detection::Outcome::Found) {
          const Detection second = DetectionOf(ReadDeviceIdWord(ctx.proto, true));
          if (second.outcome == Detection::Outcome::Found ||
              found->outcome == Detection::Outcome::NoChip)
            *found = second;
        }
        return CommandResult::Ok;
      },
      true);
}

CommandResult DetectDevice(OpContext& ctx) {
  Detection found;
  const CommandResult result = DetectChip(ctx, &found);
  ctx.state.deviceIdRead = found.word;
  return result;
}

std::string DetectionText(const Detection& detection) {
  switch (detection.outcome) {
    case Detection::Outcome::NoChip:
      return "no chip answers";
    case Detection::Outcome::Unknown:
      return "unknown device ID " + ToHex(detection.word, 4) + "h";
    case Detection::Outcome::Found:
      break;
  }
  const std::string_view part = IdentifiedPartName(detection.chip);
  std::string text = IdentifiedPartNames(detection.chip);
  if (part != detection.chip.record->name)
    text += " (" + std::string(detection.chip.record->name) + ")";
  return text + " revision " + std::to_string(detection.chip.revision);
}

bool ChipIsTheSelectedPart(OpContext& ctx) {
  const DeviceRecord* record = ctx.device.record;
  if (record == nullptr || !record->HasDeviceId()) return true;
  if (!ChecksDeviceIdBeforeWriting(ctx.device.family) && !ctx.state.checkDeviceId) return true;
  if (ctx.state.ignoreWrongDevice) return true;
  const std::uint16_t word = ReadDeviceIdWord(ctx.proto, VppBeforeVdd(ctx.device.family));
  if (WordNamesPart(*record, word)) return true;
  ctx.hooks.Failed(Failure(WithPowerOrderHint(ctx, WrongChipMessage(*record, word)), {},
                           FailureKind::WrongDevice));
  return false;
}

}  // namespace lpt
