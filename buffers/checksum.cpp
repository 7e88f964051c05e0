// SPDX-License-Identifier: GPL-2.0-or-later
#include "buffers/checksum.h"

#include <vector>

#include "devices/capabilities.h"
#include "devices/family.h"
#include "devices/fuse_layouts.h"

namespace lpt {
namespace {

// The data EEPROM's protection leaves program memory readable: it does not
// change the checksum.
bool ProtectsProgram(std::string_view caption) {
  if (!IsProtectCaption(caption)) return false;
  const std::size_t first = caption.find_first_not_of(' ');
  const std::string_view name = caption.substr(first, caption.find(':') - first);
  return name != "CPD" && name != "Cpd";
}

// The parts that keep their factory OSCCAL in the last program word leave it
// out of the sum: it differs from chip to chip.
bool LastWordIsCalibration(const ActiveDevice& device) {
  return HasLastWordRule(device.family) || CapabilitiesOf(device).osccalKept;
}

}  // namespace

std::uint16_t ChecksumOf(const ChecksumImage& image) {
  std::uint32_t sum = 0;
  for (int k = 0; k < 2; ++k) sum += image.config[k] & image.configMasks[k];
  if (image.codeProtected) {
    sum += (image.idNibbles[0] & 0xFu) << 12 | (image.idNibbles[1] & 0xFu) << 8 |
           (image.idNibbles[2] & 0xFu) << 4 | (image.idNibbles[3] & 0xFu);
  } else {
    for (std::uint16_t word : image.programWords) sum += word & image.wordMask;
  }
  return static_cast<std::uint16_t>(sum);
}

bool ProgramCodeProtected(const ActiveDevice& device, std::uint16_t configWord) {
  const FuseLayoutSpec& layout = FuseLayoutOf(device.fuseLayout);
  for (const FuseSwitchSpec& fuse : layout.switches)
    if (ProtectsProgram(fuse.setCaption) && (configWord & fuse.mask) != fuse.mask) return true;
  return false;
}

std::uint16_t BuffersChecksum(const ActiveDevice& device, const EditBuffers& buffers) {
  const bool word12 = IsWord12Family(device.family);
  int words = 8 * device.programRows;
  if (LastWordIsCalibration(device) && words > 0) --words;
  std::vector<std::uint16_t> program;
  program.reserve(static_cast<std::size_t>(words));
  for (int a = 0; a < words; ++a)
    program.push_back(buffers.ProgramWordValue(a, device.family).value);
  ChecksumImage image;
  image.programWords = program;
  image.wordMask = word12 ? 0x0FFF : 0x3FFF;
  image.config = {buffers.FuseWord, buffers.SecondFuseWord};
  image.configMasks = {device.configMask, device.secondConfigMask};
  image.codeProtected = ProgramCodeProtected(device, buffers.FuseWord);
  for (int k = 0; k < 4; ++k)
    image.idNibbles[static_cast<std::size_t>(k)] =
        static_cast<std::uint8_t>(buffers.IdWordValue(k, device.family).value & 0xF);
  return ChecksumOf(image);
}

}  // namespace lpt
