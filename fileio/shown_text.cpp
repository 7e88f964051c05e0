// SPDX-License-Identifier: GPL-2.0-or-later
#include "fileio/shown_text.h"

namespace lpt::fileio {

std::string Shown(std::string_view text) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
      out += c;
      continue;
    }
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
  }
  return out;
}

std::string ShownShort(std::string_view text, std::size_t maxChars) {
  if (text.size() <= maxChars) return Shown(text);
  return Shown(text.substr(0, maxChars)) + "...";
}

}  // namespace lpt::fileio
