// SPDX-License-Identifier: GPL-2.0-or-later
#include "ops/id_and_config_words.h"

#include "buffers/hex_text.h"
#include "devices/family.h"
#include "ops/row_walk.h"

namespace lpt {
namespace {

// Offsets in configuration memory (2000h, or 8000h), where
// LoadConfiguration leaves the counter.
constexpr int kConfigWordOffset = 7;
constexpr int kConfigWord12 = 0x0FFF;
constexpr int kDeviceIdOffset = 6;
constexpr int kIdToConfigClocks = kConfigWordOffset;

}  // namespace

int IdWordAddress(const ActiveDevice& device, int index) {
  if (IsWord12Family(device.family)) return 8 * device.programRows + index;
  return ConfigSpaceAddress(device.family) + index;
}

int ConfigWordAddress(Family family, int index) {
  if (IsWord12Family(family)) return kConfigWord12;
  return ConfigSpaceAddress(family) + kConfigWordOffset + index;
}

int ConfigWordCount(const ActiveDevice& device) { return device.secondConfigMask != 0 ? 2 : 1; }

std::uint16_t ConfigWordMask(const ActiveDevice& device, int index) {
  return index > 0 ? device.secondConfigMask : device.configMask;
}

void StepToIdWords(Protocol& proto, const ActiveDevice& device) {
  if (IsWord12Family(device.family)) {
    Clocks(proto, 1 + 8 * device.programRows);  // program address 0, then past program memory
  } else {
    proto.LoadConfiguration(kErasedWord);
  }
}

void GoToIdWords(Protocol& proto, const ActiveDevice& device) {
  proto.ResetPic();
  StepToIdWords(proto, device);
}

void GoToConfigWord(Protocol& proto) {
  proto.ResetPic();
  proto.LoadConfiguration(kErasedWord);
  Clocks(proto, kIdToConfigClocks);
}

std::uint16_t ReadDeviceIdWord(Protocol& proto, bool vppFirst) {
  proto.ResetPicWithEntry(vppFirst);
  proto.LoadConfiguration(kErasedWord);
  Clocks(proto, kDeviceIdOffset);
  return proto.ReadDataFromProgramMemory();
}

std::uint16_t ReadDeviceIdWord(OpContext& ctx) {
  return ReadDeviceIdWord(ctx.proto, VppBeforeVdd(ctx.device.family));
}

std::uint16_t ReadConfigWord(OpContext& ctx, Family family) {
  if (IsWord12Family(family)) {
    ctx.proto.ResetPic();  // the 12-bit counter starts on the configuration word
  } else {
    GoToConfigWord(ctx.proto);
  }
  return ctx.proto.ReadDataFromProgramMemory();
}

bool FuseCheck(OpContext& ctx, std::uint16_t expected, int index) {
  const std::uint16_t mask = ConfigWordMask(ctx.device, index);
  const auto read = static_cast<std::uint16_t>(ctx.proto.ReadDataFromProgramMemory() & mask);
  const auto want = static_cast<std::uint16_t>(expected & mask);
  if (read == want) return true;
  ctx.failure = FailureDetail{
      MemoryKind::Config, static_cast<std::uint32_t>(ConfigWordAddress(ctx.device.family, index)),
      ToHex(want, 4), ToHex(read, 4)};
  return false;
}

}  // namespace lpt
