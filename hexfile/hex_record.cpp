// SPDX-License-Identifier: GPL-2.0-or-later
#include "hexfile/hex_record.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "buffers/hex_text.h"
#include "devices/family.h"

namespace lpt {
namespace {

// Characters by 1-based position, as the record layout is described.
class Record {
 public:
  explicit Record(std::string_view line) : line_(line) {}

  char Char(std::size_t position) const {
    return position >= 1 && position <= line_.size() ? line_[position - 1] : '\0';
  }
  int Digit(std::size_t position) const { return HexDigitValue(Char(position)); }
  int ByteCount() const { return 16 * Digit(2) + Digit(3); }
  int Address() const { return 4096 * Digit(4) + 256 * Digit(5) + 16 * Digit(6) + Digit(7); }
  // Data byte k (0-based): its two digits and its value. Non-digits count
  // 17 each, so the value may exceed FFh, as the arithmetic always did.
  std::string_view ByteText(int k) const { return line_.substr(9 + 2 * std::size_t(k), 2); }
  int ByteValue(int k) const { return 16 * Digit(10 + 2 * k) + Digit(11 + 2 * k); }

 private:
  std::string_view line_;
};

// A word cell about to receive only one of its bytes must first have the
// word width, so that the other half stays where the digit positions say.
void NormaliseCell(std::string& cell, std::size_t width) {
  if (cell.size() < width) cell = PadLeftZeros(cell, width);
  if (cell.size() > width) cell.erase(0, cell.size() - width);
}

// Puts the bytes of word w that the record carries into a program cell.
// 14-bit cells are the high byte's two digits then the low byte's two;
// 12-bit cells drop the first digit of the high byte.
void PutProgramWord(std::string& cell, bool word12, const Record& rec, int lowK, bool hasLow,
                    bool hasHigh) {
  const std::size_t width = word12 ? 3 : 4;
  const std::string_view low = hasLow ? rec.ByteText(lowK) : std::string_view{};
  const std::string_view high = hasHigh ? rec.ByteText(lowK + 1) : std::string_view{};
  if (hasLow && hasHigh) {
    cell = word12 ? std::string(high.substr(1)) + std::string(low)
                  : std::string(high) + std::string(low);
    return;
  }
  NormaliseCell(cell, width);
  if (hasLow) cell.replace(width - 2, 2, low);
  if (hasHigh) cell.replace(0, word12 ? 1 : 2, word12 ? high.substr(1) : high);
}

// A 14-bit word keeps bits 13..0: a file that fills unused memory with FFFFh
// would otherwise ask the chip for bits it does not have and never verify.
// 12-bit cells already hold only three digits. A first character that is no
// hex digit is left as the file gave it.
void KeepWordWidth(std::string& cell, bool word12) {
  if (word12 || cell.size() != 4 || !IsHexDigit(cell[0])) return;
  cell[0] = "0123"[HexDigitValue(cell[0]) & 3];
}

// A word the buffers have no cell for: one of the file's user ID words, or
// a word the part cannot hold.
void TallyWord(FileWords& words, const ActiveDevice& device, std::uint32_t w, const Record& rec,
               int lowK, bool hasLow, bool hasHigh) {
  for (int k = 0; k < 4; ++k) {
    if (w != FileIdWordAddress(device, k)) continue;
    std::uint16_t& id = words.idWords[static_cast<std::size_t>(k)];
    const int low = hasLow ? rec.ByteValue(lowK) & 0xFF : id & 0xFF;
    const int high = hasHigh ? rec.ByteValue(lowK + 1) & 0xFF : id >> 8;
    id = static_cast<std::uint16_t>(256 * high + low);
    words.idWordsSeen |= 1u << k;
    return;
  }
  words.AddUnheld(w, w);
}

}  // namespace

void TallyUnreachableRecord(std::string_view line, std::uint32_t addressBase, FileWords& words) {
  if (!RecordFitsLine(line)) return;
  const Record rec(line);
  const int n = rec.ByteCount();
  if (n == 0) return;
  const std::uint32_t address = addressBase + static_cast<std::uint32_t>(rec.Address());
  words.AddUnheld(address / 2, (address + static_cast<std::uint32_t>(n) - 1) / 2);
}

bool CheckSum(std::string_view line) {
  const Record rec(line);
  // Kept modulo 256 as it goes: a line of millions of characters must not
  // overflow the sum.
  unsigned sum = 0;
  for (std::size_t position = 2; position <= line.size(); position += 2)
    sum = (sum + static_cast<unsigned>(16 * rec.Digit(position) + rec.Digit(position + 1))) & 0xFF;
  return sum == 0;
}

bool RecordFitsLine(std::string_view line) {
  if (line.size() < 11) return false;
  return line.size() >= 11 + 2 * static_cast<std::size_t>(Record(line).ByteCount());
}

bool ReachesAbove64K(const ActiveDevice& device) {
  return ConfigSpaceAddress(device.family) >= 0x8000;
}

bool ApplyHexRecord(std::string_view line, const ActiveDevice& device, EditBuffers& buffers,
                    bool* fuseWordSet, int* cellsSet, std::uint32_t addressBase,
                    FileWords* fileWords) {
  if (!RecordFitsLine(line)) return true;
  const Record rec(line);
  if (rec.Char(8) == '0' && rec.Char(9) == '1') return false;
  if (rec.Char(9) != '0') return true;  // address records of INHX32 and the like
  const FamilyTraits* family = FindFamily(device.family);
  const int n = rec.ByteCount();
  if (family == nullptr || n == 0) return true;

  // Bytes are placed by their own byte address: byte address A is half of
  // word A/2, the low half when A is even. For the records PIC tools write
  // (even address, even count) this is word by word. A record starting at
  // an odd address begins with a high byte, and one with an odd count ends
  // with a low byte; such lone bytes go into their half of the word and
  // nothing is ever paired with the checksum digits.
  const int address = rec.Address() + static_cast<int>(addressBase);
  const int programWords = 8 * std::min(device.programRows, buffers.ProgramRows());
  const int dataBytes = 8 * std::min(device.dataRows, buffers.DataGridRows());
  const int fuseAddress =
      family->word12 ? kConfigWord12Address : ConfigWordFileAddress(device.family);
  const int dataAddress = DataEepromFileAddress(device.family);
  int set = 0;
  for (int w = address / 2; w <= (address + n - 1) / 2; ++w) {
    const int lowK = 2 * w - address;  // index of the low byte in the record
    const bool hasLow = lowK >= 0;
    const bool hasHigh = lowK + 1 < n;
    bool held = false;
    if (w < programWords) {
      held = true;
      PutProgramWord(buffers.ProgramWord(w), family->word12, rec, lowK, hasLow, hasHigh);
      KeepWordWidth(buffers.ProgramWord(w), family->word12);
      ++set;
    }
    // The configuration words: high byte times 256 plus low byte, kept to
    // the word width as the program words are.
    std::uint16_t* fuseWord = w == fuseAddress ? &buffers.FuseWord : nullptr;
    if (w == fuseAddress + 1 && !family->word12 && device.secondConfigMask != 0)
      fuseWord = &buffers.SecondFuseWord;
    if (fuseWord != nullptr) {
      const int lowValue = hasLow ? rec.ByteValue(lowK) : *fuseWord & 0xFF;
      const int highValue = hasHigh ? rec.ByteValue(lowK + 1) : *fuseWord >> 8;
      const int widthMask = family->word12 ? 0x0FFF : 0x3FFF;
      *fuseWord = static_cast<std::uint16_t>((256 * highValue + lowValue) & widthMask);
      if (fuseWordSet) *fuseWordSet = true;
      held = true;
      ++set;
    }
    // Data EEPROM: one byte per word, the low byte; the high byte is dropped.
    const int eeprom = w - dataAddress;
    const bool dataWord = !family->word12 && eeprom >= 0 && eeprom < dataBytes;
    if (dataWord && hasLow) {
      buffers.DataByte(eeprom) = std::string(rec.ByteText(lowK));
      ++set;
    }
    if (fileWords != nullptr && !held && !dataWord)
      TallyWord(*fileWords, device, static_cast<std::uint32_t>(w), rec, lowK, hasLow, hasHigh);
  }
  if (cellsSet) *cellsSet += set;
  return true;
}

}  // namespace lpt
