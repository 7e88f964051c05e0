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
constexpr string_view kP2[] = {
    "CP0=OFF, CP1=OFF - Code protection OFF", "CP0=ON, CP1=OFF  - Code protection OFF",
    "CP0=OFF, CP1=ON  - Code protection OFF", "CP0=ON, CP1=ON   - All memory is protected"};
constexpr string_view kP3[] = {"CP0=OFF, CP1=OFF - Code protection OFF",
                               "CP0=ON, CP1=OFF  - Code protection OFF",
                               "CP0=OFF, CP1=ON  - Upper 1/2 of program memory code protected",
                               "CP0=ON, CP1=ON   - All memory is protected"};
constexpr string_view kP4[] = {"CP0=OFF - Code protection OFF",
                               "CP0=ON  - All memory is protected, but 00h-3Fh is writable"};
constexpr string_view kP5[] = {
    "BorV0=1, BorV1=1 - VBor set to 2,5V", "BorV0=0, BorV1=1  - VBor set to 2,7V",
    "BorV0=1,  BorV1=0 - VBor set to 4,2V", "BorV0=0,  BorV1=0 -  VBor set to 4,5V"};
constexpr string_view kP6[] = {"Osc E  - external clock with 4K PLL",
                               "Osc H  - HS oscilator with 4K PL enabled",
                               "Osc EC - external clock with CLKOUT on OSC2", "Osc HS - oscilator"};
constexpr string_view kP7[] = {
    "CP0=OFF, CP1=OFF - Code protection OFF",
    "CP0=ON, CP1=OFF  - Lower 1/2 memory code protected (0000h-07FFh)",
    "CP0=OFF, CP1=ON  - All but last 256 bytes of memory code protected (0000h-0EFFh)",
    "CP0=ON, CP1=ON   - All memory is protected"};
constexpr string_view kP8[] = {
    "CP0=OFF, CP1=OFF - Code protection OFF",
    "CP0=ON, CP1=OFF  - Lower 1/2 memory code protected (0000h-0FFFh)",
    "CP0=OFF, CP1=ON  - All but last 256 bytes of memory code protected (0000h-1EFFh)",
    "CP0=ON, CP1=ON   - All memory is protected"};
constexpr string_view kP11[] = {
    "FOSC0=1 FOSC1=1 FOSC2=1 - External RC oscillator/CLKOUT function on RB4 pin",
    "FOSC0=0 FOSC1=1 FOSC2=1 - External RC oscillator/RB4 function on RB4 pin",
    "FOSC0=1 FOSC1=0 FOSC2=1 - Internal RC oscillator/CLKOUT function on RB4 pin",
    "FOSC0=0 FOSC1=0 FOSC2=1 - Internal RC oscillator/RB4 function on RB4 pin",
    "FOSC0=0 FOSC1=1 FOSC2=0 - HS oscillator",
    "FOSC0=1 FOSC1=0 FOSC2=0 - XT oscillator",
    "FOSC0=0 FOSC1=0 FOSC2=0 - LP oscillator"};
constexpr string_view kP12[] = {"CP0=OFF, CP1=OFF - Code protection OFF",
                                "CP0=ON, CP1=OFF  - Do not use", "CP0=OFF, CP1=ON  - Do not use",
                                "CP0=ON, CP1=ON   - All memory protected"};
constexpr string_view kP13[] = {
    "CP0=OFF, CP1=OFF - Code protection OFF", "CP0=ON, CP1=OFF  - Do not use",
    "CP0=OFF, CP1=ON  - Upper 1/2 memory protected", "CP0=ON, CP1=ON   - All memory protected"};
constexpr string_view kP14[] = {
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
constexpr string_view kP15[] = {"CPP0=OFF, CPP1=OFF - All unprotected",
                                "CPP0=OFF, CPP1=ON - N/A",
                                "CPP0=ON, CPP1=OFF - N/A",
                                "CPP0=ON, CPP1=ON - All protected",
                                "Osc: HS - crystal/resonator",
                                "Osc: In RC - Internal RC oscillator"};
constexpr string_view kP16[] = {"CP0=OFF, CP1=OFF - Program memory code protection OFF",
                                "CP0=OFF, CP1=ON - 0200h-03FFh code protected",
                                "CP0=ON, CP1=OFF - Program memory code protection OFF",
                                "CP0=ON, CP1=ON - 0000h-03FFh code protected"};
constexpr string_view kP17[] = {"CP0=OFF, CP1=OFF - Program memory code protection OFF",
                                "CP0=OFF, CP1=ON - 0200h-07FFh code protected",
                                "CP0=ON, CP1=OFF - 0400h-07FFh code protected",
                                "CP0=ON, CP1=ON - 0000h-07FFh code protected"};
constexpr string_view kP18[] = {
    "CP0=OFF, CP1=OFF - Code protection OFF", "CP0=OFF, CP1=ON - Not supported",
    "CP0=ON, CP1=OFF - Not supported", "CP0=ON, CP1=ON - 0000h-7FFh - code protected"};
constexpr string_view kP19[] = {"CP0=OFF, CP1=OFF - Code protection OFF",
                                "CP0=OFF, CP1=ON - 0800h-0FFFh - code protected",
                                "CP0=ON, CP1=OFF - 0F00h-0FFFh - code protected",
                                "CP0=ON, CP1=ON - 0000h-0FFFh - code protected"};
constexpr string_view kP20[] = {"CP0=OFF, CP1=OFF - Code protection OFF",
                                "CP0=OFF, CP1=ON - 1000h-1FFFh - code protected",
                                "CP0=ON, CP1=OFF - 1F00h-1FFFh - code protected",
                                "CP0=ON, CP1=ON - 0000h-1FFFh - code protected"};
constexpr string_view kP28Ra[] = {
    "FOSC0=1 FOSC1=1 FOSC2=1 - External RC oscillator: CLKOUT function on RA4 pin",
    "FOSC0=0 FOSC1=1 FOSC2=1 - External RC oscillator: I/O function on RA4 pin",
    "FOSC0=1 FOSC1=0 FOSC2=1 - Internal RC oscillator: CLKOUT function on RA4 pin, I/O function "
    "on RA5",
    "FOSC0=0 FOSC1=0 FOSC2=1 - Internal RC oscillator: I/O function on RA4, RA5 pins",
    "FOSC0=1 FOSC1=1 FOSC2=0 - ExtClk: I/O function on RA4 pin, ClkIn on RA5",
    "FOSC0=0 FOSC1=1 FOSC2=0 - HS oscillator",
    "FOSC0=1 FOSC1=0 FOSC2=0 - XT oscillator",
    "FOSC0=0 FOSC1=0 FOSC2=0 - LP oscillator"};
constexpr string_view kP28RaMclr[] = {
    "MCLR=ON  - MCLR pin is  MCLR function",
    "MCLR=OFF - MCLR pin is alternate function, MCLR function is internally disabled"};
constexpr string_view kP28Gp[] = {
    "FOSC0=1 FOSC1=1 FOSC2=1 - External RC oscillator: CLKOUT function on GP4 pin",
    "FOSC0=0 FOSC1=1 FOSC2=1 - External RC oscillator: I/O function on GP4 pin",
    "FOSC0=1 FOSC1=0 FOSC2=1 - Internal RC oscillator: CLKOUT function on GP4 pin, I/O function "
    "on GP5",
    "FOSC0=0 FOSC1=0 FOSC2=1 - Internal RC oscillator: I/O function on GP4, GP5 pins",
    "FOSC0=1 FOSC1=1 FOSC2=0 - ExtClk: I/O function on GP4 pin, ClkIn on GP5",
    "FOSC0=0 FOSC1=1 FOSC2=0 - HS oscillator",
    "FOSC0=1 FOSC1=0 FOSC2=0 - XT oscillator",
    "FOSC0=0 FOSC1=0 FOSC2=0 - LP oscillator"};
constexpr string_view kP30[] = {
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
constexpr string_view kP31[] = {
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

struct Page {
  int number;
  std::initializer_list<Block> blocks;
};

// Page 28 is listed twice: the RA-pin text for 16F630/676 is chosen by name.
const Page kPages[] = {
    {1, {kCpQuarters}},
    {2, {kP2}},
    {3, {kP3}},
    {4, {kP4}},
    {5, {kCpQuarters, kP5}},
    {6, {kCpQuarters, kP6}},
    {7, {kP7}},
    {8, {kP8}},
    {10, {kMclr}},
    {11, {kMclr, kP11}},
    {12, {kP12}},
    {13, {kP13}},
    {14, {kMclr, kP14}},
    {15, {kP15}},
    {16, {kFoscRa6, kSep, kMclr, kSep, kP16, kLvp}},
    {17, {kFoscRa6, kSep, kMclr, kSep, kP17, kLvp}},
    {18, {kLvp, kWrt, kP18}},
    {19, {kLvp, kWrt, kP19}},
    {20, {kLvp, kWrt, kP20}},
    {28, {kP28Gp, kSep, kMclr, kSep}},
    {30, {kP30, kLvp}},
    {31, {kP31, kLvp}},
    {40, {kFoscRa6, kSep, kMclr, kSep, kLvp}},
};
const Page kPage28Ra{28, {kP28Ra, kSep, kP28RaMclr, kSep}};

std::vector<string_view> Flatten(const Page& page) {
  std::vector<string_view> lines;
  for (Block block : page.blocks) lines.insert(lines.end(), block.begin(), block.end());
  return lines;
}

}  // namespace

std::vector<string_view> InfoPageLines(int infoPage, string_view deviceName) {
  if (infoPage == 28 && deviceName == "16F630/676") return Flatten(kPage28Ra);
  for (const Page& page : kPages) {
    if (page.number == infoPage) return Flatten(page);
  }
  return {};
}

std::vector<int> InfoPageNumbers() {
  std::vector<int> numbers;
  for (const Page& page : kPages) numbers.push_back(page.number);
  return numbers;
}

}  // namespace lpt
