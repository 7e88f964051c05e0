// SPDX-License-Identifier: GPL-2.0-or-later
#include "hexfile/hex_writer.h"

#include "buffers/hex_text.h"
#include "devices/family.h"
#include "hexfile/hex_file.h"
#include "hexfile/hex_record.h"

namespace lpt {
namespace {

constexpr std::string_view kBlankRow14 = "FF3FFF3FFF3FFF3FFF3FFF3FFF3FFF3F";
constexpr std::string_view kBlankRow12 = "FF0FFF0FFF0FFF0FFF0FFF0FFF0FFF0F";
constexpr std::string_view kBlankDataRow = "FF00FF00FF00FF00FF00FF00FF00FF00";

// Character i (0-based) of a cell as it is written. Cells typed by the
// user may be empty or short: they are written padded on the left with '0'
// to the word width. Longer cells give their first characters, as they are
// taken by position.
char Digit(const std::string& cell, std::size_t width, std::size_t i) {
  const std::size_t pad = cell.size() < width ? width - cell.size() : 0;
  return i < pad ? '0' : cell[i - pad];
}

void AppendRecord(std::string& out, std::string_view record) {
  out += ':';
  out += record;
  out += HexChecksum(record);
  out += "\r\n";
}

}  // namespace

std::string HexChecksum(std::string_view record) {
  int s = 0;
  for (std::size_t i = 0; i + 1 < record.size(); i += 2)
    s = (s + 16 * HexDigitValue(record[i]) + HexDigitValue(record[i + 1])) % 256;
  return s == 0 ? "00" : ToHex(static_cast<std::uint32_t>(256 - s), 2);
}

void WriteProgramRecords(Family family, const EditBuffers& buffers, std::string& out) {
  const bool word12 = IsWord12Family(family);
  for (int r = 0; r < buffers.ProgramRows(); ++r) {
    std::string data;
    data.reserve(32);
    for (int j = 1; j <= 8; ++j) {
      const std::string& cell = buffers.ProgramCell(r, j);
      // Low byte first; a 12-bit word's high byte is "0" and its first digit.
      if (word12)
        data += {Digit(cell, 3, 1), Digit(cell, 3, 2), '0', Digit(cell, 3, 0)};
      else
        data += {Digit(cell, 4, 2), Digit(cell, 4, 3), Digit(cell, 4, 0), Digit(cell, 4, 1)};
    }
    if (data == (word12 ? kBlankRow12 : kBlankRow14)) continue;
    AppendRecord(out, "10" + ToHex(static_cast<std::uint32_t>(16 * r), 4) + "00" + data);
  }
}

// The enhanced parts keep configuration and data EEPROM in the second
// 64 KB of the file: an extended linear address record (0001h) leads there,
// and the data records that follow stay in it.
constexpr std::string_view kSecond64K = "020000040001";

void WriteConfigRecords(const ActiveDevice& device, const EditBuffers& buffers, std::string& out) {
  const std::string f = ToHex(buffers.FuseWord, 4);
  if (ReachesAbove64K(device)) {
    const std::string g = ToHex(buffers.SecondFuseWord, 4);
    AppendRecord(out, kSecond64K);
    AppendRecord(out,
                 "04000E00" + f.substr(2, 2) + f.substr(0, 2) + g.substr(2, 2) + g.substr(0, 2));
  } else if (IsWord12Family(device.family)) {
    AppendRecord(out, "021FFE00" + f.substr(2, 2) + '0' + f[1]);  // the first digit is dropped
  } else if (device.secondConfigMask != 0) {
    // Both words in one record, as the assemblers write them.
    const std::string g = ToHex(buffers.SecondFuseWord, 4);
    AppendRecord(out,
                 "04400E00" + f.substr(2, 2) + f.substr(0, 2) + g.substr(2, 2) + g.substr(0, 2));
  } else {
    AppendRecord(out, "02400E00" + f.substr(2, 2) + f.substr(0, 2));
  }
}

void WriteDataRecords(Family family, const EditBuffers& buffers, std::string& out) {
  if (HasDataEeprom(family)) {
    for (int r = 0; r < buffers.DataGridRows(); ++r) {
      std::string data;
      for (int j = 1; j <= 8; ++j) {
        const std::string& cell = buffers.DataCell(r, j);
        data += {Digit(cell, 2, 0), Digit(cell, 2, 1), '0', '0'};
      }
      if (data == kBlankDataRow) continue;
      const auto address =
          static_cast<std::uint32_t>((2 * DataEepromFileAddress(family) + 16 * r) & 0xFFFF);
      AppendRecord(out, "10" + ToHex(address, 4) + "00" + data);
    }
  }
  out += kEndRecord;
  out += "\r\n";
}

std::string FormatHex(const ActiveDevice& device, const EditBuffers& buffers) {
  std::string text;
  WriteProgramRecords(device.family, buffers, text);
  WriteConfigRecords(device, buffers, text);
  WriteDataRecords(device.family, buffers, text);
  return text;
}

}  // namespace lpt
