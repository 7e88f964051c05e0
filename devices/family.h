// Programming families: the facts about a family that the passes, the
// protocol and the file code branch on, kept as data so that nobody repeats
// a list of family codes.
#pragma once

#include <cstdint>
#include <span>

namespace lpt {

struct FamilyTraits {
  int code;                // FamilyCode
  bool word12;             // Word12Family: 12-bit words, three hex digits
  bool dataEeprom;         // has data EEPROM (read, verified, saved)
  bool vppBeforeVdd;       // programming voltage before supply on entry
  bool fuseEraseReadBack;  // fuse erase ends with a read-back check
  bool eprom;              // one-time / UV-erasable: no electrical erase
  // The last program word holds the factory oscillator calibration value:
  // program, verify and blank passes end before it and never touch it.
  bool lastWordRule;
};

// Every family of the catalogue, in ascending code order.
std::span<const FamilyTraits> AllFamilies();

// Traits of a family code; nullptr for a code no row uses (0 included).
const FamilyTraits* FindFamily(int code);

bool IsWord12Family(int code);
bool HasDataEeprom(int code);
bool VppBeforeVdd(int code);
bool HasLastWordRule(int code);
// Electrically erasable: the Erase command is offered (layouts agree).
bool IsErasable(int code);

// Blank program word as grid text: "FFF" (12-bit) or "3FFF" (14-bit).
const char* BlankProgramText(int code);
// Digits of a program word in the grid: 3 or 4.
int ProgramDigits(int code);
// Largest program word value: FFFh or 3FFFh.
std::uint16_t BlankProgramValue(int code);

}  // namespace lpt
