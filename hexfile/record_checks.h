// SPDX-License-Identifier: GPL-2.0-or-later
// File-level checks on Intel HEX records that a line's checksum cannot
// make: characters that are not hex digits, lines longer than any record,
// and the extended-address records of INHX32.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lpt {

// The longest record there is: start mark, count, address, type, 255 data
// bytes and the checksum (11 + 2 * 255 characters).
inline constexpr std::size_t kMaxRecordChars = 11 + 2 * 255;

// True when every character of the record (count, address, type, data and
// checksum; the line must already fit its count) is a hex digit. A data
// field such as "GGGG" can pass the checksum; it is still no data.
bool RecordDigitsValid(std::string_view line);

// The address base an extended-address record sets: type 04 (extended
// linear, upper 16 bits of a 32-bit byte address) and type 02 (extended
// segment, times 16). nullopt for every other record.
std::optional<std::uint32_t> AddressBaseOf(std::string_view line);

// Why reading `line` by its character positions would put data at an
// address the file does not mean; empty when it cannot. Such lines are
// refused instead of read:
// - a record of type 10h, 20h ... F0h: the reader takes any type ending in
//   "0" as data, although only 00 is, and it would escape the 64 KB rule;
// - an extended address record (02, 04) whose byte count is not 2: the
//   reader would skip it and place the data after it by its 16-bit address;
// - an extended segment address that is not a multiple of 1000h: it moves
//   the data after it by an amount the 16-bit address field cannot carry.
// The line must already be known to fit its count and hold only hex digits.
std::string MisplacingRecordReason(std::string_view line);

// True for a data record (type 00).
bool IsDataRecord(std::string_view line);
// True for the end-of-file record (type 01).
bool IsEndRecord(std::string_view line);

}  // namespace lpt
