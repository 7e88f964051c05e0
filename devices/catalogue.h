// SPDX-License-Identifier: GPL-2.0-or-later
// The device catalogue: one compiled-in record per part name, holding
// everything the program knows about that part.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "devices/family.h"
#include "devices/fuse_layouts.h"
#include "devices/info_pages.h"
#include "devices/packages.h"

namespace lpt {

// How far the part has been taken: only through the simulated adapter, or
// programmed and verified on real silicon with a real adapter.
enum class Tested : std::uint8_t { SimulatorOnly, RealSilicon };

// The word at 2006h of the 14-bit flash parts: the part in bits 13:5, the
// silicon revision in bits 4:0.
inline constexpr std::uint16_t kDeviceIdWithoutRevision = 0x3FE0;
inline constexpr std::uint16_t kDeviceIdWordBits = 0x3FFF;

struct DeviceRecord {
  // The name as listed, printed and kept in the settings file.
  std::string_view name;
  // The parts a group name stands for ("12F629/675": 12F629, 12F675);
  // empty for a name that is one part.
  std::array<std::string_view, 2> partNames{};
  Family family = Family::None;
  int programWords = 0;
  int dataBytes = 0;  // data EEPROM; 0 = none
  // Implemented bits of each configuration word; 0 for a word the part
  // does not have.
  std::array<std::uint16_t, 2> configMasks{0x3FFF, 0};
  FuseLayout fuseLayout = FuseLayout::Pic16F84;
  Package package = Package::Dip18;  // the most common package of the table
  Wiring wiring = Wiring::None;      // None: the chip sits in the socket
  // The device ID word with the revision bits clear, of the part (or of
  // each part of a group, in partNames order); 0 where there is none.
  std::array<std::uint16_t, 2> deviceIds{};
  std::uint16_t deviceIdMask = 0;  // the bits naming the part; 0 = no device ID
  InfoPage infoPage = InfoPage::None;
  Tested tested = Tested::SimulatorOnly;
  // Program words one programming cycle writes: the chip's write latches.
  // A row of this many words, aligned on its size, is loaded and then
  // written at once.
  int writeLatches = 1;
  // Factory calibration words in configuration memory (2008h and up) that
  // an erase must not lose; 0 for none.
  std::array<std::uint16_t, 2> calibrationWords{};
  // Where the programming pins are, for a chip that does not sit in the
  // socket as its package is drawn (Wiring::IcspCable); unset otherwise.
  std::optional<ProgrammingPins> icspPins{};
  // What else the connection needs, in a sentence (a resistor in a supply
  // line, more supply pins than ProgrammingPins lists); empty for nothing.
  std::string_view connectionNote{};
  // The maker gives this part's device ID to another part as well (the
  // 16F636 and 16F639): both records say so, and detection names both.
  bool sharesDeviceId = false;
  // The highest voltage the makers allow on MCLR: the data sheet's absolute
  // maximum rating for the pin (13.5 V on the older flash and EPROM parts).
  // No adapter whose Vpp is higher may switch it on for this part.
  std::uint32_t maxMclrMillivolts = 13500;

  int ProgramRows() const { return programWords / 8; }  // rows of the memory grid
  int DataRows() const { return dataBytes / 8; }
  std::uint16_t ConfigMask() const { return configMasks[0]; }
  bool HasSecondConfigWord() const { return configMasks[1] != 0; }
  bool HasDeviceId() const { return deviceIdMask != 0; }
};

// The configuration memory of the 14-bit parts, by word address.
inline constexpr std::uint16_t kFirstIdWordAddress = 0x2000;
inline constexpr std::uint16_t kDeviceIdAddress = 0x2006;
inline constexpr std::uint16_t kFirstConfigWordAddress = 0x2007;
inline constexpr std::uint16_t kSecondConfigWordAddress = 0x2008;

// Every record in table order: the order `lptpic-cli devices` lists them in.
std::span<const DeviceRecord> AllDevices();

// Every name, in table order.
std::vector<std::string_view> CatalogueNames();

// The record with exactly this name (case-sensitive), or nullptr.
const DeviceRecord* FindDevice(std::string_view name);

// The record a user means by a name as typed: any case, with or without
// "PIC" before it and blanks around it, a group's own name or the name of
// one of its parts ("16f88", "PIC16F88", "16F675" for "12F629/675").
// nullptr when no record answers to it.
const DeviceRecord* FindDeviceAsTyped(std::string_view typed);

// What a device ID word names: the record whose ID (under its mask)
// matches, which of its parts (an index into partNames; 0 for a single
// part) and the silicon revision (the bits outside the mask). An unknown
// word gives no record.
struct IdentifiedChip {
  const DeviceRecord* record = nullptr;
  std::size_t part = 0;
  std::uint16_t revision = 0;
};
IdentifiedChip IdentifyDeviceId(std::uint16_t word);
// The name of the part an identified chip is ("12F675" within
// "12F629/675"); empty for none.
std::string_view IdentifiedPartName(const IdentifiedChip& chip);
// As IdentifiedPartName, with every other part whose device ID the maker
// shares with it ("16F636 or 16F639").
std::string IdentifiedPartNames(const IdentifiedChip& chip);

// The names the device dialog lists: every catalogue name, sorted as a
// list box sorts (case-insensitive, character by character).
std::vector<std::string_view> DeviceListNames();

// What is wrong with a table of records, one line per fault, each naming
// the record: names unique, sizes whole rows, masks and IDs inside the word,
// data memory only where the family has it, every family, layout, package
// and page a record names exists, layouts fit the parts using them. Empty
// for a sound table. `lptpic-cli devices --check`, a test and the window's
// start run it on the catalogue.
std::vector<std::string> CatalogueProblems(std::span<const DeviceRecord> records);

}  // namespace lpt
