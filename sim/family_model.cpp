// SPDX-License-Identifier: GPL-2.0-or-later
#include "sim/family_model.h"

#include <array>
#include <string>

#include "devices/like_row.h"

namespace lpt::sim {
namespace {

constexpr std::uint64_t Commands(std::initializer_list<Command> list) {
  std::uint64_t bits = 0;
  for (Command c : list) bits |= CommandBit(c);
  return bits;
}

constexpr std::uint64_t kEprom14 = Commands(
    {serial::LoadConfiguration, serial::LoadDataForProgramMemory, serial::ReadDataFromProgramMemory,
     serial::IncrementAddress, serial::BeginEraseProgrammingCycle, serial::EndProgrammingEprom});
constexpr std::uint64_t kEprom12 = Commands(
    {serial::LoadDataForProgramMemory, serial::ReadDataFromProgramMemory, serial::IncrementAddress,
     serial::BeginEraseProgrammingCycle, serial::EndProgrammingEprom});
constexpr std::uint64_t kFlashBasic = Commands(
    {serial::LoadConfiguration, serial::LoadDataForProgramMemory, serial::LoadDataForDataMemory,
     serial::ReadDataFromProgramMemory, serial::ReadDataFromDataMemory, serial::IncrementAddress,
     serial::BeginEraseProgrammingCycle, serial::BeginProgrammingOnlyCycle});
constexpr std::uint64_t kSetup = Commands({serial::BulkEraseSetup1, serial::BulkEraseSetup2});
constexpr std::uint64_t kBulk =
    Commands({serial::BulkEraseProgramMemory, serial::BulkEraseDataMemory});
// Program memory only: the flash parts without data EEPROM.
constexpr std::uint64_t kFlashProgramOnly = Commands(
    {serial::LoadConfiguration, serial::LoadDataForProgramMemory, serial::ReadDataFromProgramMemory,
     serial::IncrementAddress, serial::BulkEraseProgramMemory, serial::EndProgrammingEprom});

using F = Family;
using T = Technology;
using C = FactoryCalibration;

// The EPROM parts share everything but their protection bits and a few
// quirks; a row is written as one of these with its differences.
constexpr FamilyModel kEprom14Part{.technology = T::Eprom,
                                   .commands = kEprom14,
                                   .endProgramming = serial::EndProgrammingEprom,
                                   .times = {.epromPulseUs = 100}};
// 12-bit parts keep 000h-03Fh readable when protected and their calibration
// MOVLW in the last word.
constexpr FamilyModel kEprom12Part{.technology = T::Eprom,
                                   .word12 = true,
                                   .commands = kEprom12,
                                   .endProgramming = serial::EndProgrammingEprom,
                                   .times = {.epromPulseUs = 100},
                                   .protection = {.readableWhenProtected = 0x40},
                                   .configImplemented = 0x0FFF,
                                   .calibration = C::MovlwLastWord};

// 12-bit flash parts (DS41228, DS41266, DS41227, DS41226, DS41257, DS41258,
// DS41207, DS41208, DS41243, as Pickle's pic12.c quotes them with their
// pages): Begin Programming (08h) only clears bits and is ended by End
// Programming (0Eh) after TPROG 2 ms, then TDIS 100 us; Bulk Erase Program
// Memory (09h) needs TERA 10 ms. Entry supply first: THLD0 5 us from Vdd to
// Vpp, TPPDP 5 us before the first command. No Load Configuration: the
// counter reaches the IDs and the configuration word by Increment Address.
// Protection leaves 000h-03Fh readable (Piklab's protected ranges 040:...).
constexpr FamilyModel kFlash12Part{
    .word12 = true,
    .counterWraps = true,
    .commands = kEprom12 | CommandBit(serial::BulkEraseProgramMemory),
    .endProgramming = serial::EndProgrammingEprom,
    .times = {.eraseProgramUs = 2000,
              .eraseUs = 10000,
              .dischargeUs = 100,
              .vddToVppUs = 5,
              .vppToCommandUs = 5},
    .protection = {.cpMask = 0x0008, .readableWhenProtected = 0x40},
    .configImplemented = 0x0FFF};

// Cycle times are the makers' maximums, taken as the least time the host
// must wait (microseconds): for a family of several parts, the longest any
// of them needs. The documents are quoted as Pickle's command tables cite
// them (document, page, parameter). Only what differs from FamilyModel's
// defaults is written. They are kept here on purpose, apart from the waits the
// operations ask for (ops/write_waits.cpp): the simulated chip checks the
// programmer's waits, and a shared table would let a wrong figure pass both.
// Protection masks hold every code-protection bit the makers' headers give,
// the repeated copies of a CP field included: a part left with any one of
// them at 0 is protected, whichever bit the programmer looked at.
// 16F72-77 (DS30324; the 16F72's DS39588 as the peers read it): Begin
// Programming (08h) only programs and is externally timed, ended by 0Eh
// (TPROG 1 ms); Bulk Erase Program Memory 30 ms; 2 write latches. No
// source gives the wait after 0Eh; the longest any peer uses (OpenProg,
// 1 ms) is taken. CP is bit 4.
constexpr FamilyModel k16F7xPart{
    .family = Family::Pic16F7x,
    .commands = kFlashProgramOnly | CommandBit(serial::BeginEraseProgrammingCycle),
    .endProgramming = serial::EndProgrammingEprom,
    .writeLatches = 2,
    .erase = {.protectedNeedsConfigArea = true},
    .times = {.eraseProgramUs = 1000, .eraseUs = 30000, .dischargeUs = 1000},
    .protection = {.cpMask = 0x0010}};

// 12F683, 16F684-690, 16F631/677, 12F635, 16F636/639 (DS41204 page 14, as
// Pickle cites it): 08h internally timed, programs only (TPROG1 3 ms, 6 ms
// on data EEPROM); 18h externally timed (TPROG2 3 ms) ended by 0Ah (TDIS
// 100 us); bulk and row erases 6 ms (rows of 16 words); 4 write latches.
// The calibration word at 2008h (and 2009h on the 12F635/16F636/16F639,
// kPartSilicon) is taken by an erase aimed at configuration memory: no
// source settles whether the silicon keeps it, so the model does not, and
// a programmer must put it back. CP bit 6, CPD bit 7; FOSC2:0 = 10x is the
// internal oscillator, MCLRE bit 5.
constexpr FamilyModel k12F683Part{
    .family = Family::Pic12F683,
    .commands = kFlashBasic | kBulk | CommandBit(serial::EndProgramming12F6xx) |
                CommandBit(serial::RowEraseProgramMemory),
    .endProgramming = serial::EndProgramming12F6xx,
    .programOnlyExternal = true,
    .writeLatches = 4,
    .erase = {.protectedNeedsConfigArea = true, .clearsCalibration = true, .rowEraseWords = 16},
    .times = {.eraseProgramUs = 3000,
              .programOnlyUs = 3000,
              .dataWriteUs = 6000,
              .eraseUs = 6000,
              .rowEraseUs = 6000,
              .dischargeUs = 100},
    .protection = {.cpMask = 0x0040, .cpdMask = 0x0080},
    .entry = {.intOscMask = 0x0006, .intOscValue = 0x0004, .mclreBit = 0x0020},
    .configWords = 9,
    .calibrationWords = {0x2008}};

// The enhanced mid-range (DS41390; DS41439 and DS41397 differ as noted):
// configuration memory at 8000h (IDs, device ID 8006h, configuration
// words 8007h and 8008h, calibration words 8009h and 800Ah); 08h
// internally timed, programs only (TPINT 2.5 ms, 5 ms in configuration
// memory and on data EEPROM); 18h externally timed (TPEXT 2.1 ms) ended by
// 0Ah (TDIS 300 us, 100 us on DS41439); bulk erase 5 ms, row erase 2.5 ms
// (rows of 32 words); 8 write latches (32 on DS41439). A bulk erase at
// 8000h takes configuration and ID words and keeps the calibration words.
// Low-voltage entry with the key while LVP (CONFIG2 bit 13) is 1; MCLR
// takes at most 9 V. CP is CONFIG1 bit 7, CPD bit 8.
constexpr FamilyModel kEnhancedPart{
    .family = F::Pic16F1827,
    .commands = kFlashBasic | kBulk | CommandBit(serial::EndProgramming12F6xx) |
                CommandBit(serial::RowEraseProgramMemory),
    .endProgramming = serial::EndProgramming12F6xx,
    .programOnlyExternal = true,
    .writeLatches = 8,
    .erase = {.protectedNeedsConfigArea = true, .rowEraseWords = 32},
    .times = {.eraseProgramUs = 2500,
              .configWriteUs = 5000,
              .programOnlyUs = 2100,
              .dataWriteUs = 5000,
              .eraseUs = 5000,
              .rowEraseUs = 2500,
              .dischargeUs = 300},
    .protection = {.cpMask = 0x0080, .cpdMask = 0x0100},
    .configWords = 11,
    .calibrationWords = {0x8009, 0x800A},
    .configBase = 0x8000,
    .lowVoltageKey = true,
    .lvpBit = 0x2000,
    .maxMclrMillivolts = 9000};

constexpr std::array<FamilyModel, 25> kModels{{
    // 16C84, 16F83, 16F84, 16F84A: DS30262E p4, DS30189D p4; the 16F83/84
    // data EEPROM writes and erases take 20 ms (DS30072B p2)
    {.family = F::Pic16F84,
     .commands = kFlashBasic | kSetup | kBulk,
     .erase = {.beginEraseErases = true,
               .bulkNeedsBegin = true,
               .bulkBlockedByProtection = true,
               .hasSetupErase = true},
     .times =
         {.eraseProgramUs = 10000, .programOnlyUs = 10000, .dataWriteUs = 20000, .eraseUs = 20000},
     .protection = {.cpMask = 0x3FF0, .cpdMask = 0x3FF0}},

    // 14-bit EPROM parts (16C6x/7x/62x/71x/77x/745/765/92x)
    Like(kEprom14Part, F::Pic16C6x, [](FamilyModel& m) { m.protection.cpMask = 0x3F30; }),

    // 16C55x
    Like(kEprom14Part, F::Pic16C55x, [](FamilyModel& m) { m.protection.cpMask = 0x3F30; }),

    // 12C508/509, 12CE518/519: 000h-03Fh stay readable when protected
    Like(kEprom12Part, F::Pic12C50x, [](FamilyModel& m) { m.protection.cpMask = 0x0008; }),

    // 16C505
    Like(kEprom12Part, F::Pic16C505, [](FamilyModel& m) { m.protection.cpMask = 0x0FD0; }),

    // 12C67x, 12CE67x: FOSC2:0 = 10x is the internal RC, MCLRE bit 7
    Like(kEprom14Part, F::Pic12C67x,
         [](FamilyModel& m) {
           m.protection.cpMask = 0x3F60;
           m.entry = {.intOscMask = 0x0006, .intOscValue = 0x0004, .mclreBit = 0x0080};
           m.calibration = C::RetlwLastWord;
         }),

    // 14C000
    Like(kEprom14Part, F::Pic14C000, [](FamilyModel& m) { m.protection.cpMask = 0x3FB0; }),

    // 16F627/628: FOSC2 is bit 4, FOSC1:0 bits 1:0; MCLRE bit 5. DS30034D
    // p4: 08h erases and programs, TERA + TPROG = 5 + 8 ms, the setup-sequence
    // erase included
    {.family = F::Pic16F62x,
     .commands = kFlashBasic | kSetup | kBulk,
     .erase = {.beginEraseErases = true,
               .bulkNeedsBegin = true,
               .bulkBlockedByProtection = true,
               .hasSetupErase = true},
     .times =
         {.eraseProgramUs = 13000, .programOnlyUs = 8000, .dataWriteUs = 13000, .eraseUs = 13000},
     .protection = {.cpMask = 0x3C00, .cpdMask = 0x0100},
     .entry = {.intOscMask = 0x0012, .intOscValue = 0x0010, .mclreBit = 0x0020}},

    // 16F87x: no bulk erase commands, only the setup sequence. DS39025F p6:
    // 08h 4 + 4 ms, 18h 4 ms; a data byte is erased before it is written
    {.family = F::Pic16F87x,
     .commands = kFlashBasic | kSetup,
     .erase = {.beginEraseErases = true, .hasSetupErase = true},
     .times =
         {.eraseProgramUs = 8000, .programOnlyUs = 4000, .dataWriteUs = 8000, .eraseUs = 10000},
     .protection = {.cpMask = 0x3030, .cpdMask = 0x0100}},

    // 12F629/675, 16F630/676: programming only clears bits; bulk erase also
    // destroys the calibration word and the bandgap bits. DS41191B p4:
    // TPROG1 3 ms (6 ms data), TPROG2 2 ms, TERA 6 ms
    {.family = F::Pic12F6xx,
     .commands = kFlashBasic | kBulk | CommandBit(serial::EndProgramming12F6xx),
     .endProgramming = serial::EndProgramming12F6xx,
     .programOnlyExternal = true,
     .times = {.eraseProgramUs = 3000, .programOnlyUs = 2000, .dataWriteUs = 6000, .eraseUs = 6000},
     .protection = {.cpMask = 0x0080, .cpdMask = 0x0100},
     .configImplemented = 0x31FF,
     .entry = {.intOscMask = 0x0006, .intOscValue = 0x0004, .mclreBit = 0x0020},
     .calibration = C::RetlwLastWord,
     .factoryBandgap = true},

    // 16F877A: bit 5 of a command is don't-care (37h is 17h, 3Fh is 1Fh).
    // DS39589C p7: 18h TPROG1 1 ms over eight write latches; 08h TPROG2
    // 10 ms (configuration, IDs, data EEPROM); 1Fh TPROG3 10 ms
    {.family = F::Pic16F87xA,
     .commandMask = 0x1F,
     .commands = kFlashBasic | kBulk | CommandBit(serial::ChipErase) |
                 CommandBit(serial::EndProgramming16F87xA),
     .endProgramming = serial::EndProgramming16F87xA,
     .programOnlyExternal = true,
     .writeLatches = 8,
     .erase = {.beginEraseErases = true},
     .times =
         {.eraseProgramUs = 10000, .programOnlyUs = 1000, .dataWriteUs = 10000, .eraseUs = 10000},
     .protection = {.cpMask = 0x2000, .cpdMask = 0x0100}},

    // 16F627A/628A: DS41196G p5: TPROG 4 ms, TDPROG 6 ms (data)
    {.family = F::Pic16F62xA,
     .commands = kFlashBasic | kBulk,
     .erase = {.beginEraseErases = true},
     .times =
         {.eraseProgramUs = 4000, .programOnlyUs = 6000, .dataWriteUs = 6000, .eraseUs = 10000},
     .protection = {.cpMask = 0x2000, .cpdMask = 0x0100},
     .entry = {.intOscMask = 0x0012, .intOscValue = 0x0010, .mclreBit = 0x0020}},

    // 10F200-206, 10F220/222, 12F508-510, 16F505/506: the calibration MOVLW
    // in the last word, its backup after the IDs; the calibration word reads
    // through protection (Piklab: 040:0FE, 040:3FE)
    Like(kFlash12Part, F::Pic12F5xx,
         [](FamilyModel& m) {
           m.calibrationBackup = true;
           m.calibration = C::MovlwLastWord;
           m.protection.calibrationReadable = true;
         }),

    // 16F54, 16F57, 16F59: no calibration
    Like(kFlash12Part, F::Pic16F5x, kNoDifferences),

    // 16F87/88 (DS39607): both begin commands externally timed and ended by
    // 17h (TPROG1, TPROG2 1 ms); Chip Erase after Load Configuration clears
    // everything, protected or not (TPROG4 10 ms); 4 write latches. 08h
    // erases before it writes, a configuration word too, as on the 16F87xA.
    // Bit 5 of a command is don't-care. No wait after 17h is given; 100 us
    // (Pickle's) is taken.
    {.family = F::Pic16F88,
     .commandMask = 0x1F,
     .commands = kFlashBasic | kBulk | CommandBit(serial::ChipErase) |
                 CommandBit(serial::EndProgramming16F87xA),
     .endProgramming = serial::EndProgramming16F87xA,
     .programOnlyExternal = true,
     .writeLatches = 4,
     .erase = {.beginEraseErases = true, .protectedNeedsConfigArea = true},
     .times = {.eraseProgramUs = 1000,
               .programOnlyUs = 1000,
               .dataWriteUs = 1000,
               .eraseUs = 10000,
               .dischargeUs = 100},
     .protection = {.cpMask = 0x2000, .cpdMask = 0x0100},
     .configWords = 9},

    // 16F882-887 (DS41287): 08h internally timed, programs only (TPROG1 3 ms,
    // 6 ms on data EEPROM); 18h externally timed (TPROG2 2.5 ms) ended by
    // 0Ah (TDIS 100 us); bulk and row erases 6 ms (rows of 16 words); 8
    // write latches; the calibration word at 2009h. FOSC2:0 = 10x is the
    // internal oscillator, MCLRE bit 5.
    {.family = F::Pic16F88x,
     .commands = kFlashBasic | kBulk | CommandBit(serial::EndProgramming12F6xx) |
                 CommandBit(serial::RowEraseProgramMemory),
     .endProgramming = serial::EndProgramming12F6xx,
     .programOnlyExternal = true,
     .writeLatches = 8,
     .erase = {.protectedNeedsConfigArea = true, .clearsCalibration = true, .rowEraseWords = 16},
     .times = {.eraseProgramUs = 3000,
               .programOnlyUs = 2500,
               .dataWriteUs = 6000,
               .eraseUs = 6000,
               .rowEraseUs = 6000,
               .dischargeUs = 100},
     .protection = {.cpMask = 0x0040, .cpdMask = 0x0080},
     .entry = {.intOscMask = 0x0006, .intOscValue = 0x0004, .mclreBit = 0x0020},
     .configWords = 10,
     .calibrationWords = {0x2009}},

    k16F7xPart,

    // 16F716 (DS40245): Begin Programming Only (18h) externally timed (TPROG
    // 2 ms) and ended by 0Eh (TDIS 100 us); bulk erase 6 ms; 4 write
    // latches. CP is bit 13.
    {.family = F::Pic16F716,
     .commands = kFlashProgramOnly | CommandBit(serial::BeginProgrammingOnlyCycle),
     .endProgramming = serial::EndProgrammingEprom,
     .programOnlyExternal = true,
     .writeLatches = 4,
     .erase = {.protectedNeedsConfigArea = true},
     .times = {.programOnlyUs = 2000, .eraseUs = 6000, .dischargeUs = 100},
     .protection = {.cpMask = 0x2000}},

    // 16F737-777 (DS30492): programmed as the 16F7x, with a second
    // configuration word; CP is bit 13.
    Like(k16F7xPart, F::Pic16F7x7,
         [](FamilyModel& m) {
           m.protection.cpMask = 0x2000;
           m.configWords = 9;
         }),

    k12F683Part,

    // 16F913-946 (DS41244 page 12): as the DS41204 parts, with 8 write
    // latches and calibration words at 2008h and 2009h.
    Like(k12F683Part, F::Pic16F91x,
         [](FamilyModel& m) {
           m.writeLatches = 8;
           m.configWords = 10;
           m.calibrationWords = {0x2008, 0x2009};
         }),

    // 12F609-617, 16F610/616 and the HV twins (DS41284 page 8): no 08h, no
    // data commands; 18h (TPROG 3 ms) ended by 0Ah (TDIS 100 us) writes
    // every word; bulk erase 6 ms; one latch and no row erase (the 12F617
    // and 16F616 in kPartSilicon); the calibration word at 2008h.
    Like(k12F683Part, F::Pic12F61x,
         [](FamilyModel& m) {
           m.commands = Commands({serial::LoadConfiguration, serial::LoadDataForProgramMemory,
                                  serial::ReadDataFromProgramMemory, serial::IncrementAddress,
                                  serial::BeginProgrammingOnlyCycle, serial::BulkEraseProgramMemory,
                                  serial::EndProgramming12F6xx});
           m.writeLatches = 1;
           m.erase.rowEraseWords = 0;
           m.times = {.programOnlyUs = 3000, .eraseUs = 6000, .dischargeUs = 100};
           m.protection.cpdMask = 0;
         }),
    kEnhancedPart,
    Like(kEnhancedPart, F::Pic16F1847,
         [](FamilyModel& m) {
           m.writeLatches = 32;
           m.times.dischargeUs = 100;
         }),
    Like(kEnhancedPart, F::Pic16F193x, kNoDifferences),
}};

// Parts whose silicon differs from their family's row: p16f505.inc and
// p16f506.inc put CP in bit 4; the 16F57 and 16F59 latch four words
// (Pickle's pic12.c part table, DS41208 and DS41243).
struct PartSilicon {
  std::string_view device;
  void (*change)(FamilyModel&);
};

constexpr void TwoCalibrationWords(FamilyModel& m) {
  m.configWords = 10;
  m.calibrationWords = {0x2008, 0x2009};
}

constexpr void LatchedRows16F616(FamilyModel& m) {
  m.commands |= CommandBit(serial::RowEraseProgramMemory);
  m.writeLatches = 4;
  m.erase.rowEraseWords = 16;
  m.times.rowEraseUs = 6000;
}

constexpr PartSilicon kPartSilicon[] = {
    {"16F505", [](FamilyModel& m) { m.protection.cpMask = 0x0010; }},
    {"16F506", [](FamilyModel& m) { m.protection.cpMask = 0x0010; }},
    {"16F57", [](FamilyModel& m) { m.writeLatches = 4; }},
    {"16F59", [](FamilyModel& m) { m.writeLatches = 4; }},
    // Two calibration words (Pickle's pic14.c; OpenProg saves both).
    {"12F635", TwoCalibrationWords},
    {"16F636", TwoCalibrationWords},
    {"16F639", TwoCalibrationWords},
    // Four latches and a row erase of 16 words (Pickle's pic14.c, DS41284E).
    {"12F617", LatchedRows16F616},
    {"16F616", LatchedRows16F616},
    {"16HV616", LatchedRows16F616},
    // Pickle's pic14.c: 16 latches and 16-word rows on the 12F1822 and
    // 16F1823, 32 latches on the 16F1824/1825/1828/1829.
    {"12F1822",
     [](FamilyModel& m) {
       m.writeLatches = 16;
       m.erase.rowEraseWords = 16;
     }},
    {"16F1823",
     [](FamilyModel& m) {
       m.writeLatches = 16;
       m.erase.rowEraseWords = 16;
     }},
    {"16F1824", [](FamilyModel& m) { m.writeLatches = 32; }},
    {"16F1825", [](FamilyModel& m) { m.writeLatches = 32; }},
    {"16F1828", [](FamilyModel& m) { m.writeLatches = 32; }},
    {"16F1829", [](FamilyModel& m) { m.writeLatches = 32; }},
};

// An LF part ("16LF1827") is its F twin's silicon for the low supply: the
// data sheets' absolute maximum on Vdd is 4.0 V.
constexpr std::uint32_t kLfAbsoluteMaxVddMillivolts = 4000;

std::string TwinOfLfPart(std::string_view deviceName) {
  if (deviceName.size() < 4 || deviceName.substr(2, 2) != "LF") return {};
  return std::string(deviceName.substr(0, 2)) + std::string(deviceName.substr(3));
}

// The silicon's own ID words, kept apart from the catalogue's on purpose: a
// simulated chip answers what the makers' programming specifications say,
// so a wrong catalogue ID shows up as a mismatch. A group name answers as
// its first part (the 12F629, the 16F630). Parts missing here have no ID.
struct SiliconId {
  std::string_view device;
  std::uint16_t id;
  std::uint16_t revision = 0;  // the simulated silicon's; in the ID's low bits
};

constexpr SiliconId kSiliconIds[] = {
    // DS30262
    {"16F84A", 0x0560},
    // DS30034
    {"16F627", 0x07A0},
    {"16F628", 0x07C0},
    // DS39025
    {"16F870", 0x0D00},
    {"16F871", 0x0D20},
    {"16F872", 0x08E0},
    {"16F873", 0x0960},
    {"16F874", 0x0920},
    {"16F876", 0x09E0},
    {"16F877", 0x09A0},
    // DS39589
    {"16F873A", 0x0E40},
    {"16F874A", 0x0E60},
    {"16F876A", 0x0E00},
    {"16F877A", 0x0E20},
    // DS41191
    {"12F629/675", 0x0F80},
    {"16F630/676", 0x10C0},
    // DS41196
    {"16F627A", 0x1040},
    {"16F628A", 0x1060},
    {"16F648A", 0x1100},
    // DS39607: the revision in bits 3:0
    {"16F87", 0x0720, 0x8},
    {"16F88", 0x0760, 0x8},
    // DS41287
    {"16F882", 0x2000, 0x05},
    {"16F883", 0x2020, 0x05},
    {"16F884", 0x2040, 0x05},
    {"16F886", 0x2060, 0x05},
    {"16F887", 0x2080, 0x05},
    // DS39588 (16F72), DS30324
    {"16F72", 0x00A0, 0x01},
    {"16F73", 0x0600, 0x01},
    {"16F74", 0x0620, 0x01},
    {"16F76", 0x0640, 0x01},
    {"16F77", 0x0660, 0x01},
    // DS40245
    {"16F716", 0x1140, 0x02},
    // DS30492
    {"16F737", 0x0BA0, 0x03},
    {"16F747", 0x0BE0, 0x03},
    {"16F767", 0x0EA0, 0x03},
    {"16F777", 0x0DE0, 0x03},
    // DS41204
    {"12F683", 0x0460, 0x04},
    {"16F684", 0x1080, 0x04},
    {"16F685", 0x04A0, 0x04},
    {"16F687", 0x1320, 0x04},
    {"16F688", 0x1180, 0x04},
    {"16F689", 0x1340, 0x04},
    {"16F690", 0x1400, 0x04},
    {"16F631", 0x1420, 0x04},
    {"16F677", 0x1440, 0x04},
    {"12F635", 0x0FA0, 0x04},
    {"16F636", 0x10A0, 0x04},
    {"16F639", 0x10A0, 0x04},
    // DS41244: the revision in bits 3:0
    {"16F913", 0x13E0, 0x9},
    {"16F914", 0x13C0, 0x9},
    {"16F916", 0x13A0, 0x9},
    {"16F917", 0x1380, 0x9},
    {"16F946", 0x1460, 0x9},
    // DS41284
    {"12F609", 0x2240, 0x06},
    {"12F615", 0x2180, 0x06},
    {"12F617", 0x1360, 0x06},
    {"16F610", 0x2260, 0x06},
    {"16F616", 0x1240, 0x06},
    {"12HV609", 0x2280, 0x06},
    {"12HV615", 0x21A0, 0x06},
    {"16HV610", 0x22A0, 0x06},
    {"16HV616", 0x1260, 0x06},
    // DS41390
    {"12F1822", 0x2700, 0x04},
    {"16F1823", 0x2720, 0x04},
    {"16F1824", 0x2740, 0x04},
    {"16F1825", 0x2760, 0x04},
    {"16F1826", 0x2780, 0x04},
    {"16F1827", 0x27A0, 0x04},
    {"16F1828", 0x27C0, 0x04},
    {"16F1829", 0x27E0, 0x04},
    // DS41439
    {"12F1840", 0x1B80, 0x06},
    {"16F1847", 0x1480, 0x06},
    // DS41397
    {"16F1933", 0x2300, 0x02},
    {"16F1934", 0x2340, 0x02},
    {"16F1936", 0x2360, 0x02},
    {"16F1937", 0x2380, 0x02},
    {"16F1938", 0x23A0, 0x02},
    {"16F1939", 0x23C0, 0x02},
    // The LF twins: DS41390, DS41439, DS41397
    {"12LF1822", 0x2800, 0x04},
    {"16LF1823", 0x2820, 0x04},
    {"16LF1824", 0x2840, 0x04},
    {"16LF1825", 0x2860, 0x04},
    {"16LF1826", 0x2880, 0x04},
    {"16LF1827", 0x28A0, 0x04},
    {"16LF1828", 0x28C0, 0x04},
    {"16LF1829", 0x28E0, 0x04},
    {"12LF1840", 0x1BC0, 0x06},
    {"16LF1847", 0x14A0, 0x06},
    {"16LF1933", 0x2400, 0x02},
    {"16LF1934", 0x2440, 0x02},
    {"16LF1936", 0x2460, 0x02},
    {"16LF1937", 0x2480, 0x02},
    {"16LF1938", 0x24A0, 0x02},
    {"16LF1939", 0x24C0, 0x02},
};

}  // namespace

const FamilyModel* FindFamilyModel(Family family) {
  for (const FamilyModel& m : kModels)
    if (m.family == family) return &m;
  return nullptr;
}

std::optional<FamilyModel> PartModel(std::string_view deviceName, Family family) {
  const FamilyModel* row = FindFamilyModel(family);
  if (row == nullptr) return std::nullopt;
  FamilyModel model = *row;
  const std::string twin = TwinOfLfPart(deviceName);
  if (!twin.empty()) model.maxVddMillivolts = kLfAbsoluteMaxVddMillivolts;
  for (const PartSilicon& part : kPartSilicon)
    if (part.device == deviceName || part.device == twin) part.change(model);
  return model;
}

std::uint16_t FactoryDeviceId(std::string_view deviceName) {
  for (const SiliconId& part : kSiliconIds)
    if (part.device == deviceName) return part.id | part.revision;
  return 0x3FFF;
}

}  // namespace lpt::sim
