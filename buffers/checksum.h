// SPDX-License-Identifier: GPL-2.0-or-later
// The checksum the makers' programming specifications and their tools give
// for a part's image, so a line can compare a chip with the build:
//
// - program code protection off: the sum of every program word (in the
//   word's width; on the parts whose last word holds the factory OSCCAL,
//   every word but that one), plus each configuration word ANDed with its
//   mask of implemented bits, kept to 16 bits;
// - program code protection on: the configuration words ANDed with their
//   masks, plus the four ID nibbles made into one 16-bit number with the
//   first ID as the most significant nibble (SUM_ID), kept to 16 bits.
//
// Protection "on" means any program code-protection switch of the part's
// fuse layout (CP, CP0/CP1, CPP, CPC; not the data EEPROM's CPD) is
// programmed. The makers' tables give the older parts with partial
// protection ranges a sum over the unprotected range instead; this
// program uses the whole-protection rule for every protected image.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"

namespace lpt {

// The rule's inputs, apart from any device.
struct ChecksumImage {
  std::span<const std::uint16_t> programWords;  // already without an OSCCAL word
  std::uint16_t wordMask = 0x3FFF;
  std::array<std::uint16_t, 2> config{};
  std::array<std::uint16_t, 2> configMasks{};  // 0 for a word the part lacks
  bool codeProtected = false;
  std::array<std::uint8_t, 4> idNibbles{};
};

std::uint16_t ChecksumOf(const ChecksumImage& image);

// Whether `configWord` turns on program code protection on the device.
bool ProgramCodeProtected(const ActiveDevice& device, std::uint16_t configWord);

// The checksum of the buffers as they would be programmed into the device.
std::uint16_t BuffersChecksum(const ActiveDevice& device, const EditBuffers& buffers);

}  // namespace lpt
