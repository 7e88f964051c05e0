// SPDX-License-Identifier: GPL-2.0-or-later
#include "devices/pic18_memory.h"

namespace lpt {
std::uint16_t Pic18Image::ProgramWord(int w) const {
  const auto low = static_cast<std::size_t>(2 * w);
  if (w < 0 || low + 1 >= program.size()) return 0xFFFF;
  return static_cast<std::uint16_t>(program[low] | program[low + 1] << 8);
}

void Pic18Image::SetProgramWord(int w, std::uint16_t word) {
  const auto low = static_cast<std::size_t>(2 * w);
  if (w < 0 || low + 1 >= program.size()) return;
  program[low] = static_cast<std::uint8_t>(word & 0xFF);
  program[low + 1] = static_cast<std::uint8_t>(word >> 8);
}

Pic18Image BlankPic18Image(const Pic18Part& part) {
  Pic18Image image;
  image.program.assign(static_cast<std::size_t>(part.programBytes), 0xFF);
  image.ids.fill(0xFF);
  for (std::size_t i = 0; i < image.config.size(); ++i)
    image.config[i] = part.configErased[i] & part.configMasks[i];
  image.eeprom.assign(static_cast<std::size_t>(part.dataBytes), 0xFF);
  return image;
}

}  // namespace lpt
