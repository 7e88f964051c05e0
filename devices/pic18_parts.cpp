// SPDX-License-Identifier: GPL-2.0-or-later
// The PIC18F2XXX/4XXX records.
//
// Sources: program and EEPROM sizes from gputils' linker scripts
// (18f4550_g.lkr and the like: the page and eedata code pages);
// configuration masks as the options of gputils' processor headers
// (p18f4550.inc and the like) clear bits; the erased configuration bytes as
// gpasm writes the defaults of the CONFIG options, which are the data
// sheets' unprogrammed values; device IDs, write buffer sizes and the
// revision bits from the PIC18F2XXX/4XXX Family Flash Microcontroller
// Programming Specification (DS39622), as Pickle (pic16.h, pic16.c) and
// Piklab (18F4550.xml: id 1200h, 16-word write alignment) transcribe it;
// VIHH 9.0-13.25 V from DS39622's electrical table as Piklab gives it; PGM
// on RB5, pin 26 of the 28-pin and pin 38 of the 40-pin packages (the data
// sheets' pin tables).
#include "devices/pic18_parts.h"

#include <cctype>

namespace lpt {
namespace {

using P = Pic18Part;

struct NoChange {
  constexpr void operator()(P&) const {}
};

template <typename Edit = NoChange>
constexpr P Like(P parent, std::string_view name, std::uint16_t id, Edit edit = {}) {
  parent.name = name;
  parent.deviceId = id;
  edit(parent);
  return parent;
}

// clang-format off

// 18F4550: 18f4550_g.lkr 32 KB, 256 bytes EEPROM; DS39622 ID 1200h, 32-byte buffer.
constexpr P k18F4550{.name = "18F4550", .programBytes = 0x8000, .dataBytes = 256, .writeBufferBytes = 32,
                     .configMasks = {0x3F, 0xCF, 0x3F, 0x1F, 0x00, 0x87, 0xE5, 0x00, 0x0F, 0xC0, 0x0F, 0xE0, 0x0F, 0x40},
                     .configErased = {0x00, 0x05, 0x1F, 0x1F, 0x00, 0x83, 0x85, 0x00, 0x0F, 0xC0, 0x0F, 0xE0, 0x0F, 0x40},
                     .deviceId = 0x1200};
// The 28-pin USB parts have no ICPRT (CONFIG4L bit 5).
constexpr P k18F2550 = Like(k18F4550, "18F2550", 0x1240, [](P& p) { p.configMasks[6] = 0xC5; p.dipPins = 28; p.pgmPin = 26; });
// 18F4520: 18f4520_g.lkr 32 KB, 256 bytes; DS39622 ID 1080h, DEVID1 bit 4 tells the 4523 apart.
constexpr P k18F4520{.name = "18F4520", .programBytes = 0x8000, .dataBytes = 256, .writeBufferBytes = 32,
                     .configMasks = {0x00, 0xCF, 0x1F, 0x1F, 0x00, 0x87, 0xC5, 0x00, 0x0F, 0xC0, 0x0F, 0xE0, 0x0F, 0x40},
                     .configErased = {0x00, 0x07, 0x1F, 0x1F, 0x00, 0x83, 0x85, 0x00, 0x0F, 0xC0, 0x0F, 0xE0, 0x0F, 0x40},
                     .deviceId = 0x1080, .deviceIdMask = 0xFFF0};

// Two blocks of 16 KB parts: CP0/CP1 only (CONFIG5L 03h, and so CONFIG6L, CONFIG7L).
constexpr void Sixteen(P& p) {
  p.programBytes = 0x4000;
  for (int i : {8, 10, 12}) {
    p.configMasks[static_cast<std::size_t>(i)] = 0x03;
    p.configErased[static_cast<std::size_t>(i)] = 0x03;
  }
}
// The 24 KB USB parts: three blocks (CONFIG5L 07h).
constexpr void TwentyFour(P& p) {
  p.programBytes = 0x6000;
  for (int i : {8, 10, 12}) {
    p.configMasks[static_cast<std::size_t>(i)] = 0x07;
    p.configErased[static_cast<std::size_t>(i)] = 0x07;
  }
}

constexpr P kParts[] = {
    // 18f2455_g.lkr 24 KB, 256 bytes; ID 1260h.
    Like(k18F2550, "18F2455", 0x1260, TwentyFour),
    k18F2550,
    // 18f4455_g.lkr 24 KB, 256 bytes; ID 1220h.
    Like(k18F4550, "18F4455", 0x1220, TwentyFour),
    k18F4550,
    // 18f2420_g.lkr 16 KB, 256 bytes; ID 1140h.
    Like(k18F4520, "18F2420", 0x1140, [](P& p) { Sixteen(p); p.dipPins = 28; p.pgmPin = 26; }),
    // 18f2520_g.lkr 32 KB, 256 bytes; ID 1100h.
    Like(k18F4520, "18F2520", 0x1100, [](P& p) { p.dipPins = 28; p.pgmPin = 26; }),
    // 18f4420_g.lkr 16 KB, 256 bytes; ID 10C0h.
    Like(k18F4520, "18F4420", 0x10C0, Sixteen),
    k18F4520,
};

// clang-format on

constexpr std::string_view kConfigNames[kPic18ConfigBytes] = {
    "CONFIG1L", "CONFIG1H", "CONFIG2L", "CONFIG2H", "CONFIG3L", "CONFIG3H", "CONFIG4L",
    "CONFIG4H", "CONFIG5L", "CONFIG5H", "CONFIG6L", "CONFIG6H", "CONFIG7L", "CONFIG7H"};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

std::span<const Pic18Part> AllPic18Parts() { return kParts; }

const Pic18Part* FindPic18Part(std::string_view name) {
  while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  if (name.size() > 3 && SameIgnoringCase(name.substr(0, 3), "PIC")) name.remove_prefix(3);
  for (const Pic18Part& part : kParts)
    if (SameIgnoringCase(part.name, name)) return &part;
  return nullptr;
}

const Pic18Part* IdentifyPic18(std::uint16_t deviceId) {
  for (const Pic18Part& part : kParts)
    if ((deviceId & part.deviceIdMask) == part.deviceId) return &part;
  return nullptr;
}

std::string_view Pic18ConfigName(int index) {
  return index >= 0 && index < kPic18ConfigBytes ? kConfigNames[index] : std::string_view{};
}

}  // namespace lpt
