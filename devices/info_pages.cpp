// SPDX-License-Identifier: GPL-2.0-or-later
#include "devices/info_pages.h"

#include <initializer_list>
#include <span>

namespace lpt {
namespace {

using std::string_view;
using Block = std::span<const string_view>;

// Shared blocks, reused by several pages.
constexpr string_view kCpQuarters[] = {
    "CP0=OFF, CP1=OFF - Code protection OFF",
    "CP0=ON, CP1=OFF  - Upper 1/2 memory code protected",
    "CP0=OFF, CP1=ON  - Upper 3/4 memory code protected",
    "CP0=ON, CP1=ON   - All memory is protected",
};
constexpr string_view kMclr[] = {
    "MCLR=Ex - MCLR pin enabled",
    "MCLR=In - MCLR internally connected to VDD",
};
constexpr string_view kLvp[] = {
    "LVP=ON - RB3/PGM pin has PGM function, low voltage programming enabled",
    "LVP=OFF - RB3 is digital I/O, HV on MCLR must be used for programming",
};
constexpr string_view kWrt[] = {
    "WRT=ON - Unprotected program memory may be written to by EECON control",
    "WRT=OFF - Unprotected program memory may not be written to by EECON control",
};
constexpr string_view kFoscRa6[] = {
    "FOSC0=1 FOSC1=1 FOSC2=1 - External RC oscillator/CLKOUT function on RA6 pin",
    "FOSC0=0 FOSC1=1 FOSC2=1 - External RC oscillator/ I/O function on RA6 pin",
    "FOSC0=1 FOSC1=0 FOSC2=1 - Internal RC oscillator/CLKOUT function on RA6 pin, I/O function "
    "on RA7",
    "FOSC0=0 FOSC1=0 FOSC2=1 - Internal RC oscillator/ I/O function on RA6 pin,  I/O function "
    "on RA7 pin",
    "FOSC0=1 FOSC1=1 FOSC2=0 - ExtClk/ I/O function on RA6 pin, ClkIn on RA7",
    "FOSC0=0 FOSC1=1 FOSC2=0 - HS oscillator",
    "FOSC0=1 FOSC1=0 FOSC2=0 - XT oscillator",
    "FOSC0=0 FOSC1=0 FOSC2=0 - LP oscillator",
};
constexpr string_view kSep[] = {kInfoSeparator};

// Page-specific lines.
constexpr string_view k16C620Protect[] = {
    "CP0=OFF, CP1=OFF - Code protection OFF", "CP0=ON, CP1=OFF  - Code protection OFF",
    "CP0=OFF, CP1=ON  - Code protection OFF", "CP0=ON, CP1=ON   - All memory is protected"};
constexpr string_view k16C621Protect[] = {
    "CP0=OFF, CP1=OFF - Code protection OFF", "CP0=ON, CP1=OFF  - Code protection OFF",
    "CP0=OFF, CP1=ON  - Upper 1/2 of program memory code protected",
    "CP0=ON, CP1=ON   - All memory is protected"};
constexpr string_view k16C71xProtect[] = {
    "CP0=OFF - Code protection OFF", "CP0=ON  - All memory is protected, but 00h-3Fh is writable"};
constexpr string_view kBrownOutVoltages[] = {
    "BorV0=1, BorV1=1 - VBor set to 2,5V", "BorV0=0, BorV1=1  - VBor set to 2,7V",
    "BorV0=1,  BorV1=0 - VBor set to 4,2V", "BorV0=0,  BorV1=0 -  VBor set to 4,5V"};
constexpr string_view kUsbOscillators[] = {
    "Osc E  - external clock with 4K PLL", "Osc H  - HS oscilator with 4K PL enabled",
    "Osc EC - external clock with CLKOUT on OSC2", "Osc HS - oscilator"};
constexpr string_view k16C925Protect[] = {
    "CP0=OFF, CP1=OFF - Code protection OFF",
    "CP0=ON, CP1=OFF  - Lower 1/2 memory code protected (0000h-07FFh)",
    "CP0=OFF, CP1=ON  - All but last 256 bytes of memory code protected (0000h-0EFFh)",
    "CP0=ON, CP1=ON   - All memory is protected"};
constexpr string_view k16C926Protect[] = {
    "CP0=OFF, CP1=OFF - Code protection OFF",
    "CP0=ON, CP1=OFF  - Lower 1/2 memory code protected (0000h-0FFFh)",
    "CP0=OFF, CP1=ON  - All but last 256 bytes of memory code protected (0000h-1EFFh)",
    "CP0=ON, CP1=ON   - All memory is protected"};
constexpr string_view k16C505Oscillators[] = {
    "FOSC0=1 FOSC1=1 FOSC2=1 - External RC oscillator/CLKOUT function on RB4 pin",
    "FOSC0=0 FOSC1=1 FOSC2=1 - External RC oscillator/RB4 function on RB4 pin",
    "FOSC0=1 FOSC1=0 FOSC2=1 - Internal RC oscillator/CLKOUT function on RB4 pin",
    "FOSC0=0 FOSC1=0 FOSC2=1 - Internal RC oscillator/RB4 function on RB4 pin",
    "FOSC0=0 FOSC1=1 FOSC2=0 - HS oscillator",
    "FOSC0=1 FOSC1=0 FOSC2=0 - XT oscillator",
    "FOSC0=0 FOSC1=0 FOSC2=0 - LP oscillator"};
constexpr string_view k16C554Protect[] = {
    "CP0=OFF, CP1=OFF - Code protection OFF", "CP0=ON, CP1=OFF  - Do not use",
    "CP0=OFF, CP1=ON  - Do not use", "CP0=ON, CP1=ON   - All memory protected"};
constexpr string_view k16C556Protect[] = {
    "CP0=OFF, CP1=OFF - Code protection OFF", "CP0=ON, CP1=OFF  - Do not use",
    "CP0=OFF, CP1=ON  - Upper 1/2 memory protected", "CP0=ON, CP1=ON   - All memory protected"};
constexpr string_view k12C67xOscillatorsAndProtect[] = {
    "FOSC0=1 FOSC1=1 FOSC2=1 - External RC oscillator/CLKOUT function on GP4 pin",
    "FOSC0=0 FOSC1=1 FOSC2=1 - External RC oscillator/GP4 function on GP4 pin",
    "FOSC0=1 FOSC1=0 FOSC2=1 - Internal RC oscillator/CLKOUT function on GP4 pin",
    "FOSC0=0 FOSC1=0 FOSC2=1 - Internal RC oscillator/GP4 function on GP4 pin",
    "FOSC0=0 FOSC1=1 FOSC2=0 - HS oscillator",
    "FOSC0=1 FOSC1=0 FOSC2=0 - XT oscillator",
    "FOSC2=0 FOSC1=0 FOSC0=0 - LP oscillator",
    "CP0=OFF, CP1=OFF - Code protection OFF",
    "CP0=ON, CP1=OFF  - 0400h to 07FFh code protected",
    "CP0=OFF, CP1=ON  - 0200h to 07FFh code protected",
    "CP0=ON, CP1=ON   - 0000h to 07FFh code protected"};
constexpr string_view k14C000ProtectAndOscillator[] = {"CPP0=OFF, CPP1=OFF - All unprotected",
                                                       "CPP0=OFF, CPP1=ON - N/A",
                                                       "CPP0=ON, CPP1=OFF - N/A",
                                                       "CPP0=ON, CPP1=ON - All protected",
                                                       "Osc: HS - crystal/resonator",
                                                       "Osc: In RC - Internal RC oscillator"};
constexpr string_view k16F627Protect[] = {"CP0=OFF, CP1=OFF - Program memory code protection OFF",
                                          "CP0=OFF, CP1=ON - 0200h-03FFh code protected",
                                          "CP0=ON, CP1=OFF - Program memory code protection OFF",
                                          "CP0=ON, CP1=ON - 0000h-03FFh code protected"};
constexpr string_view k16F628Protect[] = {"CP0=OFF, CP1=OFF - Program memory code protection OFF",
                                          "CP0=OFF, CP1=ON - 0200h-07FFh code protected",
                                          "CP0=ON, CP1=OFF - 0400h-07FFh code protected",
                                          "CP0=ON, CP1=ON - 0000h-07FFh code protected"};
constexpr string_view k16F87x2KProtect[] = {
    "CP0=OFF, CP1=OFF - Code protection OFF", "CP0=OFF, CP1=ON - Not supported",
    "CP0=ON, CP1=OFF - Not supported", "CP0=ON, CP1=ON - 0000h-7FFh - code protected"};
constexpr string_view k16F87x4KProtect[] = {"CP0=OFF, CP1=OFF - Code protection OFF",
                                            "CP0=OFF, CP1=ON - 0800h-0FFFh - code protected",
                                            "CP0=ON, CP1=OFF - 0F00h-0FFFh - code protected",
                                            "CP0=ON, CP1=ON - 0000h-0FFFh - code protected"};
constexpr string_view k16F87x8KProtect[] = {"CP0=OFF, CP1=OFF - Code protection OFF",
                                            "CP0=OFF, CP1=ON - 1000h-1FFFh - code protected",
                                            "CP0=ON, CP1=OFF - 1F00h-1FFFh - code protected",
                                            "CP0=ON, CP1=ON - 0000h-1FFFh - code protected"};
constexpr string_view kFoscRa4[] = {
    "FOSC0=1 FOSC1=1 FOSC2=1 - External RC oscillator: CLKOUT function on RA4 pin",
    "FOSC0=0 FOSC1=1 FOSC2=1 - External RC oscillator: I/O function on RA4 pin",
    "FOSC0=1 FOSC1=0 FOSC2=1 - Internal RC oscillator: CLKOUT function on RA4 pin, I/O function "
    "on RA5",
    "FOSC0=0 FOSC1=0 FOSC2=1 - Internal RC oscillator: I/O function on RA4, RA5 pins",
    "FOSC0=1 FOSC1=1 FOSC2=0 - ExtClk: I/O function on RA4 pin, ClkIn on RA5",
    "FOSC0=0 FOSC1=1 FOSC2=0 - HS oscillator",
    "FOSC0=1 FOSC1=0 FOSC2=0 - XT oscillator",
    "FOSC0=0 FOSC1=0 FOSC2=0 - LP oscillator"};
constexpr string_view kMclrAlternate[] = {
    "MCLR=ON  - MCLR pin is  MCLR function",
    "MCLR=OFF - MCLR pin is alternate function, MCLR function is internally disabled"};
constexpr string_view kFoscGp4[] = {
    "FOSC0=1 FOSC1=1 FOSC2=1 - External RC oscillator: CLKOUT function on GP4 pin",
    "FOSC0=0 FOSC1=1 FOSC2=1 - External RC oscillator: I/O function on GP4 pin",
    "FOSC0=1 FOSC1=0 FOSC2=1 - Internal RC oscillator: CLKOUT function on GP4 pin, I/O function "
    "on GP5",
    "FOSC0=0 FOSC1=0 FOSC2=1 - Internal RC oscillator: I/O function on GP4, GP5 pins",
    "FOSC0=1 FOSC1=1 FOSC2=0 - ExtClk: I/O function on GP4 pin, ClkIn on GP5",
    "FOSC0=0 FOSC1=1 FOSC2=0 - HS oscillator",
    "FOSC0=1 FOSC1=0 FOSC2=0 - XT oscillator",
    "FOSC0=0 FOSC1=0 FOSC2=0 - LP oscillator"};
constexpr string_view k16F87xA8KProtect[] = {
    "CP=OFF - Code protection OFF",
    "CP=ON  - Code protected",
    "BkBug=OFF - Background debugger functions not enabled",
    "BkBug=ON - Background debugger functional",
    "WRT0=OFF, WRT1=OFF - Write protection OFF",
    "WRT0=ON,  WRT1=OFF - 0000h to 00FFh write protected, 0100h to 1FFFh may be modified by "
    "EECON conrol",
    "WRT0=OFF, WRT1=ON  - 0000h to 07FFh write protected, 0800h to 1FFFh may be modified by "
    "EECON conrol",
    "WRT0=ON,  WRT1=ON - 0000h to 0FFFh write protected, 1000h to 1FFFh may be modified by "
    "EECON conrol"};

// The 4K parts of the same family: the same bits, half the address ranges.
constexpr string_view k16F87xA4KProtect[] = {
    "CP=OFF - Code protection OFF",
    "CP=ON  - Code protected",
    "BkBug=OFF - Background debugger functions not enabled",
    "BkBug=ON - Background debugger functional",
    "WRT0=OFF, WRT1=OFF - Write protection OFF",
    "WRT0=ON,  WRT1=OFF - 0000h to 00FFh write protected, 0100h to 0FFFh may be modified by "
    "EECON control",
    "WRT0=OFF, WRT1=ON  - 0000h to 03FFh write protected, 0400h to 0FFFh may be modified by "
    "EECON control",
    "WRT0=ON,  WRT1=ON - 0000h to 07FFh write protected, 0800h to 0FFFh may be modified by "
    "EECON control"};

// The settings of the later flash parts, as their headers (p16f88.inc,
// p16f887.inc, p16f737.inc) describe them.
constexpr string_view kFosc16F88[] = {
    "FOSC0=1 FOSC1=1 FOSC2=1 - EXTRC oscillator, CLKO function on RA6",
    "FOSC0=0 FOSC1=1 FOSC2=1 - EXTRC oscillator, I/O function on RA6",
    "FOSC0=1 FOSC1=0 FOSC2=1 - INTRC oscillator, CLKO function on RA6, I/O function on RA7",
    "FOSC0=0 FOSC1=0 FOSC2=1 - INTRC oscillator, I/O function on RA6 and RA7",
    "FOSC0=1 FOSC1=1 FOSC2=0 - ECIO, I/O function on RA6, clock in on RA7",
    "FOSC0=0 FOSC1=1 FOSC2=0 - HS oscillator",
    "FOSC0=1 FOSC1=0 FOSC2=0 - XT oscillator",
    "FOSC0=0 FOSC1=0 FOSC2=0 - LP oscillator"};
constexpr string_view kWrt16F88[] = {"WRT0=1, WRT1=1 - Write protection off",
                                     "WRT0=0, WRT1=1 - 0000h to 00FFh write-protected",
                                     "WRT0=1, WRT1=0 - 0000h to 07FFh write-protected",
                                     "WRT0=0, WRT1=0 - 0000h to 0FFFh write-protected"};
constexpr string_view kCcpmx16F88[] = {"CCPMX=RB0 - CCP1 function on RB0",
                                       "CCPMX=RB3 - CCP1 function on RB3"};
constexpr string_view kFosc16F88x[] = {
    "FOSC0=1 FOSC1=1 FOSC2=1 - RC oscillator, CLKOUT function on RA6, RC on RA7",
    "FOSC0=0 FOSC1=1 FOSC2=1 - RCIO oscillator, I/O function on RA6, RC on RA7",
    "FOSC0=1 FOSC1=0 FOSC2=1 - INTOSC oscillator, CLKOUT function on RA6, I/O function on RA7",
    "FOSC0=0 FOSC1=0 FOSC2=1 - INTOSCIO oscillator, I/O function on RA6 and RA7",
    "FOSC0=1 FOSC1=1 FOSC2=0 - EC, I/O function on RA6, clock in on RA7",
    "FOSC0=0 FOSC1=1 FOSC2=0 - HS oscillator",
    "FOSC0=1 FOSC1=0 FOSC2=0 - XT oscillator",
    "FOSC0=0 FOSC1=0 FOSC2=0 - LP oscillator"};
constexpr string_view kBoren16F88x[] = {
    "BOREN0=1, BOREN1=1 - Brown-out Reset enabled",
    "BOREN0=0, BOREN1=1 - Brown-out Reset enabled while running, disabled in Sleep",
    "BOREN0=1, BOREN1=0 - Brown-out Reset controlled by the SBOREN bit of PCON",
    "BOREN0=0, BOREN1=0 - Brown-out Reset disabled"};
constexpr string_view kWrt16F88x[] = {
    "WRT0=1, WRT1=1 - Write protection off",
    "WRT0=0, WRT1=1 - 0000h to 00FFh write-protected (16F883 and larger)",
    "WRT0=1, WRT1=0 - the lowest quarter of program memory write-protected",
    "WRT0=0, WRT1=0 - the lower half of program memory write-protected"};
constexpr string_view kBorv16F7x7[] = {
    "BORV0=1, BORV1=1 - Brown-out Reset at 2.0 V", "BORV0=0, BORV1=1 - Brown-out Reset at 2.7 V",
    "BORV0=1, BORV1=0 - Brown-out Reset at 4.2 V", "BORV0=0, BORV1=0 - Brown-out Reset at 4.5 V"};

// The calibrated flash mid-range parts (their data sheets' configuration
// words). Their oscillator pins have other port names on each part, so
// the lines name them OSC1 and OSC2.
constexpr string_view kFoscOscPins[] = {
    "FOSC0=1 FOSC1=1 FOSC2=1 - RC oscillator, CLKOUT function on OSC2, RC on OSC1",
    "FOSC0=0 FOSC1=1 FOSC2=1 - RCIO oscillator, I/O function on OSC2, RC on OSC1",
    "FOSC0=1 FOSC1=0 FOSC2=1 - INTOSC oscillator, CLKOUT function on OSC2, I/O function on OSC1",
    "FOSC0=0 FOSC1=0 FOSC2=1 - INTOSCIO oscillator, I/O function on OSC2 and OSC1",
    "FOSC0=1 FOSC1=1 FOSC2=0 - EC, I/O function on OSC2, clock in on OSC1",
    "FOSC0=0 FOSC1=1 FOSC2=0 - HS oscillator",
    "FOSC0=1 FOSC1=0 FOSC2=0 - XT oscillator",
    "FOSC0=0 FOSC1=0 FOSC2=0 - LP oscillator"};
constexpr string_view kMclreInput[] = {
    "MCLRE=ON - MCLR pin is the master clear",
    "MCLRE=OFF - MCLR pin is a digital input; with INTOSC, Vpp must come before Vdd"};
constexpr string_view kWure[] = {"WURE=OFF - a wake-up from Sleep continues the program",
                                 "WURE=ON - a wake-up from Sleep resets the device"};
constexpr string_view kBoren12F609[] = {
    "BOREN0=1, BOREN1=1 - Brown-out Reset enabled",
    "BOREN0=0, BOREN1=1 - Brown-out Reset enabled while running, disabled in Sleep",
    "BOREN1=0 - Brown-out Reset disabled"};
constexpr string_view kIoscfs[] = {"IOSCFS=8 - internal oscillator runs at 8 MHz",
                                   "IOSCFS=4 - internal oscillator runs at 4 MHz"};
constexpr string_view kWrt12F617[] = {
    "WRT0=1, WRT1=1 - Write protection off", "WRT0=0, WRT1=1 - the boot block write-protected",
    "WRT0=1, WRT1=0 - the lower half of program memory write-protected",
    "WRT0=0, WRT1=0 - all program memory write-protected"};

struct Page {
  InfoPage page;
  int number;  // as `lptpic-cli devices` prints it
  std::initializer_list<Block> blocks;
};

using P = InfoPage;

const Page kPages[] = {
    {P::None, 0, {}},
    {P::CodeProtectQuarters, 1, {kCpQuarters}},
    {P::Pic16C620, 2, {k16C620Protect}},
    {P::Pic16C621, 3, {k16C621Protect}},
    {P::Pic16C71x, 4, {k16C71xProtect}},
    {P::Pic16C77x, 5, {kCpQuarters, kBrownOutVoltages}},
    {P::Pic16C7x5, 6, {kCpQuarters, kUsbOscillators}},
    {P::Pic16C925, 7, {k16C925Protect}},
    {P::Pic16C926, 8, {k16C926Protect}},
    {P::Pic12C50x, 10, {kMclr}},
    {P::Pic16C505, 11, {kMclr, k16C505Oscillators}},
    {P::Pic16C554, 12, {k16C554Protect}},
    {P::Pic16C556, 13, {k16C556Protect}},
    {P::Pic12C67x, 14, {kMclr, k12C67xOscillatorsAndProtect}},
    {P::Pic14C000, 15, {k14C000ProtectAndOscillator}},
    {P::Pic16F627, 16, {kFoscRa6, kSep, kMclr, kSep, k16F627Protect, kLvp}},
    {P::Pic16F628, 17, {kFoscRa6, kSep, kMclr, kSep, k16F628Protect, kLvp}},
    {P::Pic16F87x2K, 18, {kLvp, kWrt, k16F87x2KProtect}},
    {P::Pic16F87x4K, 19, {kLvp, kWrt, k16F87x4KProtect}},
    {P::Pic16F87x8K, 20, {kLvp, kWrt, k16F87x8KProtect}},
    {P::Pic12F629, 28, {kFoscGp4, kSep, kMclr, kSep}},
    {P::Pic16F630, 28, {kFoscRa4, kSep, kMclrAlternate, kSep}},
    {P::Pic16F87xA8K, 30, {k16F87xA8KProtect, kLvp}},
    {P::Pic16F87xA4K, 31, {k16F87xA4KProtect, kLvp}},
    {P::Pic16F62xA, 40, {kFoscRa6, kSep, kMclr, kSep, kLvp}},
    {P::Pic16F88, 41, {kFosc16F88, kSep, kWrt16F88, kSep, kCcpmx16F88, kLvp}},
    {P::Pic16F88x, 42, {kFosc16F88x, kBoren16F88x, kWrt16F88x, kLvp}},
    {P::Pic16F7x7, 45, {kFosc16F88, kSep, kBorv16F7x7}},
    {P::Pic12F683, 46, {kFoscOscPins, kSep, kMclreInput, kSep, kBoren16F88x}},
    {P::Pic12F635, 47, {kFoscOscPins, kSep, kMclreInput, kSep, kBoren16F88x, kWure}},
    {P::Pic16F91x, 48, {kFosc16F88x, kSep, kMclreInput, kSep, kBoren16F88x}},
    {P::Pic12F609, 49, {kFoscOscPins, kSep, kMclreInput, kSep, kBoren12F609, kIoscfs}},
    // Eighteen lines at most: the MCLRE switch says enough here.
    {P::Pic12F617, 50, {kFoscOscPins, kSep, kBoren12F609, kIoscfs, kWrt12F617}},
};

const Page* FindPage(InfoPage page) {
  for (const Page& p : kPages)
    if (p.page == page) return &p;
  return nullptr;
}

}  // namespace

int InfoPageNumber(InfoPage page) {
  const Page* p = FindPage(page);
  return p ? p->number : 0;
}

std::vector<string_view> InfoPageLines(InfoPage page) {
  std::vector<string_view> lines;
  if (const Page* p = FindPage(page))
    for (Block block : p->blocks) lines.insert(lines.end(), block.begin(), block.end());
  return lines;
}

bool IsKnownInfoPage(InfoPage page) { return FindPage(page) != nullptr; }

}  // namespace lpt
