// SPDX-License-Identifier: GPL-2.0-or-later
// How each programming family is written, checked and erased: the choices
// the passes make per family, kept as one table so that a pass asks its row
// instead of repeating lists of family codes. Facts that are not specific
// to the operations (word width, data EEPROM, EPROM, the calibration word
// at the end of program memory) come from devices/family.h.
#pragma once

#include <cstdint>

#include "devices/family.h"
#include "ops/write_waits.h"

namespace lpt {

// What the program-memory pass does before its own ResetPic.
enum class PreErase : std::uint8_t {
  None,
  EraseChip16F62xA,         // bulk erase of the 16F627A/628A
  EraseChip16F87x,          // protection-aware erase that leaves the ID words alone
  EraseKeepingCalibration,  // erase that keeps the calibration word and bandgap bits
  ChipErase,                // LoadConfiguration, ChipErase, 10 ms
  ConfigurationArea,        // bulk erase aimed at configuration memory; calibration words kept
  EraseKeepingOsccal,       // 12-bit flash: OSCCAL and its backup read, bulk erase, written back
};

enum class ProgramMethod : std::uint8_t {
  None,
  ReadCompareWrite,  // read first; erase/program cycle only where the chip differs
  ProgramOnly,       // blank cells skipped; program-only cycle
  EraseProgram,      // blank cells skipped; erase/program cycle
  WriteEveryWord,    // every cell, up to 5 attempts closed by EndProgramming16F87xA
  EpromPulses,       // 14-bit EPROM: up to 25 pulses, then 3 more
  EpromPulses12,     // 12-bit EPROM: up to 8 pulses, then 11 more
  LatchedRows,       // after the erase: one rowCycle per aligned row of the part's write
                     // latches, erased rows passed over; read back after
  ProgramEndCycle,   // 12-bit flash: blank cells skipped; Begin Programming ... End Programming
};

enum class DataMethod : std::uint8_t {
  None,
  ReadCompareWrite,  // read first; erase/program cycle where the chip differs
  ProgramOnly,       // "FF" skipped; BeginProgrammingOnlyCycle
  EraseProgram,      // "FF" skipped; BeginEraseProgrammingCycle
  WriteEveryByte,    // every byte, up to 5 attempts closed by EndProgramming16F87xA
  ReadCompareCycle,  // read first; the family's write cycle where the chip differs
};

enum class IdMethod : std::uint8_t {
  None,
  Flash,            // one erase/program cycle per word
  FlashRetry,       // up to 5 erase/program cycles per word
  EpromPulses,      // up to 25 pulses, 3 more
  EpromPulses12,    // above program memory; digit "F" not written; up to 8, 11 more
  WordCycle,        // the family's write cycle per word
  ProgramEndCycle,  // 12-bit flash, above program memory; digit "F" (erased) not written
};

enum class FuseMethod : std::uint8_t {
  None,
  Flash,            // one erase/program cycle at 2007h
  FlashRetry,       // up to 5 erase/program cycles
  KeepBandgap,      // keeps the chip's first digit (bits 12, 13)
  EpromPulses,      // 101 pulses of the latched word, one check
  EpromPulses12,    // check first; one long pulse and 11 pulses when it differs
  WordCycle,        // each configuration word (2007h, 2008h) by the family's write cycle
  ProgramEndCycle,  // 12-bit flash: check first; one cycle when it differs
};

enum class EraseMethod : std::uint8_t {
  None,
  BulkErase,   // protected: protection-clear path; else bulk-erase path
  SetupErase,  // protected: protection-clear path; else setup cycles and ID words
  EraseKeepingCalibration,
  EraseChip16F62xA,
  ChipErase,
  ConfigurationArea,   // as PreErase::ConfigurationArea
  EraseKeepingOsccal,  // 12-bit flash: the whole chip, OSCCAL and its backup written back
};

// How a family starts one write cycle and, for an externally timed one,
// ends it.
enum class WriteStart : std::uint8_t {
  EraseProgramming,  // 08h (Begin Erase/Programming, or Begin Programming)
  ProgrammingOnly,   // 18h
};
enum class WriteEnd : std::uint8_t {
  None,          // internally timed
  Eprom,         // 0Eh
  Flash16F87xA,  // 17h
  Flash12F6xx,   // 0Ah
};
struct WriteCycle {
  WriteStart begin = WriteStart::EraseProgramming;
  WriteEnd end = WriteEnd::None;
};

struct FamilyMethods {
  Family family = Family::None;
  PreErase preErase = PreErase::None;
  ProgramMethod program = ProgramMethod::None;
  std::uint32_t programWaitMs = 0;  // wait of one program-memory write cycle
  DataMethod data = DataMethod::None;
  IdMethod id = IdMethod::None;
  std::uint32_t idWaitMs = 0;
  FuseMethod fuses = FuseMethod::None;
  std::uint16_t fuseAnd = 0xFFFF;  // FuseWord := (FuseWord AND fuseAnd) OR fuseOr before writing
  std::uint16_t fuseOr = 0;
  int comparedRows = 0;  // verify and blank read only rows below this; 0 = every row
  EraseMethod erase = EraseMethod::None;
  std::uint16_t unprotectedBits =
      0;  // configuration bits that must all be 1 on an unprotected chip
  // The write cycles of the families written by LatchedRows,
  // ReadCompareCycle and WordCycle: a row of program memory, a data byte,
  // an ID, configuration or calibration word.
  WriteCycle rowCycle{};
  WriteCycle dataCycle{};
  WriteCycle wordCycle{};
  // The ID words cannot be rewritten by the word cycle alone: a row erase
  // aimed at them clears them first when they are not blank.
  bool idRowErase = false;
  // The datasheet profile writes the way the makers' programming
  // documents do where that differs (None: as in the standard one).
  ProgramMethod datasheetProgram = ProgramMethod::None;
  DataMethod datasheetData = DataMethod::None;
};

// The methods a pass uses in a timing profile.
ProgramMethod ProgramMethodIn(const FamilyMethods& methods, TimingProfile profile);
DataMethod DataMethodIn(const FamilyMethods& methods, TimingProfile profile);

// The row of a family; nullptr for Family::None, which makes every pass a
// no-op that succeeds.
const FamilyMethods* FindMethods(Family family);

}  // namespace lpt
