#include "ops/write_waits.h"

#include <array>
#include <cctype>
#include <span>

namespace lpt {
namespace {

struct FamilyWaits {
  Family family;
  WriteWaits waits;
};

// Every figure is what the maker states the cycle needs: the maximum of an
// internally timed cycle, the minimum programming time of an externally
// timed one. Where the simulated chip is modelled slower than that figure
// (an erase that the setup sequence must hold for 10 ms), its time is taken
// instead, so the profile is never shorter than either.
constexpr std::array<FamilyWaits, 11> kDatasheet{{
    // 16F83/84/84A, 16C84: PIC16F8X / PIC16F84A EEPROM memory programming
    // specifications, AC/DC characteristics table: erase/program cycle
    // ≤ 10 ms for program memory, IDs and configuration word, bulk and setup
    // erase ≤ 10 ms. The 16F83/84 data EEPROM needs up to 20 ms, so data
    // bytes keep the standard wait.
    {Family::Pic16F84,
     {.programWordUs = 10000,
      .dataByteUs = 20000,
      .idWordUs = 10000,
      .configWordUs = 10000,
      .eraseUs = 10000}},
    // 16F627/628: PIC16F62X EEPROM memory programming specification, AC/DC
    // characteristics table: erase ≤ 5 ms, programming ≤ 8 ms. Begin
    // Erase/Programming (08h) runs both, so every write waits 13 ms; the
    // setup-sequence erase is held 10 ms.
    {Family::Pic16F62x,
     {.programWordUs = 13000,
      .dataByteUs = 13000,
      .idWordUs = 13000,
      .configWordUs = 13000,
      .eraseUs = 10000}},
    // 16F870-877: PIC16F87X EEPROM memory programming specification, AC/DC
    // characteristics table: Begin Programming Only (18h) ≤ 4 ms, Begin
    // Erase/Programming (08h) ≤ 8 ms; data EEPROM ≤ 8 ms; the setup-sequence
    // erase is held 10 ms.
    {Family::Pic16F87x,
     {.programWordUs = 4000,
      .dataByteUs = 8000,
      .idWordUs = 8000,
      .configWordUs = 8000,
      .eraseUs = 10000}},
    // 12F629/675, 16F630/676: PIC12F629/675/PIC16F630/676 memory programming
    // specification, AC/DC characteristics table: program memory write
    // ≤ 3 ms, data EEPROM write ≤ 6 ms, bulk erase ≤ 6 ms.
    {Family::Pic12F6xx,
     {.programWordUs = 3000,
      .dataByteUs = 6000,
      .idWordUs = 3000,
      .configWordUs = 3000,
      .eraseUs = 6000}},
    // 16F873A/874A/876A/877A: PIC16F87XA flash memory programming
    // specification DS39589, AC/DC characteristics table: externally timed
    // Begin Programming (18h) ... End Programming (17h) at least 1 ms for
    // program memory and data EEPROM; internally timed Begin
    // Erase/Programming (08h) ≤ 8 ms; chip erase held 10 ms.
    {Family::Pic16F87xA,
     {.programWordUs = 1000,
      .dataByteUs = 1000,
      .idWordUs = 8000,
      .configWordUs = 8000,
      .eraseUs = 10000}},
    // 16F627A/628A/648A: PIC16F627A/628A/648A EEPROM memory programming
    // specification DS41196, AC/DC characteristics table: Begin
    // Erase/Programming (08h) ≤ 6 ms for program memory, data EEPROM, IDs
    // and configuration word; bulk erase held 10 ms.
    {Family::Pic16F62xA,
     {.programWordUs = 6000,
      .dataByteUs = 6000,
      .idWordUs = 6000,
      .configWordUs = 6000,
      .eraseUs = 10000}},
    // 16F87/88: PIC16F87/88 flash memory programming specification DS39607,
    // as Pickle transcribes page 9: Begin Programming Only (18h) TPROG1
    // 1 ms for a row of latches and a data byte, Begin Erase Programming
    // (08h) TPROG2 1 ms for an ID or configuration word, both ended by 17h;
    // Chip Erase TPROG4 10 ms. The wait after 17h is not given: 100 us, the
    // longest a peer waits (Pickle).
    {Family::Pic16F88,
     {.programWordUs = 1000,
      .dataByteUs = 1000,
      .idWordUs = 1000,
      .configWordUs = 1000,
      .eraseUs = 10000,
      .dischargeUs = 100}},
    // 16F882-887: DS41287 page 13 (Pickle): 18h TPROG2 2.5 ms for a row,
    // ended by 0Ah, TDIS 100 us; 08h TPROG1 3 ms for ID, configuration and
    // calibration words, 6 ms for a data byte; bulk and row erase TERA 6 ms.
    {Family::Pic16F88x,
     {.programWordUs = 2500,
      .dataByteUs = 6000,
      .idWordUs = 3000,
      .configWordUs = 3000,
      .eraseUs = 6000,
      .dischargeUs = 100}},
    // 16F72-77: DS30324 page 4 (Pickle; the 16F72's DS39588 was not at hand,
    // the peers treat it as the 16F73): 08h, externally timed, TPROG 1 ms,
    // ended by 0Eh; bulk erase TERA 30 ms. The wait after 0Eh is not given:
    // 1 ms, the longest a peer waits (OpenProg, after the configuration word).
    {Family::Pic16F7x,
     {.programWordUs = 1000,
      .idWordUs = 1000,
      .configWordUs = 1000,
      .eraseUs = 30000,
      .dischargeUs = 1000}},
    // 16F716: DS40245 page 5 (Pickle): 18h TPROG 2 ms ended by 0Eh, TDIS
    // 100 us; bulk erase TERA 6 ms.
    {Family::Pic16F716,
     {.programWordUs = 2000,
      .idWordUs = 2000,
      .configWordUs = 2000,
      .eraseUs = 6000,
      .dischargeUs = 100}},
    // 16F737-777: DS30492 page 7 (Pickle): as the 16F7x.
    {Family::Pic16F7x7,
     {.programWordUs = 1000,
      .idWordUs = 1000,
      .configWordUs = 1000,
      .eraseUs = 30000,
      .dischargeUs = 1000}},
}};

// The standard profile of the flash families with write latches: at least
// twice the datasheet figure, rounded up to whole milliseconds, and never
// less than the longest wait a peer uses for the step (OpenProg, usbpicprog,
// Pickle; tests/data/devices/wait_times.tsv).
constexpr std::array<FamilyWaits, 5> kStandard{{
    {Family::Pic16F88,
     {.programWordUs = 2000,
      .dataByteUs = 2000,
      .idWordUs = 2000,
      .configWordUs = 2000,
      .eraseUs = 20000,
      .dischargeUs = 1000}},
    {Family::Pic16F88x,
     {.programWordUs = 5000,
      .dataByteUs = 12000,
      .idWordUs = 6000,
      .configWordUs = 6000,
      .eraseUs = 12000,
      .dischargeUs = 1000}},
    {Family::Pic16F7x,
     {.programWordUs = 2000,
      .idWordUs = 2000,
      .configWordUs = 2000,
      .eraseUs = 60000,
      .dischargeUs = 2000}},
    {Family::Pic16F716,
     {.programWordUs = 4000,
      .idWordUs = 4000,
      .configWordUs = 4000,
      .eraseUs = 30000,
      .dischargeUs = 1000}},
    {Family::Pic16F7x7,
     {.programWordUs = 2000,
      .idWordUs = 2000,
      .configWordUs = 2000,
      .eraseUs = 60000,
      .dischargeUs = 2000}},
}};

const WriteWaits* FindWaits(std::span<const FamilyWaits> table, Family family) {
  for (const FamilyWaits& row : table)
    if (row.family == family) return &row.waits;
  return nullptr;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace

std::optional<TimingProfile> ParseTimingProfile(std::string_view name) {
  if (SameIgnoringCase(name, "standard")) return TimingProfile::Standard;
  if (SameIgnoringCase(name, "datasheet")) return TimingProfile::Datasheet;
  return std::nullopt;
}

std::string_view TimingProfileName(TimingProfile profile) {
  return profile == TimingProfile::Datasheet ? "Datasheet" : "Standard";
}

std::uint32_t WriteWaits::Of(WaitKind kind) const {
  switch (kind) {
    case WaitKind::ProgramWord:
      return programWordUs;
    case WaitKind::DataByte:
      return dataByteUs;
    case WaitKind::IdWord:
      return idWordUs;
    case WaitKind::ConfigWord:
      return configWordUs;
    case WaitKind::Erase:
      return eraseUs;
    case WaitKind::Discharge:
      return dischargeUs;
  }
  return 0;
}

const WriteWaits* DatasheetWaits(Family family) { return FindWaits(kDatasheet, family); }

const WriteWaits* StandardWaits(Family family) { return FindWaits(kStandard, family); }

}  // namespace lpt
