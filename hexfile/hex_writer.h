// SPDX-License-Identifier: GPL-2.0-or-later
// The INHX8M text the writer produces, in its three steps (program,
// configuration, data). Each step appends its records, lines ended by
// CR LF, to `out`.
#pragma once

#include <string>
#include <string_view>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"

namespace lpt {

inline constexpr const char* kEndRecord = ":00000001FF";

// Checksum digits of a record given without its start mark and checksum
// ("02400E00F13F" -> "80"): the two's complement of the byte sum, bytes
// formed from digit pairs with HexDigitValue, "00" when the sum is 0 mod 256.
std::string HexChecksum(std::string_view record);

// One data record per program row whose words are not all blank, at byte
// address 16 r, words low byte first.
void WriteProgramRecords(Family family, const EditBuffers& buffers, std::string& out);

// The configuration record (always written; the ID never is): one word,
// or both words in one record for a part with two.
void WriteConfigRecords(const ActiveDevice& device, const EditBuffers& buffers, std::string& out);

// The data-EEPROM rows that are not all "FF", for families with data
// EEPROM, then the end record for every family.
void WriteDataRecords(Family family, const EditBuffers& buffers, std::string& out);

}  // namespace lpt
