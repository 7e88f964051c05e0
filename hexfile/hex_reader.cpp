// SPDX-License-Identifier: GPL-2.0-or-later
// File > Open without the dialog: blank the grids, then decode the file line
// by line until the end record.
#include <utility>

#include "fileio/bounded_read.h"
#include "fileio/shown_text.h"
#include "hexfile/hex_file.h"
#include "hexfile/hex_record.h"
#include "hexfile/record_checks.h"

namespace lpt {
namespace {

// Why a line the reader refuses as a checksum error is no record, in the
// order a reader of the line would notice it.
std::string BadLineReason(std::string_view line) {
  if (line.empty() || line.front() != ':')
    return "not an Intel HEX record: it does not start with ':'";
  if (line.size() > kMaxRecordChars)
    return "longer than any Intel HEX record (" + std::to_string(kMaxRecordChars) + " characters)";
  if (!RecordFitsLine(line)) return "shorter than its byte count says";
  if (!RecordDigitsValid(line)) return "holds characters that are not hex digits";
  return "its checksum does not match its bytes";
}

HexLoadResult BadLine(HexLoadResult result, int lineNumber, std::string_view line) {
  result.status = HexLoadResult::Status::ChecksumError;
  result.line = lineNumber;
  result.message = "Error CheckSum on line " + std::to_string(lineNumber) + " !";
  result.detail = "line " + std::to_string(lineNumber) + ": " + BadLineReason(line);
  return result;
}

HexLoadResult BadRecord(HexLoadResult result, int lineNumber, const std::string& reason) {
  result.status = HexLoadResult::Status::BadRecord;
  result.line = lineNumber;
  result.message = "line " + std::to_string(lineNumber) + ": " + reason;
  return result;
}

}  // namespace

HexLoadResult LoadHexText(std::string_view text, const ActiveDevice& device, EditBuffers& buffers) {
  HexLoadResult result;
  result.device = device.name;
  // Resize is a no-op for buffers already set up for the device; it keeps a
  // mismatched pair from indexing outside the grids.
  buffers.Resize(device);
  buffers.SetUpBuffers(device);
  int lineNumber = 0;
  std::size_t start = 0;
  // The upper part of the byte address (INHX32). Only the enhanced parts
  // have memory above 64 KB (10000h to 1FFFFh); for every other part a
  // record there is out of range, never wrapped onto 0.
  std::uint32_t addressBase = 0;
  while (start < text.size()) {
    // A line is looked for only as far as the longest record (and its CR)
    // reaches: a longer line is bad at once, however long it goes on.
    const std::string_view rest = text.substr(start);
    std::size_t end = rest.substr(0, kMaxRecordChars + 2).find('\n');
    ++lineNumber;
    if (end == std::string_view::npos) {
      if (rest.size() > kMaxRecordChars + 1) return BadLine(result, lineNumber, rest);
      end = rest.size();
    }
    std::string_view line = rest.substr(0, end);
    start += end + 1;
    // Both CR LF and LF files are read; the CR is not part of the record.
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // An empty line carries no record (a blank line at the end of a file
    // written by hand is common); it still counts for the line numbers.
    if (line.empty()) continue;
    if (line.size() > kMaxRecordChars || !RecordFitsLine(line) || !CheckSum(line) ||
        !RecordDigitsValid(line))
      return BadLine(result, lineNumber, line);
    if (const std::string reason = MisplacingRecordReason(line); !reason.empty())
      return BadRecord(result, lineNumber, reason);
    if (const auto base = AddressBaseOf(line)) addressBase = *base;
    if (IsDataRecord(line)) {
      ++result.dataRecords;
      const bool reachable =
          addressBase == 0 || (addressBase == 0x10000 && ReachesAbove64K(device));
      if (!reachable) {
        ++result.recordsAbove64K;
        TallyUnreachableRecord(line, addressBase, result.fileWords);
        continue;
      }
      if (line.substr(1, 2) == "00") ++result.emptyRecords;
    }
    if (IsEndRecord(line)) result.endRecordSeen = true;
    if (!ApplyHexRecord(line, device, buffers, &result.fuseWordLoaded, &result.cellsSet,
                        addressBase, &result.fileWords))
      break;
  }
  result.fileWords.Settle();
  return result;
}

HexLoadResult LoadHexFile(const std::string& path, const ActiveDevice& device, EditBuffers& buffers,
                          std::string* bytes) {
  // The whole file is read before the buffers are touched: a file that
  // cannot be opened or read (a folder, a FIFO, no permission, too large)
  // leaves them as they were.
  std::string content, reason;
  if (!fileio::ReadWholeFile(path, fileio::kMaxInputBytes, &content, &reason)) {
    HexLoadResult result;
    result.status = HexLoadResult::Status::FileError;
    result.message = "Cannot open file \"" + fileio::Shown(path) + "\". " + reason;
    return result;
  }
  HexLoadResult result = LoadHexText(content, device, buffers);
  if (result.status == HexLoadResult::Status::BadRecord)
    result.message = "HEX file \"" + fileio::Shown(path) + "\", " + result.message;
  if (!result.detail.empty())
    result.detail = "HEX file \"" + fileio::Shown(path) + "\", " + result.detail;
  if (bytes != nullptr) *bytes = std::move(content);
  return result;
}

}  // namespace lpt
