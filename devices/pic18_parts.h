// SPDX-License-Identifier: GPL-2.0-or-later
// The PIC18F2XXX/4XXX parts programmed by 4-bit commands and high-voltage
// entry: byte-addressed program memory, eight user ID bytes, fourteen
// configuration bytes each under its own mask, a 16-bit device ID and data
// EEPROM. Kept as data beside the mid-range catalogue, since nothing of the
// mid-range word layout (14-bit words, configuration words at 2007h)
// applies to them.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace lpt {

// Where each memory lies in the chip's address space and in a HEX file
// (INHX32, byte addresses).
inline constexpr std::uint32_t kPic18IdAddress = 0x200000;
inline constexpr std::uint32_t kPic18ConfigAddress = 0x300000;
inline constexpr std::uint32_t kPic18DeviceIdAddress = 0x3FFFFE;
inline constexpr std::uint32_t kPic18EepromFileAddress = 0xF00000;
inline constexpr int kPic18IdBytes = 8;
inline constexpr int kPic18ConfigBytes = 14;

using Pic18ConfigBytes = std::array<std::uint8_t, kPic18ConfigBytes>;

struct Pic18Part {
  std::string_view name;
  int programBytes = 0;
  int dataBytes = 0;  // data EEPROM; 0 = none
  // Bytes one start-programming command writes: the write buffer, aligned
  // on its size.
  int writeBufferBytes = 32;
  // Implemented bits of CONFIG1L..CONFIG7H; an unimplemented bit reads 0.
  Pic18ConfigBytes configMasks{};
  // Each configuration byte as it leaves the factory and after a bulk
  // erase (the data sheet's unprogrammed value, under the mask).
  Pic18ConfigBytes configErased{};
  // DEVID2:DEVID1 with the revision bits clear, and the bits naming the
  // part (FFE0h; FFF0h where DEVID1 bit 4 tells two parts apart).
  std::uint16_t deviceId = 0;
  std::uint16_t deviceIdMask = 0xFFE0;
  // Code protection blocks: the boot block from 0, then blocks of this
  // size (the last one ends with program memory).
  int bootBlockBytes = 0x800;
  int blockBytes = 0x2000;
  // Dual-in-line package pins and where RB5/PGM sits on it: with LVP set
  // (as the parts leave the factory) PGM must be held low for a
  // high-voltage entry.
  int dipPins = 40;
  int pgmPin = 38;
  // The programming voltage range on MCLR (VIHH).
  std::uint32_t vihhMinMillivolts = 9000;
  std::uint32_t vihhMaxMillivolts = 13250;
};

// CONFIG4L's LVP bit: low-voltage programming enabled.
inline constexpr int kPic18LvpByte = 6;
inline constexpr std::uint8_t kPic18LvpBit = 0x04;

std::span<const Pic18Part> AllPic18Parts();
// The part with this name, "18F4550", any case, with or without "PIC";
// nullptr for none.
const Pic18Part* FindPic18Part(std::string_view name);
// The part a device ID word (DEVID2:DEVID1) names; nullptr for none.
const Pic18Part* IdentifyPic18(std::uint16_t deviceId);

// The configuration byte at `index` (0 = CONFIG1L) as "CONFIG1L".
std::string_view Pic18ConfigName(int index);

}  // namespace lpt
