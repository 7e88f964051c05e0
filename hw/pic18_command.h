// SPDX-License-Identifier: GPL-2.0-or-later
// The 4-bit commands of the PIC18 programming mode (DS39622, Table 3-1 of
// the command set), each followed by a 16-bit payload sent least
// significant bit first; the table reads and the TABLAT shift answer with
// their last eight clocks. Both the host side (hw/pic18_link) and the
// simulated chip (sim/pic18_chip) speak this one set.
#pragma once

#include <cstdint>

namespace lpt::pic18 {

enum Command : std::uint8_t {
  CoreInstruction = 0x0,                // 0000: the payload is executed as an instruction
  ShiftOutTablat = 0x2,                 // 0010: TABLAT shifted out
  TableRead = 0x8,                      // 1000: TBLRD*
  TableReadPostIncrement = 0x9,         // 1001: TBLRD*+
  TableReadPostDecrement = 0xA,         // 1010: TBLRD*-
  TableReadPreIncrement = 0xB,          // 1011: TBLRD+*
  TableWrite = 0xC,                     // 1100: TBLWT*
  TableWritePostIncrement2 = 0xD,       // 1101: TBLWT*+2 into the write buffer
  TableWriteStartPostIncrement2 = 0xE,  // 1110: write, post-increment by 2, start programming
  TableWriteStart = 0xF,                // 1111: write and start programming
};

// Registers and bits the programming sequences reach through core
// instructions (the data sheets' special function register map, access
// bank).
inline constexpr std::uint8_t kTablat = 0xF5;
inline constexpr std::uint8_t kTblptrL = 0xF6;
inline constexpr std::uint8_t kTblptrH = 0xF7;
inline constexpr std::uint8_t kTblptrU = 0xF8;
inline constexpr std::uint8_t kEecon1 = 0xA6;
inline constexpr std::uint8_t kEedata = 0xA8;
inline constexpr std::uint8_t kEeadr = 0xA9;
inline constexpr std::uint8_t kEeadrh = 0xAA;
// EECON1 bits.
inline constexpr int kEepgd = 7;
inline constexpr int kCfgs = 6;
inline constexpr int kWren = 2;
inline constexpr int kWr = 1;
inline constexpr int kRd = 0;

// Instruction words (PIC18 instruction set: MOVLW 0Exxh, MOVWF 6Effh with
// a = 0, MOVF f,W,0 50ffh, BSF 1000 bbb0 ffff ffff, BCF 1001 bbb0 ...).
constexpr std::uint16_t Movlw(std::uint8_t k) { return static_cast<std::uint16_t>(0x0E00 | k); }
constexpr std::uint16_t Movwf(std::uint8_t f) { return static_cast<std::uint16_t>(0x6E00 | f); }
constexpr std::uint16_t MovfToW(std::uint8_t f) { return static_cast<std::uint16_t>(0x5000 | f); }
constexpr std::uint16_t Bsf(std::uint8_t f, int bit) {
  return static_cast<std::uint16_t>(0x8000 | bit << 9 | f);
}
constexpr std::uint16_t Bcf(std::uint8_t f, int bit) {
  return static_cast<std::uint16_t>(0x9000 | bit << 9 | f);
}
inline constexpr std::uint16_t kNop = 0x0000;

// The bulk erase registers and the codes DS39622 gives for them (written
// high byte to 3C0005h, low byte to 3C0004h).
inline constexpr std::uint32_t kEraseControlLow = 0x3C0004;
inline constexpr std::uint32_t kEraseControlHigh = 0x3C0005;
inline constexpr std::uint16_t kChipErase = 0x3F8F;
inline constexpr std::uint16_t kEraseDataEeprom = 0x0084;
inline constexpr std::uint16_t kEraseBootBlock = 0x0081;
inline constexpr std::uint16_t kEraseConfiguration = 0x0082;
// Code block n: (1 << n) << 8 | 80h (0180h, 0280h, 0480h ... 2080h).
constexpr std::uint16_t EraseBlock(int n) {
  return static_cast<std::uint16_t>((1 << n) << 8 | 0x80);
}

}  // namespace lpt::pic18
