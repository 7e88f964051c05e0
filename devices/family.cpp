// SPDX-License-Identifier: GPL-2.0-or-later
#include "devices/family.h"

#include <array>
#include <ostream>

namespace lpt {
namespace {

using F = Family;

// Only what differs from FamilyTraits' defaults (14-bit flash, no data
// EEPROM, supply before Vpp) is written.
constexpr std::array<FamilyTraits, 12> kFamilies{{
    {.family = F::Pic16F84, .dataEeprom = true, .fuseEraseReadBack = true},
    {.family = F::Pic16C6x, .eprom = true},
    {.family = F::Pic16C55x, .eprom = true},
    {.family = F::Pic12C50x, .word12 = true, .eprom = true, .lastWordRule = true},
    {.family = F::Pic16C505, .word12 = true, .eprom = true, .lastWordRule = true},
    {.family = F::Pic12C67x, .vppBeforeVdd = true, .eprom = true, .lastWordRule = true},
    {.family = F::Pic14C000, .eprom = true},
    {.family = F::Pic16F62x, .dataEeprom = true, .vppBeforeVdd = true, .fuseEraseReadBack = true},
    {.family = F::Pic16F87x, .dataEeprom = true, .fuseEraseReadBack = true},
    {.family = F::Pic12F6xx, .dataEeprom = true, .vppBeforeVdd = true, .lastWordRule = true},
    {.family = F::Pic16F87xA, .dataEeprom = true},
    {.family = F::Pic16F62xA, .dataEeprom = true, .vppBeforeVdd = true},
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
  return f && f->vppBeforeVdd;
}

bool HasLastWordRule(Family family) {
  const FamilyTraits* f = FindFamily(family);
  return f && f->lastWordRule;
}

bool IsErasable(Family family) {
  const FamilyTraits* f = FindFamily(family);
  return f && !f->eprom;
}

const char* BlankProgramText(Family family) { return IsWord12Family(family) ? "FFF" : "3FFF"; }

int ProgramDigits(Family family) { return IsWord12Family(family) ? 3 : 4; }

std::uint16_t BlankProgramValue(Family family) { return IsWord12Family(family) ? 0x0FFF : 0x3FFF; }

}  // namespace lpt
