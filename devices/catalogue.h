// The device catalogue: one compiled-in table of every supported part.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lpt {

// The fuse-panel layout routines (each follows PlochaStandart).
enum class Layout : std::uint8_t {
  Plocha_1,
  Plocha_3,
  Plocha_4,
  Plocha_5,
  Plocha_7,
  Plocha_10,
  Plocha_11,
  Plocha_12,
  Plocha_13,
  Plocha_14,
  Plocha_17,
  Plocha_20,
  Plocha_21,
  Plocha_22,
  Plocha_24,
  Plocha_25,
  Plocha_27,
  Plocha_28,
  Plocha_30,
  Plocha_40,
};
inline constexpr int kLayoutCount = 20;

// "Plocha_28" etc.
const char* LayoutName(Layout layout);

// One row of the catalogue: a group of names sharing every value.
struct CatalogueRow {
  std::span<const std::string_view> names;
  int familyCode;
  int programRows;  // rows of eight program words
  int dataRows;     // rows of eight data bytes (0 = none)
  std::uint16_t configMask;
  Layout layout;
  int infoPage;
};

// All rows in table order (the order InicChip tests them in).
std::span<const CatalogueRow> CatalogueRows();

// Every name, in table order (78 names).
std::vector<std::string_view> CatalogueNames();

// Row holding exactly this name (case-sensitive), or nullptr.
const CatalogueRow* FindDevice(std::string_view name);

}  // namespace lpt
