// SPDX-License-Identifier: GPL-2.0-or-later
// One line of an Intel HEX file: its checksum test and how a record lands
// in the edit buffers. Lines are taken character by character at fixed
// positions, exactly as the file holds them; nothing is upper-cased or
// trimmed here.
#pragma once

#include <cstdint>
#include <string_view>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"
#include "hexfile/file_words.h"

namespace lpt {

// Word addresses the configuration word lives at in a file (a second
// configuration word right after it; 8007h on the enhanced parts).
inline constexpr int kConfigWord14Address = 0x2007;
inline constexpr int kConfigWord12Address = 0x0FFF;
// Word address of the first data-EEPROM byte (byte address 4200h; F000h,
// byte address 1E000h, on the enhanced parts).
inline constexpr int kDataEepromWordAddress = 0x2100;

// True when the bytes from the second character on add up to 0 modulo 256.
// Characters are paired from position 2; an odd last character pairs with a
// missing one counted as a non-digit. The start mark is not examined.
bool CheckSum(std::string_view line);

// True when the line holds every position its byte count n implies: the
// start mark, count, address, type, 2n data digits and the checksum
// (11 + 2n characters). A line shorter than that is reported like a
// checksum error instead of being read past its end.
bool RecordFitsLine(std::string_view line);

// ApplyHexRecord ("decode a line"): applies one record to the buffers of the
// device. Returns false for the end-of-file record (which ends reading) and
// true for every other line, including lines RecordFitsLine rejects (those
// change nothing). *fuseWordSet becomes true when the record wrote a
// configuration word (FuseWord, or SecondFuseWord of a part with two);
// *cellsSet grows by the program words, data bytes and configuration words
// of the device the record wrote (what lands outside them is not counted).
// `addressBase` is the upper byte address an INHX32 extended linear
// address record set (10000h for the enhanced parts' configuration and
// data EEPROM). `fileWords`, when given, collects the words that land in no
// buffer: the file's user ID words and the words the part cannot hold.
bool ApplyHexRecord(std::string_view line, const ActiveDevice& device, EditBuffers& buffers,
                    bool* fuseWordSet = nullptr, int* cellsSet = nullptr,
                    std::uint32_t addressBase = 0, FileWords* fileWords = nullptr);

// A data record at `addressBase` that no part of this family can reach:
// all its words are ones the part cannot hold.
void TallyUnreachableRecord(std::string_view line, std::uint32_t addressBase, FileWords& words);

// Whether the device keeps memory above the first 64 KB of a HEX file (the
// enhanced parts: configuration at 1000Eh, data EEPROM at 1E000h).
bool ReachesAbove64K(const ActiveDevice& device);

}  // namespace lpt
