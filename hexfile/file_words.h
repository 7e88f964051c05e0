// SPDX-License-Identifier: GPL-2.0-or-later
// What a HEX file holds beyond what lands in the edit buffers: the words
// the selected part has no place for, and the user ID words, which reach
// the chip only when the user asks for them. Both are told to the user, as
// a chip holding half a firmware, or a file's ID silently dropped, is never
// what was wanted.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "devices/active_device.h"

namespace lpt {

// Word addresses of the file, first to last inclusive.
struct WordRange {
  std::uint32_t first = 0;
  std::uint32_t last = 0;
};

struct FileWords {
  // Words the part cannot hold, in the order the file gave them; Settle
  // sorts and joins them.
  std::vector<WordRange> unheld;
  std::uint32_t unheldCount = 0;  // distinct words, after Settle
  // The file's user ID words; bit k of idWordsSeen: the file set word k.
  std::array<std::uint16_t, 4> idWords{0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
  unsigned idWordsSeen = 0;

  void AddUnheld(std::uint32_t first, std::uint32_t last);
  // Sorts and joins the ranges and counts their words.
  void Settle();
};

// Word address of user ID word `index` in a file for the device: after
// program memory on the 12-bit parts, at the start of configuration memory
// (2000h, or 8000h) on the others.
std::uint32_t FileIdWordAddress(const ActiveDevice& device, int index);

// The ID as the ID dialog and --id take it (the lowest digit of each ID
// word), when the file carries any ID word; words the file lacks read as
// blank ("F").
std::optional<std::string> FileIdDigits(const FileWords& words);

// "FILE holds N words the 16F882 cannot hold: program memory 0800h-0FFFh,
// configuration word 2008h"; empty when the part holds every word. At most
// eight places are named, then how many more.
std::string UnheldWordsWarning(const std::string& path, const ActiveDevice& device,
                               const FileWords& words);

// The places of UnheldWordsWarning one by one ("0800h-0FFFh", "2008h").
std::vector<std::string> UnheldRangeTexts(const FileWords& words);

}  // namespace lpt
