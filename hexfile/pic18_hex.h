// SPDX-License-Identifier: GPL-2.0-or-later
// INHX32 files of the PIC18 parts: byte addresses, with extended linear
// address records 0000h (program memory), 0020h (user IDs), 0030h
// (configuration bytes) and 00F0h (data EEPROM), read and written.
#pragma once

#include <string>
#include <string_view>

#include "buffers/pic18_image.h"
#include "devices/pic18_parts.h"

namespace lpt {

struct Pic18HexResult {
  bool ok = false;
  // Why not: "line N: reason", the file named in front by LoadPic18HexFile.
  std::string message;
  int bytesSet = 0;      // bytes that landed in a memory of the part
  int bytesOutside = 0;  // data bytes at addresses the part does not have
  bool endRecordSeen = false;
};

// Reads a HEX text into a blank image of the part; bytes outside the
// part's memories are counted, not stored. Every line is checked (length,
// digits, checksum, record type) and a bad one ends the read.
Pic18HexResult ReadPic18Hex(std::string_view text, const Pic18Part& part, Pic18Image& image);
// The same from a regular file of at most 16 MB.
Pic18HexResult LoadPic18HexFile(const std::string& path, const Pic18Part& part, Pic18Image& image);

// The image as INHX32: 16-byte records of program memory that is not
// blank, the IDs when any is set, the configuration bytes the part
// implements and the data EEPROM bytes that are not FFh, then the end record.
std::string FormatPic18Hex(const Pic18Part& part, const Pic18Image& image);

}  // namespace lpt
