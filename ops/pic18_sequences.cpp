// SPDX-License-Identifier: GPL-2.0-or-later
// Sequences as DS39622 tabulates them (its tables for reading code memory
// and IDs, the bulk erase, writing code memory, the ID locations, data
// EEPROM and the configuration bits).
#include "ops/pic18_sequences.h"

#include <algorithm>

#include "hw/pic18_command.h"

namespace lpt {
namespace {

using namespace pic18;

constexpr int kConfig6H = 11;
// Polls of WR after the data EEPROM's write time before the byte counts as
// not written.
constexpr int kEepromPolls = 8;

std::uint16_t Both(std::uint8_t byte) { return static_cast<std::uint16_t>(byte << 8 | byte); }

// BSF/BCF EECON1,EEPGD and CFGS: code memory (and IDs), configuration
// memory or data EEPROM; WREN set for the writes.
void Select(Pic18Session& s, bool code, bool config, bool write) {
  s.link.Core(code ? Bsf(kEecon1, kEepgd) : Bcf(kEecon1, kEepgd));
  s.link.Core(config ? Bsf(kEecon1, kCfgs) : Bcf(kEecon1, kCfgs));
  if (write) s.link.Core(Bsf(kEecon1, kWren));
}

void ReadRun(Pic18Session& s, std::uint32_t address, std::uint8_t* out, std::size_t count) {
  s.link.SetTablePointer(address);
  for (std::size_t i = 0; i < count; ++i) out[i] = s.link.Receive(TableReadPostIncrement);
}

void SetEepromAddress(Pic18Session& s, int address) {
  s.link.Core(Movlw(static_cast<std::uint8_t>(address)));
  s.link.Core(Movwf(kEeadr));
  s.link.Core(Movlw(static_cast<std::uint8_t>(address >> 8)));
  s.link.Core(Movwf(kEeadrh));
}

std::uint8_t ShiftOut(Pic18Session& s, std::uint8_t registerAddress) {
  s.link.Core(MovfToW(registerAddress));
  s.link.Core(Movwf(kTablat));
  s.link.Core(kNop);
  return s.link.Receive(ShiftOutTablat);
}

// One write buffer: pairs into it by 1101, the last pair by 1111 with the
// P9 hold.
void WriteBuffer(Pic18Session& s, std::uint32_t address, const std::uint8_t* bytes, int size) {
  s.link.SetTablePointer(address);
  for (int i = 0; i + 2 < size; i += 2)
    s.link.Send(TableWritePostIncrement2, static_cast<std::uint16_t>(bytes[i + 1] << 8 | bytes[i]));
  s.link.StartProgramming(TableWriteStart,
                          static_cast<std::uint16_t>(bytes[size - 1] << 8 | bytes[size - 2]),
                          s.waits.programUs, s.waits.dischargeUs);
}

}  // namespace

std::uint16_t ReadPic18DeviceId(Pic18Session& s) {
  std::uint8_t id[2] = {};
  ReadRun(s, kPic18DeviceIdAddress, id, 2);
  return static_cast<std::uint16_t>(id[1] << 8 | id[0]);
}

Pic18Image ReadPic18Memories(Pic18Session& s) {
  Pic18Image image = BlankPic18Image(s.part);
  ReadRun(s, 0, image.program.data(), image.program.size());
  ReadRun(s, kPic18IdAddress, image.ids.data(), image.ids.size());
  ReadRun(s, kPic18ConfigAddress, image.config.data(), image.config.size());
  if (s.part.dataBytes > 0) {
    Select(s, false, false, false);
    for (int a = 0; a < s.part.dataBytes; ++a) {
      SetEepromAddress(s, a);
      s.link.Core(Bsf(kEecon1, kRd));
      image.eeprom[static_cast<std::size_t>(a)] = ShiftOut(s, kEedata);
    }
  }
  return image;
}

void BulkErasePic18(Pic18Session& s, std::uint16_t code) {
  s.link.SetTablePointer(kEraseControlHigh);
  s.link.Send(TableWrite, Both(static_cast<std::uint8_t>(code >> 8)));
  s.link.SetTablePointer(kEraseControlLow);
  s.link.Send(TableWrite, Both(static_cast<std::uint8_t>(code & 0xFF)));
  s.link.AwaitErase(s.waits.eraseUs);
}

int WritePic18Program(Pic18Session& s, const Pic18Image& image) {
  Select(s, true, false, true);
  const int size = s.part.writeBufferBytes;
  const int end = std::min(s.part.programBytes, static_cast<int>(image.program.size()));
  int written = 0;
  for (int row = 0; row + size <= end; row += size) {
    const std::uint8_t* bytes = image.program.data() + row;
    if (std::all_of(bytes, bytes + size, [](std::uint8_t b) { return b == 0xFF; })) continue;
    WriteBuffer(s, static_cast<std::uint32_t>(row), bytes, size);
    ++written;
  }
  return written;
}

void WritePic18Ids(Pic18Session& s, const Pic18Image& image) {
  Select(s, true, false, true);
  WriteBuffer(s, kPic18IdAddress, image.ids.data(), kPic18IdBytes);
}

int WritePic18Eeprom(Pic18Session& s, const Pic18Image& image, bool skipErased) {
  Select(s, false, false, false);
  int written = 0;
  for (int a = 0; a < s.part.dataBytes; ++a) {
    const std::uint8_t byte = image.eeprom[static_cast<std::size_t>(a)];
    if (skipErased && byte == 0xFF) continue;
    SetEepromAddress(s, a);
    s.link.Core(Movlw(byte));
    s.link.Core(Movwf(kEedata));
    s.link.Core(Bsf(kEecon1, kWren));
    s.link.Core(Bsf(kEecon1, kWr));
    s.delay.WaitUs(s.waits.eepromUs);
    // WR clears when the write is done; a chip still busy gets more time.
    for (int poll = 0; poll < kEepromPolls && (ShiftOut(s, kEecon1) >> kWr & 1) != 0; ++poll)
      s.delay.WaitUs(s.waits.eepromUs / 4);
    s.delay.WaitUs(s.waits.dischargeUs);
    s.link.Core(Bcf(kEecon1, kWren));
    ++written;
  }
  return written;
}

void WritePic18Config(Pic18Session& s, const Pic18Image& image) {
  Select(s, true, true, true);
  const auto write = [&](int i) {
    if (s.part.configMasks[static_cast<std::size_t>(i)] == 0) return;
    s.link.SetTablePointer(kPic18ConfigAddress + static_cast<std::uint32_t>(i));
    s.link.StartProgramming(TableWriteStart, Both(image.config[static_cast<std::size_t>(i)]),
                            s.waits.configUs, s.waits.dischargeUs);
  };
  for (int i = 0; i < kPic18ConfigBytes; ++i)
    if (i != kConfig6H) write(i);
  write(kConfig6H);
}

}  // namespace lpt
