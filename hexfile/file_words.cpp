// SPDX-License-Identifier: GPL-2.0-or-later
#include "hexfile/file_words.h"

#include <algorithm>
#include <cstdio>

#include "devices/family.h"
#include "fileio/shown_text.h"

namespace lpt {
namespace {

constexpr std::size_t kMostPlacesNamed = 8;
// Configuration memory as a file maps it: the ID words, the reserved and
// device ID words, the configuration and calibration words.
constexpr std::uint32_t kConfigSpaceWords = 0x100;
// Data EEPROM as a file maps it, one byte a word: 256 bytes at most.
constexpr std::uint32_t kDataSpaceWords = 0x100;

std::string Hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%04Xh", static_cast<unsigned>(value));
  return text;
}

std::string RangeText(const WordRange& range) {
  return range.first == range.last ? Hex(range.first) : Hex(range.first) + "-" + Hex(range.last);
}

// What memory the part would have there, so the user knows what was lost.
std::string PlaceText(const ActiveDevice& device, const WordRange& range) {
  const std::uint32_t words = range.last - range.first + 1;
  const std::uint32_t config =
      IsWord12Family(device.family) ? 0x0FFF : ConfigSpaceAddress(device.family);
  if (range.last < config) return "program memory " + RangeText(range);
  if (IsWord12Family(device.family)) return RangeText(range);
  const std::uint32_t data = DataEepromFileAddress(device.family);
  if (range.last < config + kConfigSpaceWords)
    return (words == 1 ? "configuration word " : "configuration words ") + RangeText(range);
  if (range.first >= data && range.last < data + kDataSpaceWords)
    return "data EEPROM " + RangeText(range);
  return RangeText(range);
}

}  // namespace

void FileWords::AddUnheld(std::uint32_t first, std::uint32_t last) {
  // Records mostly follow one another: join a range to the one before.
  if (!unheld.empty() && first <= unheld.back().last + 1 && first >= unheld.back().first) {
    unheld.back().last = std::max(unheld.back().last, last);
    return;
  }
  unheld.push_back({first, last});
}

void FileWords::Settle() {
  std::sort(unheld.begin(), unheld.end(),
            [](const WordRange& a, const WordRange& b) { return a.first < b.first; });
  std::vector<WordRange> joined;
  for (const WordRange& range : unheld) {
    if (!joined.empty() && range.first <= joined.back().last + 1)
      joined.back().last = std::max(joined.back().last, range.last);
    else
      joined.push_back(range);
  }
  unheld = std::move(joined);
  unheldCount = 0;
  for (const WordRange& range : unheld) unheldCount += range.last - range.first + 1;
}

std::uint32_t FileIdWordAddress(const ActiveDevice& device, int index) {
  const auto offset = static_cast<std::uint32_t>(index);
  if (IsWord12Family(device.family))
    return 8u * static_cast<std::uint32_t>(device.programRows) + offset;
  return ConfigSpaceAddress(device.family) + offset;
}

std::optional<std::string> FileIdDigits(const FileWords& words) {
  if (words.idWordsSeen == 0) return std::nullopt;
  std::string digits;
  for (std::uint16_t word : words.idWords) digits += "0123456789ABCDEF"[word & 0xF];
  return digits;
}

std::vector<std::string> UnheldRangeTexts(const FileWords& words) {
  std::vector<std::string> texts;
  for (const WordRange& range : words.unheld) texts.push_back(RangeText(range));
  return texts;
}

std::string UnheldWordsWarning(const std::string& path, const ActiveDevice& device,
                               const FileWords& words) {
  if (words.unheldCount == 0) return {};
  std::string places;
  for (std::size_t k = 0; k < words.unheld.size() && k < kMostPlacesNamed; ++k)
    places += (k == 0 ? "" : ", ") + PlaceText(device, words.unheld[k]);
  if (words.unheld.size() > kMostPlacesNamed)
    places += " and " + std::to_string(words.unheld.size() - kMostPlacesNamed) + " more ranges";
  const std::string count = std::to_string(words.unheldCount);
  return fileio::Shown(path) + " holds " + count + (words.unheldCount == 1 ? " word" : " words") +
         " the " + device.name + " cannot hold: " + places;
}

}  // namespace lpt
