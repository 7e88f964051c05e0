// SPDX-License-Identifier: GPL-2.0-or-later
// Looking parts up in the catalogue by name.
#include <algorithm>
#include <cctype>

#include "devices/catalogue.h"

namespace lpt {
namespace {

bool LessIgnoringCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char l, char r) {
    return std::toupper(static_cast<unsigned char>(l)) <
           std::toupper(static_cast<unsigned char>(r));
  });
}

}  // namespace

std::vector<std::string_view> CatalogueNames() {
  std::vector<std::string_view> names;
  for (const DeviceRecord& record : AllDevices()) names.push_back(record.name);
  return names;
}

const DeviceRecord* FindDevice(std::string_view name) {
  for (const DeviceRecord& record : AllDevices())
    if (record.name == name) return &record;
  return nullptr;
}

std::vector<std::string_view> DeviceListNames() {
  std::vector<std::string_view> names = CatalogueNames();
  std::sort(names.begin(), names.end(), LessIgnoringCase);
  return names;
}

}  // namespace lpt
