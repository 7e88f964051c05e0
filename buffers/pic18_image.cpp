// SPDX-License-Identifier: GPL-2.0-or-later
#include "buffers/pic18_image.h"

namespace lpt {

namespace {

std::optional<Pic18Difference> FirstIn(const std::uint8_t* want, const std::uint8_t* got,
                                       std::size_t count, std::uint32_t base,
                                       const std::uint8_t* masks = nullptr) {
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t mask = masks ? masks[i] : 0xFF;
    if ((want[i] & mask) != (got[i] & mask))
      return Pic18Difference{base + static_cast<std::uint32_t>(i),
                             static_cast<std::uint8_t>(want[i] & mask),
                             static_cast<std::uint8_t>(got[i] & mask)};
  }
  return std::nullopt;
}

}  // namespace

std::optional<Pic18Difference> FirstPic18Difference(const Pic18Part& part, const Pic18Image& want,
                                                    const Pic18Image& got) {
  const auto programBytes = static_cast<std::size_t>(part.programBytes);
  const auto dataBytes = static_cast<std::size_t>(part.dataBytes);
  // Images of another size are never compared past either's end.
  if (want.program.size() < programBytes || got.program.size() < programBytes ||
      want.eeprom.size() < dataBytes || got.eeprom.size() < dataBytes)
    return Pic18Difference{0, 0, 0};
  if (auto d = FirstIn(want.program.data(), got.program.data(), programBytes, 0)) return d;
  if (auto d = FirstIn(want.ids.data(), got.ids.data(), want.ids.size(), kPic18IdAddress)) return d;
  if (auto d = FirstIn(want.config.data(), got.config.data(), want.config.size(),
                       kPic18ConfigAddress, part.configMasks.data()))
    return d;
  return FirstIn(want.eeprom.data(), got.eeprom.data(), dataBytes, kPic18EepromFileAddress);
}

}  // namespace lpt
