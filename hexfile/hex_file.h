// SPDX-License-Identifier: GPL-2.0-or-later
// Intel HEX files in and out of the edit buffers: INHX8M and INHX32 read,
// INHX8M written. The user ID is never part of a file.
#pragma once

#include <string>
#include <string_view>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"
#include "hexfile/file_words.h"
#include "hexfile/hex_record.h"  // CheckSum, ApplyHexRecord: one line at a time
#include "hexfile/hex_writer.h"  // WriteProgramRecords, WriteConfigRecords, WriteDataRecords

namespace lpt {

struct HexLoadResult {
  enum class Status { Ok, ChecksumError, BadRecord, FileError };
  Status status = Status::Ok;
  int line = 0;  // ChecksumError, BadRecord: 1-based line number
  // The text to show: "Error CheckSum on line N !", the file, line and
  // reason of a bad record, or the system message.
  std::string message;
  // ChecksumError: what is wrong with the line, shown under the message
  // ("HEX file "a.hex", line 1: not an Intel HEX record: it does not start
  // with ':'"; LoadHexText gives it without the file).
  std::string detail;
  bool fuseWordLoaded = false;  // a configuration record set FuseWord
  bool endRecordSeen = false;   // the end-of-file record was reached
  int dataRecords = 0;          // data records read (in range or not)
  // What of them reached the device (named by `device`): program words,
  // data bytes and configuration words set; and why the others did not.
  std::string device;
  int cellsSet = 0;
  int recordsAbove64K = 0;  // above the reach of any part (INHX32)
  int emptyRecords = 0;     // byte count 0
  // The user ID words the file holds and the words the device cannot hold
  // (UnheldWordsWarning, FileIdDigits).
  FileWords fileWords;
};

// What a file to be programmed or verified must have beyond a clean read:
// data for the device and the end record. Empty when it has them;
// otherwise the warning, naming `path` ("FILE has no end-of-file record:
// it may be cut off", "FILE holds no data for the 16F84 (...)"). A cut-off
// or empty download, or one meant for another part, would otherwise erase
// a programmed chip.
std::string IncompleteHexWarning(const std::string& path, const HexLoadResult& result);

// File > Open without the dialog: SetUpBuffers, then decode line by line
// until the end record. Buffers filled before an error stay filled.
// Lines longer than any record, non-hex characters and checksum failures
// are all "Error CheckSum on line N !". A record whose reading would put
// data at an address the file does not mean (MisplacingRecordReason) is a
// BadRecord. Data records whose INHX32 address lies at or above 64 KB are
// out of range and ignored.
HexLoadResult LoadHexText(std::string_view text, const ActiveDevice& device, EditBuffers& buffers);
// Only a regular file up to 16 MB, or standard input for "-". `bytes`,
// when given, gets what was read: a digest of the file must name exactly
// what was loaded, not a second read of a file that may have changed.
HexLoadResult LoadHexFile(const std::string& path, const ActiveDevice& device, EditBuffers& buffers,
                          std::string* bytes = nullptr);

// The whole INHX8M text the writer produces for the buffers.
std::string FormatHex(const ActiveDevice& device, const EditBuffers& buffers);

// File > Save without the dialog. The target is replaced only when the
// whole file was written (fileio::ReplaceFile); false with *error (the
// system message) else. "-" writes to standard output.
bool SaveHexFile(const std::string& path, const ActiveDevice& device, const EditBuffers& buffers,
                 std::string* error);

}  // namespace lpt
