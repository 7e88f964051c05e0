// SPDX-License-Identifier: GPL-2.0-or-later
// Looking parts up in the catalogue: by name as listed, by name as a user
// types it, and by the device ID a chip answers with.
#include <algorithm>
#include <cctype>

#include "devices/catalogue.h"

namespace lpt {
namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool LessIgnoringCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char l, char r) { return Upper(l) < Upper(r); });
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char l, char r) { return Upper(l) == Upper(r); });
}

// The name without blanks around it and without a leading "PIC".
std::string_view Bare(std::string_view typed) {
  const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (!typed.empty() && blank(typed.front())) typed.remove_prefix(1);
  while (!typed.empty() && blank(typed.back())) typed.remove_suffix(1);
  if (typed.size() > 3 && SameIgnoringCase(typed.substr(0, 3), "PIC")) typed.remove_prefix(3);
  return typed;
}

// A part name from its letter on ("F675" of "12F675"): what users keep of
// a group's part when they mistake its pin-count digits ("16F675").
std::string_view FromLetter(std::string_view name) {
  const std::size_t letter = name.find_first_not_of("0123456789");
  return letter == 0 || letter == std::string_view::npos ? std::string_view{} : name.substr(letter);
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

const DeviceRecord* FindDeviceAsTyped(std::string_view typed) {
  const std::string_view name = Bare(typed);
  if (name.empty()) return nullptr;
  for (const DeviceRecord& record : AllDevices()) {
    if (SameIgnoringCase(record.name, name)) return &record;
    for (std::string_view part : record.partNames)
      if (!part.empty() && SameIgnoringCase(part, name)) return &record;
  }
  // Only one group may answer to a part number with other leading digits.
  const DeviceRecord* byNumber = nullptr;
  const std::string_view number = FromLetter(name);
  if (number.empty()) return nullptr;
  for (const DeviceRecord& record : AllDevices())
    for (std::string_view part : record.partNames)
      if (!part.empty() && SameIgnoringCase(FromLetter(part), number)) {
        if (byNumber != nullptr && byNumber != &record) return nullptr;
        byNumber = &record;
      }
  return byNumber;
}

IdentifiedChip IdentifyDeviceId(std::uint16_t word) {
  for (const DeviceRecord& record : AllDevices()) {
    if (!record.HasDeviceId()) continue;
    for (std::size_t part = 0; part < record.deviceIds.size(); ++part) {
      const std::uint16_t id = record.deviceIds[part];
      if (id != 0 && (word & record.deviceIdMask) == id)
        return {&record, part,
                static_cast<std::uint16_t>(word & ~record.deviceIdMask & kDeviceIdWordBits)};
    }
  }
  return {};
}

std::string_view IdentifiedPartName(const IdentifiedChip& chip) {
  if (chip.record == nullptr) return {};
  const std::string_view part = chip.record->partNames[chip.part];
  return part.empty() ? chip.record->name : part;
}

std::string IdentifiedPartNames(const IdentifiedChip& chip) {
  std::string names(IdentifiedPartName(chip));
  if (chip.record == nullptr || !chip.record->sharesDeviceId) return names;
  const std::uint16_t id = chip.record->deviceIds[chip.part];
  for (const DeviceRecord& record : AllDevices())
    if (&record != chip.record && record.sharesDeviceId && record.deviceIds[0] == id)
      names += " or " + std::string(record.name);
  return names;
}

std::vector<std::string_view> DeviceListNames() {
  std::vector<std::string_view> names = CatalogueNames();
  std::sort(names.begin(), names.end(), LessIgnoringCase);
  return names;
}

}  // namespace lpt
