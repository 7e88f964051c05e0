// The device catalogue: one compiled-in table of every supported part.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "devices/family.h"

namespace lpt {

// The fuse-switch layouts, by number: which switch sits in which slot with
// which captions and masks (devices/fuse_layouts.h holds them).
enum class FuseLayout : std::uint8_t {
  L1,
  L3,
  L4,
  L5,
  L7,
  L10,
  L11,
  L12,
  L13,
  L14,
  L17,
  L20,
  L21,
  L22,
  L24,
  L25,
  L27,
  L28,
  L30,
  L40,
};
inline constexpr int kFuseLayoutCount = 20;

// The layout's number (30 for L30), as `lptpic-cli devices` prints it.
int FuseLayoutNumber(FuseLayout layout);

// One row of the catalogue: a group of names sharing every value.
struct CatalogueRow {
  std::span<const std::string_view> names;
  Family family = Family::None;
  int programRows = 0;  // rows of eight program words
  int dataRows = 0;     // rows of eight data bytes (0 = none)
  std::uint16_t configMask = 0x3FFF;
  FuseLayout layout = FuseLayout::L1;
  int infoPage = 0;
};

// All rows in table order (the order device selection searches them in).
std::span<const CatalogueRow> CatalogueRows();

// Every name, in table order (82 names).
std::vector<std::string_view> CatalogueNames();

// Row holding exactly this name (case-sensitive), or nullptr.
const CatalogueRow* FindDevice(std::string_view name);

}  // namespace lpt
