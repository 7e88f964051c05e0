// SPDX-License-Identifier: GPL-2.0-or-later
// Programming families: the facts about a family that the passes, the
// protocol and the file code branch on, kept as data so that nobody repeats
// a list of family codes.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <span>

namespace lpt {

// A programming family: the parts one programming algorithm serves. The
// values are the catalogue's family numbers, shown by `lptpic-cli devices`.
enum class Family : std::uint8_t {
  None = 0,         // before the first device is selected
  Pic16F84 = 1,     // 16F83, 16F84(A), 16C84
  Pic16C6x = 4,     // 14-bit EPROM: 16C6x/7x/62x/71x/77x/745/765/92x
  Pic16C55x = 17,   // 16C554/556/558
  Pic12C50x = 20,   // 12C508(A)/509(A), 12CE518/519
  Pic16C505 = 21,   // 16C505
  Pic12C67x = 22,   // 12C671/672, 12CE673/674
  Pic14C000 = 24,   // 14C000
  Pic16F62x = 25,   // 16F627, 16F628
  Pic16F87x = 27,   // 16F870 to 16F877
  Pic12F6xx = 28,   // 12F629/675, 16F630/676
  Pic16F87xA = 30,  // 16F87xA
  Pic16F62xA = 40,  // 16F627A/628A/648A
  Pic12F5xx = 41,   // 12-bit flash with OSCCAL: 10F200-206, 10F220/222, 12F508-510, 16F505/506
  Pic16F5x = 42,    // 12-bit flash without OSCCAL: 16F54, 16F57, 16F59
  Pic16F88 = 43,    // 16F87, 16F88
  Pic16F88x = 44,   // 16F882, 16F883, 16F884, 16F886, 16F887
  Pic16F7x = 45,    // 16F72, 16F73, 16F74, 16F76, 16F77
  Pic16F716 = 46,   // 16F716
  Pic16F7x7 = 47,   // 16F737, 16F747, 16F767, 16F777
  Pic12F683 = 48,   // 12F683, 16F684/685/687/688/689/690, 16F631/677, 12F635, 16F636/639
  Pic16F91x = 49,   // 16F913, 16F914, 16F916, 16F917, 16F946
  Pic12F61x = 50,   // 12F609/615/617, 16F610/616 and the 12HV609/615, 16HV610/616
  // The enhanced mid-range: configuration memory at 8000h, entered at low
  // voltage.
  Pic16F1827 = 51,  // 12F1822, 16F1823 to 16F1829
  Pic16F1847 = 52,  // 12F1840, 16F1847
  Pic16F193x = 53,  // 16F1933, 16F1934, 16F1936 to 16F1939
};

// The family's catalogue number.
constexpr int FamilyNumber(Family family) { return static_cast<int>(family); }
// Writes the family's number.
std::ostream& operator<<(std::ostream& out, Family family);

// The configuration that lets a chip run its own program as soon as it has
// supply: the internal oscillator ((word & oscillatorMask) ==
// internalOscillator) with MCLR an input (the mclrEnable bit 0). A later Vpp
// no longer takes such a chip into programming mode, so its document asks
// for Vpp before Vdd; a family that names these bits is entered Vpp first
// whatever its configuration. mclrEnable 0: supply first.
struct VppFirstConfig {
  std::uint16_t oscillatorMask = 0;
  std::uint16_t internalOscillator = 0;
  std::uint16_t mclrEnable = 0;
};

struct FamilyTraits {
  Family family = Family::None;
  bool word12 = false;             // 12-bit words, three hex digits
  bool dataEeprom = false;         // has data EEPROM (read, verified, saved)
  bool fuseEraseReadBack = false;  // fuse erase ends with a read-back check
  bool eprom = false;              // one-time / UV-erasable: no electrical erase
  // The last program word holds the factory oscillator calibration value:
  // program, verify and blank passes end before it and never touch it.
  bool lastWordRule = false;
  // Programming voltage before supply on entry, and why.
  VppFirstConfig vppFirst{};
  // Before anything is written the chip's device ID is read and must name
  // the selected part (unless the user insists); for the other families
  // that check is a setting, so that what they send stays as it was.
  bool checksDeviceId = false;
  // Supply-first entry: microseconds from Vdd to Vpp (the hold time THLD0
  // of the programming specifications).
  std::uint8_t vddToVppUs = 2;
  // The parts also enter programming mode at their supply voltage: MCLR
  // held low and a key clocked in, with no Vpp at all.
  bool lowVoltageEntry = false;
  // The bit of the second configuration word that keeps low-voltage entry
  // on (LVP); 0 for none.
  std::uint16_t lowVoltageBit = 0;
  // Where configuration memory (ID words, device ID, configuration words)
  // begins in the address counter: 2000h, 8000h on the enhanced parts.
  std::uint16_t configSpace = 0x2000;
  // Word address of the first data-EEPROM byte in a HEX file: 2100h, F000h
  // on the enhanced parts (byte address 1E000h).
  std::uint16_t dataEepromFileAddress = 0x2100;
};

// Every family of the catalogue, in ascending code order.
std::span<const FamilyTraits> AllFamilies();

// Traits of a family; nullptr for Family::None.
const FamilyTraits* FindFamily(Family family);

bool IsWord12Family(Family family);
bool HasDataEeprom(Family family);
bool VppBeforeVdd(Family family);
// Whether `config` lets a chip of the family run its program from supply
// alone (see VppFirstConfig); false for the families entered supply first.
bool RunsOnSupplyAlone(Family family, std::uint16_t config);
bool HasLastWordRule(Family family);
bool ChecksDeviceIdBeforeWriting(Family family);
// The wait between supply and Vpp of a supply-first entry.
std::uint32_t VddToVppUs(Family family);
bool HasLowVoltageEntry(Family family);
// The LVP bit of the second configuration word; 0 for none.
std::uint16_t LowVoltageBit(Family family);
// Configuration memory's first address: 2000h, or 8000h.
std::uint16_t ConfigSpaceAddress(Family family);
// The word address of the configuration word (first of two): 2007h, 8007h.
std::uint16_t ConfigWordFileAddress(Family family);
// The HEX file's word address of the first data-EEPROM byte.
std::uint16_t DataEepromFileAddress(Family family);
// Electrically erasable: the Erase command is offered (layouts agree).
bool IsErasable(Family family);

// Blank program word as grid text: "FFF" (12-bit) or "3FFF" (14-bit).
const char* BlankProgramText(Family family);
// Digits of a program word in the grid: 3 or 4.
int ProgramDigits(Family family);
// Largest program word value: FFFh or 3FFFh.
std::uint16_t BlankProgramValue(Family family);

}  // namespace lpt
