// SPDX-License-Identifier: GPL-2.0-or-later
// The device catalogue: one compiled-in record per part name, holding
// everything the program knows about that part.
#pragma once

#include <array>
#include <cstdint>
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

  int ProgramRows() const { return programWords / 8; }  // rows of the memory grid
  int DataRows() const { return dataBytes / 8; }
  std::uint16_t ConfigMask() const { return configMasks[0]; }
};

// Every record in table order: the order `lptpic-cli devices` lists them in.
std::span<const DeviceRecord> AllDevices();

// Every name, in table order.
std::vector<std::string_view> CatalogueNames();

// The record with exactly this name (case-sensitive), or nullptr.
const DeviceRecord* FindDevice(std::string_view name);

// The names the device dialog lists: every catalogue name, sorted as a
// list box sorts (case-insensitive, character by character).
std::vector<std::string_view> DeviceListNames();

// What is wrong with a table of records, one line per fault, each naming
// the record: names unique, sizes whole rows, masks and IDs inside the word,
// data memory only where the family has it, every family, layout, package
// and page a record names exists, layouts fit the parts using them. Empty
// for a sound table. The catalogue runs this on itself at start-up in debug
// builds.
std::vector<std::string> CatalogueProblems(std::span<const DeviceRecord> records);

}  // namespace lpt
