#include "devices/family.h"

#include <array>

namespace lpt {
namespace {

// code, word12, dataEeprom, vppBeforeVdd, fuseEraseReadBack, eprom, lastWordRule
constexpr std::array<FamilyTraits, 12> kFamilies{{
    {1, false, true, false, true, false, false},    // 16F84, 16F84A, 16F83, 16C84
    {4, false, false, false, false, true, false},   // 16C6x/7x/62x/71x/77x/745/92x
    {17, false, false, false, false, true, false},  // 16C55x
    {20, true, false, false, false, true, true},    // 12C508/509, 12CE518/519
    {21, true, false, false, false, true, true},    // 16C505
    {22, false, false, true, false, true, true},    // 12C67x, 12CE67x
    {24, false, false, false, false, true, false},  // 14C000
    {25, false, true, true, true, false, false},    // 16F627, 16F628
    {27, false, true, false, true, false, false},   // 16F87x
    {28, false, true, true, false, false, true},    // 12F629/675, 16F630/676
    {30, false, true, false, false, false, false},  // 16F877A
    {40, false, true, true, false, false, false},   // 16F627A, 16F628A
}};

}  // namespace

std::span<const FamilyTraits> AllFamilies() { return kFamilies; }

const FamilyTraits* FindFamily(int code) {
  for (const FamilyTraits& f : kFamilies)
    if (f.code == code) return &f;
  return nullptr;
}

bool IsWord12Family(int code) {
  const FamilyTraits* f = FindFamily(code);
  return f && f->word12;
}

bool HasDataEeprom(int code) {
  const FamilyTraits* f = FindFamily(code);
  return f && f->dataEeprom;
}

bool VppBeforeVdd(int code) {
  const FamilyTraits* f = FindFamily(code);
  return f && f->vppBeforeVdd;
}

bool HasLastWordRule(int code) {
  const FamilyTraits* f = FindFamily(code);
  return f && f->lastWordRule;
}

bool IsErasable(int code) {
  const FamilyTraits* f = FindFamily(code);
  return f && !f->eprom;
}

const char* BlankProgramText(int code) { return IsWord12Family(code) ? "FFF" : "3FFF"; }

int ProgramDigits(int code) { return IsWord12Family(code) ? 3 : 4; }

std::uint16_t BlankProgramValue(int code) { return IsWord12Family(code) ? 0x0FFF : 0x3FFF; }

}  // namespace lpt
