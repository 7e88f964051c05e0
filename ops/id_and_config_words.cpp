// SPDX-License-Identifier: GPL-2.0-or-later
#include "ops/id_and_config_words.h"

#include "buffers/hex_text.h"
#include "devices/family.h"
#include "ops/row_walk.h"

namespace lpt {
namespace {

constexpr int kConfigWord14 = 0x2007;
constexpr int kConfigWord12 = 0x0FFF;
constexpr int kFirstIdWord14 = 0x2000;
constexpr int kDeviceIdWord14 = 0x2006;
// From 2000h, where LoadConfiguration leaves the counter.
constexpr int kIdToConfigClocks = kConfigWord14 - kFirstIdWord14;

}  // namespace

int IdWordAddress(const ActiveDevice& device, int index) {
  if (IsWord12Family(device.family)) return 8 * device.programRows + index;
  return kFirstIdWord14 + index;
}

int ConfigWordAddress(Family family, int index) {
  if (index > 0) return kSecondConfigWordAddress;
  return IsWord12Family(family) ? kConfigWord12 : kConfigWord14;
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
  Clocks(proto, kDeviceIdWord14 - kFirstIdWord14);
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
