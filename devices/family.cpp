// SPDX-License-Identifier: GPL-2.0-or-later
#include "devices/family.h"

#include <array>
#include <ostream>

namespace lpt {
namespace {

using F = Family;

// Only what differs from FamilyTraits' defaults (14-bit flash, no data
// EEPROM, supply before Vpp) is written. The 12-bit flash parts enter supply
// first and hold 5 us before Vpp (THLD0 in DS41228, DS41226 and DS41207,
// the same in their siblings' documents). Entry orders of the flash
// mid-range families, from the peers that transcribe the programming
// specifications: 16F87/88 (DS39607), 16F7x (DS39588, DS30324, DS30492) and
// 16F716 (DS40245, which asks for 5 V before 13 V) supply first; 16F88x
// (DS41287) Vpp first, for a configuration that makes MCLR an input. The
// calibrated parts of DS41204, DS41244 and DS41284 are entered Vpp first
// too: the peers that transcribe those documents enter either way, and Vpp
// first is the order that still works when the configuration selects the
// internal oscillator with MCLR as an input.
// The enhanced mid-range (DS41390, DS41439, DS41397) keeps configuration
// memory at 8000h and data EEPROM at F000h in HEX files, and enters with a
// key at the supply voltage.
constexpr FamilyTraits kEnhanced{.dataEeprom = true,
                                 .checksDeviceId = true,
                                 .lowVoltageEntry = true,
                                 .lowVoltageBit = 0x2000,
                                 .configSpace = 0x8000,
                                 .dataEepromFileAddress = 0xF000};
constexpr FamilyTraits Enhanced(Family family) {
  FamilyTraits traits = kEnhanced;
  traits.family = family;
  return traits;
}

// The configuration bits of the Vpp-first families, from gputils' headers:
// FOSC2:0 in bits 2:0 with 10x the internal oscillator and MCLRE bit 5
// (p12f629.inc, p16f887.inc, p12f683.inc, p16f913.inc, p12f609.inc); on the
// 16F627/628 and 16F627A/628A FOSC2 is bit 4 and FOSC1:0 bits 1:0
// (p16f627.inc, p16f628a.inc); on the 12C671/672 MCLRE is bit 7
// (p12c671.inc).
constexpr VppFirstConfig kIntOscMclre5{
    .oscillatorMask = 0x0006, .internalOscillator = 0x0004, .mclrEnable = 0x0020};
constexpr VppFirstConfig kIntOsc16F62x{
    .oscillatorMask = 0x0012, .internalOscillator = 0x0010, .mclrEnable = 0x0020};
constexpr VppFirstConfig kIntOsc12C67x{
    .oscillatorMask = 0x0006, .internalOscillator = 0x0004, .mclrEnable = 0x0080};

constexpr std::array<FamilyTraits, 25> kFamilies{{
    {.family = F::Pic16F84, .dataEeprom = true, .fuseEraseReadBack = true},
    {.family = F::Pic16C6x, .eprom = true},
    {.family = F::Pic16C55x, .eprom = true},
    {.family = F::Pic12C50x, .word12 = true, .eprom = true, .lastWordRule = true},
    {.family = F::Pic16C505, .word12 = true, .eprom = true, .lastWordRule = true},
    {.family = F::Pic12C67x, .eprom = true, .lastWordRule = true, .vppFirst = kIntOsc12C67x},
    {.family = F::Pic14C000, .eprom = true},
    {.family = F::Pic16F62x,
     .dataEeprom = true,
     .fuseEraseReadBack = true,
     .vppFirst = kIntOsc16F62x},
    {.family = F::Pic16F87x, .dataEeprom = true, .fuseEraseReadBack = true},
    {.family = F::Pic12F6xx, .dataEeprom = true, .lastWordRule = true, .vppFirst = kIntOscMclre5},
    {.family = F::Pic16F87xA, .dataEeprom = true},
    {.family = F::Pic16F62xA, .dataEeprom = true, .vppFirst = kIntOsc16F62x},
    {.family = F::Pic12F5xx, .word12 = true, .lastWordRule = true, .vddToVppUs = 5},
    {.family = F::Pic16F5x, .word12 = true, .vddToVppUs = 5},
    {.family = F::Pic16F88, .dataEeprom = true, .checksDeviceId = true},
    {.family = F::Pic16F88x, .dataEeprom = true, .vppFirst = kIntOscMclre5, .checksDeviceId = true},
    {.family = F::Pic16F7x, .checksDeviceId = true},
    {.family = F::Pic16F716, .checksDeviceId = true},
    {.family = F::Pic16F7x7, .checksDeviceId = true},
    {.family = F::Pic12F683, .dataEeprom = true, .vppFirst = kIntOscMclre5, .checksDeviceId = true},
    {.family = F::Pic16F91x, .dataEeprom = true, .vppFirst = kIntOscMclre5, .checksDeviceId = true},
    {.family = F::Pic12F61x, .vppFirst = kIntOscMclre5, .checksDeviceId = true},
    Enhanced(F::Pic16F1827),
    Enhanced(F::Pic16F1847),
    Enhanced(F::Pic16F193x),
}};

}  // namespace

std::ostream& operator<<(std::ostream& out, Family family) { return out << FamilyNumber(family); }

std::span<const FamilyTraits> AllFamilies() { return kFamilies; }

const FamilyTraits* FindFamily(Family family) {
  for (const FamilyTraits& f : kFamilies)
    if (f.family == family) return &f;
  return nullptr;
}

bool IsWord12Family(Family family) {
  const FamilyTraits* f = FindFamily(family);
  return f && f->word12;
}

bool HasDataEeprom(Family family) {
  const FamilyTraits* f = FindFamily(family);
  return f && f->dataEeprom;
}

bool VppBeforeVdd(Family family) {
  const FamilyTraits* f = FindFamily(family);
  return f && f->vppFirst.mclrEnable != 0;
}

bool RunsOnSupplyAlone(Family family, std::uint16_t config) {
  if (!VppBeforeVdd(family)) return false;
  const VppFirstConfig& bits = FindFamily(family)->vppFirst;
  return (config & bits.oscillatorMask) == bits.internalOscillator &&
         (config & bits.mclrEnable) == 0;
}

bool HasLastWordRule(Family family) {
  const FamilyTraits* f = FindFamily(family);
  return f && f->lastWordRule;
}

bool ChecksDeviceIdBeforeWriting(Family family) {
  const FamilyTraits* f = FindFamily(family);
  return f && f->checksDeviceId;
}

std::uint32_t VddToVppUs(Family family) {
  const FamilyTraits* f = FindFamily(family);
  return f ? f->vddToVppUs : FamilyTraits{}.vddToVppUs;
}

bool HasLowVoltageEntry(Family family) {
  const FamilyTraits* f = FindFamily(family);
  return f && f->lowVoltageEntry;
}

std::uint16_t LowVoltageBit(Family family) {
  const FamilyTraits* f = FindFamily(family);
  return f ? f->lowVoltageBit : 0;
}

std::uint16_t ConfigSpaceAddress(Family family) {
  const FamilyTraits* f = FindFamily(family);
  return f ? f->configSpace : FamilyTraits{}.configSpace;
}

std::uint16_t ConfigWordFileAddress(Family family) {
  return static_cast<std::uint16_t>(ConfigSpaceAddress(family) + 7);
}

std::uint16_t DataEepromFileAddress(Family family) {
  const FamilyTraits* f = FindFamily(family);
  return f ? f->dataEepromFileAddress : FamilyTraits{}.dataEepromFileAddress;
}

bool IsErasable(Family family) {
  const FamilyTraits* f = FindFamily(family);
  return f && !f->eprom;
}

const char* BlankProgramText(Family family) { return IsWord12Family(family) ? "FFF" : "3FFF"; }

int ProgramDigits(Family family) { return IsWord12Family(family) ? 3 : 4; }

std::uint16_t BlankProgramValue(Family family) { return IsWord12Family(family) ? 0x0FFF : 0x3FFF; }

}  // namespace lpt
