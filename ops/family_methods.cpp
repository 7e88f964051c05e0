// SPDX-License-Identifier: GPL-2.0-or-later
#include "ops/family_methods.h"

#include <array>

#include "devices/like_row.h"

namespace lpt {
namespace {

// The 14C000's top 64 words (from FC0h) hold factory calibration data and are
// neither verified nor blank-checked.
constexpr int k14C000ComparedRows = 504;

// 16F83, 16F84, 16F84A, 16C84
constexpr FamilyMethods k16F84{.family = Family::Pic16F84,
                               .program = ProgramMethod::ReadCompareWrite,
                               .programWaitMs = 20,
                               .data = DataMethod::ReadCompareWrite,
                               .id = IdMethod::Flash,
                               .idWaitMs = 20,
                               .fuses = FuseMethod::Flash,
                               .erase = EraseMethod::BulkErase,
                               .unprotectedBits = 0x0090};

// 14-bit EPROM parts
constexpr FamilyMethods kEprom14{.family = Family::Pic16C6x,
                                 .program = ProgramMethod::EpromPulses,
                                 .id = IdMethod::EpromPulses,
                                 .fuses = FuseMethod::EpromPulses};

// 12C508(A), 12C509(A), 12CE518, 12CE519: five configuration bits
constexpr FamilyMethods kEprom12{.family = Family::Pic12C50x,
                                 .program = ProgramMethod::EpromPulses12,
                                 .id = IdMethod::EpromPulses12,
                                 .fuses = FuseMethod::EpromPulses12,
                                 .fuseAnd = 0x001F};

// The flash parts with write latches: program memory in rows after an
// erase of everything (calibration words kept), the data EEPROM byte by
// byte where the chip differs, IDs and configuration words one by one.
constexpr FamilyMethods kLatched{.preErase = PreErase::ConfigurationArea,
                                 .program = ProgramMethod::LatchedRows,
                                 .data = DataMethod::ReadCompareCycle,
                                 .id = IdMethod::WordCycle,
                                 .fuses = FuseMethod::WordCycle,
                                 .erase = EraseMethod::ConfigurationArea};
constexpr WriteCycle kEpromEnded{.end = WriteEnd::Eprom};
// 16F72-77: 08h (programming only on these parts) ended by 0Eh for everything.
constexpr FamilyMethods k16F7x = Like(kLatched, Family::Pic16F7x, [](FamilyMethods& m) {
  m.rowCycle = kEpromEnded;
  m.wordCycle = kEpromEnded;
});

// 12-bit flash: every write is one externally timed cycle on an erased
// chip, so Program All starts with the erase.
constexpr FamilyMethods kFlash12{.family = Family::Pic12F5xx,
                                 .preErase = PreErase::EraseKeepingOsccal,
                                 .program = ProgramMethod::ProgramEndCycle,
                                 .programWaitMs = 2,
                                 .id = IdMethod::ProgramEndCycle,
                                 .idWaitMs = 2,
                                 .fuses = FuseMethod::ProgramEndCycle,
                                 .fuseAnd = 0x0FFF,
                                 .erase = EraseMethod::EraseKeepingOsccal};

// The calibrated flash mid-range parts of DS41204 and DS41244: as the
// 16F882-887, rows by 18h ended by 0Ah, everything else by the internally
// timed 08h, which only programs; their calibration words at 2008h (and
// 2009h) are kept across the erase.
constexpr FamilyMethods k12F683 = Like(kLatched, Family::Pic12F683, [](FamilyMethods& m) {
  m.rowCycle = {WriteStart::ProgrammingOnly, WriteEnd::Flash12F6xx};
  m.idRowErase = true;
});
// The enhanced mid-range: everything by the internally timed 08h, which
// only programs, so the ID words take a row erase first.
constexpr FamilyMethods kEnhanced =
    Like(kLatched, Family::Pic16F1827, [](FamilyMethods& m) { m.idRowErase = true; });

constexpr std::array<FamilyMethods, 25> kMethods{{
    k16F84,
    kEprom14,
    // 16C554, 16C556, 16C558: bits 6 and 7 of the configuration word are unimplemented
    Like(kEprom14, Family::Pic16C55x, [](FamilyMethods& m) { m.fuseAnd = 0x3F3F; }),
    kEprom12,
    // 16C505: twelve configuration bits
    Like(kEprom12, Family::Pic16C505, [](FamilyMethods& m) { m.fuseAnd = 0x0FFF; }),
    // 12C671, 12C672, 12CE673, 12CE674: calibration in the last word
    Like(kEprom14, Family::Pic12C67x, kNoDifferences),
    // 14C000: bits 1 and 6 of the configuration word must stay set
    Like(kEprom14, Family::Pic14C000,
         [](FamilyMethods& m) {
           m.fuseOr = 0x0042;
           m.comparedRows = k14C000ComparedRows;
         }),
    // 16F627, 16F628: their own code-protection bits
    Like(k16F84, Family::Pic16F62x, [](FamilyMethods& m) { m.unprotectedBits = 0x0D00; }),
    // 16F870 to 16F877
    {.family = Family::Pic16F87x,
     .preErase = PreErase::EraseChip16F87x,
     .program = ProgramMethod::ProgramOnly,
     .programWaitMs = 20,
     .data = DataMethod::ProgramOnly,
     .id = IdMethod::Flash,
     .idWaitMs = 20,
     .fuses = FuseMethod::Flash,
     .erase = EraseMethod::SetupErase,
     .unprotectedBits = 0x0130},
    // 12F629/675, 16F630/676: calibration word and bandgap bits kept
    {.family = Family::Pic12F6xx,
     .preErase = PreErase::EraseKeepingCalibration,
     .program = ProgramMethod::EraseProgram,
     .programWaitMs = 20,
     .data = DataMethod::EraseProgram,
     .id = IdMethod::Flash,
     .idWaitMs = 20,
     .fuses = FuseMethod::KeepBandgap,
     .erase = EraseMethod::EraseKeepingCalibration},
    // 16F877A. The datasheet profile writes rows of eight words: DS39589 as
    // Pickle (pic14.c, nlatches 8) and usbpicprog (write_code_P16F87XA, eight
    // words per cycle) transcribe it; and data bytes with the internally
    // timed erase/program cycle, as OpenProg (Write16F87xA) does.
    {.family = Family::Pic16F87xA,
     .preErase = PreErase::ChipErase,
     .program = ProgramMethod::WriteEveryWord,
     .programWaitMs = 2,
     .data = DataMethod::WriteEveryByte,
     .id = IdMethod::FlashRetry,
     .idWaitMs = 10,
     .fuses = FuseMethod::FlashRetry,
     .erase = EraseMethod::ChipErase,
     .rowCycle = {WriteStart::ProgrammingOnly, WriteEnd::Flash16F87xA},
     .datasheetProgram = ProgramMethod::LatchedRows,
     .datasheetData = DataMethod::ReadCompareWrite},
    // 16F627A, 16F628A
    {.family = Family::Pic16F62xA,
     .preErase = PreErase::EraseChip16F62xA,
     .program = ProgramMethod::ReadCompareWrite,
     .programWaitMs = 10,
     .data = DataMethod::ReadCompareWrite,
     .id = IdMethod::Flash,
     .idWaitMs = 20,
     .fuses = FuseMethod::Flash,
     .erase = EraseMethod::EraseChip16F62xA},
    // 10F200-206, 10F220/222, 12F508-510, 16F505/506
    kFlash12,
    // 16F54, 16F57, 16F59: the same without OSCCAL (family.h)
    Like(kFlash12, Family::Pic16F5x, kNoDifferences),
    // 16F87/88: Chip Erase; rows and data bytes by 18h, ID and configuration
    // words by 08h (which erases the word first), each ended by 17h
    Like(kLatched, Family::Pic16F88,
         [](FamilyMethods& m) {
           m.preErase = PreErase::ChipErase;
           m.erase = EraseMethod::ChipErase;
           m.rowCycle = {WriteStart::ProgrammingOnly, WriteEnd::Flash16F87xA};
           m.dataCycle = {WriteStart::ProgrammingOnly, WriteEnd::Flash16F87xA};
           m.wordCycle = {WriteStart::EraseProgramming, WriteEnd::Flash16F87xA};
         }),
    // 16F882-887: rows by 18h ended by 0Ah, everything else by the internally
    // timed 08h, which only programs: the ID words take a row erase first
    Like(kLatched, Family::Pic16F88x,
         [](FamilyMethods& m) {
           m.rowCycle = {WriteStart::ProgrammingOnly, WriteEnd::Flash12F6xx};
           m.idRowErase = true;
         }),
    k16F7x,
    // 16F716: 18h ended by 0Eh
    Like(kLatched, Family::Pic16F716,
         [](FamilyMethods& m) {
           m.rowCycle = {WriteStart::ProgrammingOnly, WriteEnd::Eprom};
           m.wordCycle = {WriteStart::ProgrammingOnly, WriteEnd::Eprom};
         }),
    // 16F737-777: as the 16F72-77
    Like(k16F7x, Family::Pic16F7x7, kNoDifferences),
    k12F683,
    Like(k12F683, Family::Pic16F91x, kNoDifferences),
    // 12F609-617, 16F610/616 (DS41284): no internally timed cycle and no
    // data EEPROM; every word by 18h ended by 0Ah. Only some parts have a
    // row erase, so the ID words rely on the erase of Program All.
    Like(kLatched, Family::Pic12F61x,
         [](FamilyMethods& m) {
           m.data = DataMethod::None;
           m.rowCycle = {WriteStart::ProgrammingOnly, WriteEnd::Flash12F6xx};
           m.wordCycle = {WriteStart::ProgrammingOnly, WriteEnd::Flash12F6xx};
         }),
    kEnhanced,
    Like(kEnhanced, Family::Pic16F1847, kNoDifferences),
    Like(kEnhanced, Family::Pic16F193x, kNoDifferences),
}};

}  // namespace

ProgramMethod ProgramMethodIn(const FamilyMethods& methods, TimingProfile profile) {
  if (profile == TimingProfile::Datasheet && methods.datasheetProgram != ProgramMethod::None)
    return methods.datasheetProgram;
  return methods.program;
}

DataMethod DataMethodIn(const FamilyMethods& methods, TimingProfile profile) {
  if (profile == TimingProfile::Datasheet && methods.datasheetData != DataMethod::None)
    return methods.datasheetData;
  return methods.data;
}

const FamilyMethods* FindMethods(Family family) {
  for (const FamilyMethods& m : kMethods)
    if (m.family == family) return &m;
  return nullptr;
}

}  // namespace lpt
