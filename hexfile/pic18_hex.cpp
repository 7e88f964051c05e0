// SPDX-License-Identifier: GPL-2.0-or-later
#include "hexfile/pic18_hex.h"

#include "buffers/hex_text.h"
#include "fileio/bounded_read.h"
#include "fileio/shown_text.h"
#include "hexfile/hex_record.h"
#include "hexfile/hex_writer.h"
#include "hexfile/record_checks.h"

namespace lpt {
namespace {

int ByteAt(std::string_view line, std::size_t position) {
  return 16 * HexDigitValue(line[position]) + HexDigitValue(line[position + 1]);
}

// Stores one byte at its chip address; false when the part has no memory
// there.
bool Store(const Pic18Part& part, Pic18Image& image, std::uint32_t address, std::uint8_t byte) {
  if (address < static_cast<std::uint32_t>(part.programBytes)) {
    image.program[address] = byte;
  } else if (address >= kPic18IdAddress && address < kPic18IdAddress + kPic18IdBytes) {
    image.ids[address - kPic18IdAddress] = byte;
  } else if (address >= kPic18ConfigAddress && address < kPic18ConfigAddress + kPic18ConfigBytes &&
             part.configMasks[address - kPic18ConfigAddress] != 0) {
    image.config[address - kPic18ConfigAddress] = byte;
  } else if (address >= kPic18EepromFileAddress &&
             address < kPic18EepromFileAddress + static_cast<std::uint32_t>(part.dataBytes)) {
    image.eeprom[address - kPic18EepromFileAddress] = byte;
  } else {
    return false;
  }
  return true;
}

Pic18HexResult Bad(Pic18HexResult result, int line, const std::string& reason) {
  result.ok = false;
  result.message = "line " + std::to_string(line) + ": " + reason;
  return result;
}

void AppendRecord(std::string& out, const std::string& record) {
  out += ':' + record + HexChecksum(record) + "\r\n";
}

void AppendBase(std::string& out, std::uint32_t base) {
  AppendRecord(out, "02000004" + ToHex(base >> 16, 4));
}

// Data records of `bytes` at `address`, 16 to a record, leaving out
// records whose bytes are all `skip` (a negative skip writes everything).
void AppendBytes(std::string& out, std::uint32_t address, const std::uint8_t* bytes,
                 std::size_t count, int skip) {
  for (std::size_t start = 0; start < count; start += 16) {
    const std::size_t n = std::min<std::size_t>(16, count - start);
    bool blank = skip >= 0;
    std::string data;
    for (std::size_t i = 0; i < n; ++i) {
      blank = blank && bytes[start + i] == skip;
      data += ToHex(bytes[start + i], 2);
    }
    if (blank) continue;
    AppendRecord(out, ToHex(static_cast<std::uint32_t>(n), 2) +
                          ToHex((address + static_cast<std::uint32_t>(start)) & 0xFFFF, 4) + "00" +
                          data);
  }
}

}  // namespace

Pic18HexResult ReadPic18Hex(std::string_view text, const Pic18Part& part, Pic18Image& image) {
  image = BlankPic18Image(part);
  Pic18HexResult result;
  std::uint32_t base = 0;
  int lineNumber = 0;
  std::size_t start = 0;
  while (start < text.size() && !result.endRecordSeen) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    if (line.front() != ':') return Bad(result, lineNumber, "it does not start with ':'");
    if (line.size() > kMaxRecordChars || !RecordFitsLine(line) || !RecordDigitsValid(line))
      return Bad(result, lineNumber, "not an Intel HEX record");
    if (!CheckSum(line)) return Bad(result, lineNumber, "its checksum does not match its bytes");
    if (const std::string reason = MisplacingRecordReason(line); !reason.empty())
      return Bad(result, lineNumber, reason);
    if (const auto newBase = AddressBaseOf(line)) {
      base = *newBase;
      continue;
    }
    if (IsEndRecord(line)) {
      result.endRecordSeen = true;
      continue;
    }
    if (!IsDataRecord(line)) continue;  // start address records carry no memory
    const int count = ByteAt(line, 1);
    const std::uint32_t address =
        base + static_cast<std::uint32_t>(ByteAt(line, 3) * 256 + ByteAt(line, 5));
    for (int k = 0; k < count; ++k) {
      const auto byte =
          static_cast<std::uint8_t>(ByteAt(line, 9 + 2 * static_cast<std::size_t>(k)));
      if (Store(part, image, address + static_cast<std::uint32_t>(k), byte))
        ++result.bytesSet;
      else
        ++result.bytesOutside;
    }
  }
  result.ok = true;
  return result;
}

Pic18HexResult LoadPic18HexFile(const std::string& path, const Pic18Part& part, Pic18Image& image) {
  std::string content, reason;
  if (!fileio::ReadWholeFile(path, fileio::kMaxInputBytes, &content, &reason)) {
    Pic18HexResult result;
    result.message = "Cannot open file \"" + fileio::Shown(path) + "\". " + reason;
    return result;
  }
  Pic18HexResult result = ReadPic18Hex(content, part, image);
  if (!result.ok) result.message = "HEX file \"" + fileio::Shown(path) + "\", " + result.message;
  return result;
}

std::string FormatPic18Hex(const Pic18Part& part, const Pic18Image& image) {
  std::string out;
  AppendBase(out, 0);
  AppendBytes(out, 0, image.program.data(),
              std::min(image.program.size(), static_cast<std::size_t>(part.programBytes)), 0xFF);
  bool idsSet = false;
  for (std::uint8_t id : image.ids) idsSet = idsSet || id != 0xFF;
  if (idsSet) {
    AppendBase(out, kPic18IdAddress);
    AppendBytes(out, kPic18IdAddress, image.ids.data(), image.ids.size(), -1);
  }
  // The configuration bytes in runs of implemented ones, as assemblers
  // write them: an unimplemented byte (CONFIG3L, CONFIG4H) is no record.
  AppendBase(out, kPic18ConfigAddress);
  for (int i = 0; i < kPic18ConfigBytes;) {
    if (part.configMasks[static_cast<std::size_t>(i)] == 0) {
      ++i;
      continue;
    }
    int j = i;
    while (j < kPic18ConfigBytes && part.configMasks[static_cast<std::size_t>(j)] != 0) ++j;
    AppendBytes(out, kPic18ConfigAddress + static_cast<std::uint32_t>(i), image.config.data() + i,
                static_cast<std::size_t>(j - i), -1);
    i = j;
  }
  if (part.dataBytes > 0) {
    std::string data;
    AppendBytes(data, kPic18EepromFileAddress, image.eeprom.data(),
                std::min(image.eeprom.size(), static_cast<std::size_t>(part.dataBytes)), 0xFF);
    if (!data.empty()) {
      AppendBase(out, kPic18EepromFileAddress);
      out += data;
    }
  }
  out += kEndRecord;
  out += "\r\n";
  return out;
}

}  // namespace lpt
