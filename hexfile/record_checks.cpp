// SPDX-License-Identifier: GPL-2.0-or-later
#include "hexfile/record_checks.h"

#include "buffers/hex_text.h"

namespace lpt {
namespace {

std::string_view Field(std::string_view line, std::size_t first, std::size_t count) {
  return first < line.size() ? line.substr(first, count) : std::string_view{};
}

}  // namespace

bool RecordDigitsValid(std::string_view line) {
  const std::optional<std::uint32_t> count = ParseHex(Field(line, 1, 2));
  if (!count || Field(line, 1, 2).size() != 2) return false;
  const std::size_t end = 11 + 2 * static_cast<std::size_t>(*count);
  if (line.size() < end) return false;
  for (std::size_t i = 1; i < end; ++i)
    if (!IsHexDigit(line[i])) return false;
  return true;
}

std::optional<std::uint32_t> AddressBaseOf(std::string_view line) {
  const std::string_view type = Field(line, 7, 2);
  if ((type != "04" && type != "02") || Field(line, 1, 2) != "02") return std::nullopt;
  const std::optional<std::uint32_t> value = ParseHex(Field(line, 9, 4));
  if (!value || Field(line, 9, 4).size() != 4) return std::nullopt;
  return type == "04" ? *value << 16 : *value << 4;
}

std::string MisplacingRecordReason(std::string_view line) {
  const std::string type(Field(line, 7, 2));
  const std::string_view count = Field(line, 1, 2);
  if (type.size() == 2 && type[1] == '0' && type[0] != '0')
    return "record type " + type + " is no data record (only 00 is), yet it would be read as data";
  if ((type == "02" || type == "04") && count != "02")
    return "an extended address record (type " + type + ") holds 2 bytes, not " +
           std::string(count) + ": the data after it would land at the wrong address";
  if (type == "02" && count == "02") {
    const std::optional<std::uint32_t> segment = ParseHex(Field(line, 9, 4));
    if (segment && *segment % 0x1000 != 0)
      return "extended segment address " + std::string(Field(line, 9, 4)) +
             " moves the data after it off its 16-bit address: give the address with a type "
             "04 record";
  }
  return {};
}

bool IsDataRecord(std::string_view line) { return Field(line, 7, 2) == "00"; }

bool IsEndRecord(std::string_view line) { return Field(line, 7, 2) == "01"; }

}  // namespace lpt
