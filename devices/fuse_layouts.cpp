// SPDX-License-Identifier: GPL-2.0-or-later
#include "devices/fuse_layouts.h"

#include <array>

namespace lpt {
namespace {

using S = FuseSwitchSpec;
using L = FuseLayout;

// Oscillator switches. A four-state switch walks bits 1..0 through
// 3, 2, 1, 0; the repeated captions of the two-state variants, with steps
// of -1 / +1, turn slot 1 into a plain toggle of bit 0.
constexpr OscVariant kOscRcHsXtLp{{"  Osc:  LP", "  Osc:  XT", "  Osc:  HS", "  Osc:  RC"},
                                  {-1, -1, -1, +3}};
constexpr OscVariant kOscUsb{{"  Osc:  HS", "  Osc:  EC", "  Osc:  H", "  Osc:  E"},
                             {-1, -1, -1, +3}};
constexpr OscVariant kOsc12Bit{{" Osc:  LP", " Osc:  XT", " Osc:In-RC", " Osc:Ex-RC"},
                               {-1, -1, -1, +3}};
constexpr OscVariant kOscFosc0{{" FOSC0: 0", " FOSC0: 1", " FOSC0: 0", " FOSC0: 1"},
                               {-1, +1, -1, +1}};
constexpr OscVariant kOsc14C000{{" Osc:  HS", " Osc: In RC", " Osc:  HS", " Osc: In RC"},
                                {-1, +1, -1, +1}};

// Switches that several layouts share, character for character.
constexpr S kWdt{"  Wdt:  ON", "  Wdt:  OFF", 0x0004, "Watchdog timer"};
constexpr S kPwrLow{"  Pwr:  OFF", "  Pwr:  ON", 0x0008, "Power on timer"};   // active low
constexpr S kPwrHigh{"  Pwr:  ON", "  Pwr:  OFF", 0x0008, "Power on timer"};  // active high
constexpr S kBor{"  Bor:  ON", "  Bor:  OFF", 0x0040, "Brown-out Reset Enable bit"};
constexpr S kFosc1{" FOSC1: 1", " FOSC1: 0", 0x0002, kOscillatorHint};
constexpr S kFosc2Bit2{" FOSC2: 1", " FOSC2: 0", 0x0004, kOscillatorHint};

constexpr S kCp0(std::uint16_t mask) { return {"  CP0: OFF", "  CP0:  ON", mask, "Code protect"}; }
constexpr S kCp1(std::uint16_t mask) { return {"  CP1: OFF", "  CP1:  ON", mask, "Code protect"}; }

constexpr S k16F84Switches[] = {
    kWdt, kPwrLow, {"   CP:  OFF", "   CP:  ON", 0x3FF0, "Code protect"}};
// The 16C84 and 16C61 layouts: the power-up timer with the opposite polarity.
constexpr S k16C84Switches[] = {
    kWdt, kPwrHigh, {"   CP:  OFF", "   CP:  ON", 0x0010, "Code protect"}};
constexpr S k16C62Switches[] = {kWdt, kPwrHigh, kCp0(0x0010), kCp1(0x0020)};
// The 16C745, 16C923 and 16C55x layouts use the first four entries of this list.
constexpr S k16C62ASwitches[] = {kWdt, kPwrLow, kCp0(0x1510), kCp1(0x2A20), kBor};
constexpr S k16C71xSwitches[] = {kWdt, kPwrLow, kCp0(0x3FB0), kBor};
constexpr S k16C77xSwitches[] = {kWdt,
                                 kPwrLow,
                                 kCp0(0x1110),
                                 kCp1(0x2220),
                                 kBor,
                                 {" BorV0: 1", " BorV0: 0", 0x0400, "Brown-out Reset Voltage bit"},
                                 {" BorV1: 1", " BorV1: 0", 0x0800, "Brown-out Reset Voltage bit"}};
constexpr S k16C925Switches[] = {kWdt, kPwrLow, kCp0(0x0010), kCp1(0x0020), kBor};
constexpr S k12C50xSwitches[] = {kWdt,
                                 {"  CP: OFF", "  CP:  ON", 0x0008, "Code protect"},
                                 {" MCLR: Ex", " MCLR: In", 0x0010, "Master clear"}};
constexpr S k16C505Switches[] = {kFosc1,
                                 kFosc2Bit2,
                                 {"  Wdt: ON", "  Wdt: OFF", 0x0008, "Watchdog timer"},
                                 {"  CP: OFF", "  CP:  ON", 0x0FD0, "Code protect"},
                                 {" MCLR: Ex", " MCLR: In", 0x0020, "Master clear"}};
constexpr S k12C67xSwitches[] = {kFosc1,
                                 kFosc2Bit2,
                                 {"  Wdt: ON", "  Wdt: OFF", 0x0008, "Watchdog timer"},
                                 {"  Pwr:  OFF", "  Pwr:  ON", 0x0010, "Power on timer"},
                                 kCp0(0x1520),
                                 kCp1(0x2A40),
                                 {" MCLR: Ex", " MCLR: In", 0x0080, "Master clear"}};
constexpr S k14C000Switches[] = {
    {"  Wdt: ON", "  Wdt: OFF", 0x0004, "Watchdog timer"},
    kPwrLow,
    {" CPP0: OFF", " CPP0:  ON", 0x0C10, "Code protect"},
    {" CPP1: OFF", " CPP1:  ON", 0x1220, "Code protect"},
    {" CPC: OFF", " CPC: ON", 0x2180, "Code protect Calibration area"}};

// Slots 2..9 of the 16F62x layouts; the 16F627/628 add CP0/CP1, the 16F62xA one CP.
constexpr S kFosc2Bit4{" FOSC2: 1", " FOSC2: 0", 0x0010, kOscillatorHint};
constexpr S kWdt62x{"  Wdt: ON", "  Wdt: OFF", 0x0004, "Watchdog timer"};
constexpr S kMclr62x{" MCLR: Ex", " MCLR: In", 0x0020, "Master Clear"};
constexpr S kBod62x{" BOD: ON", " BOD: OFF", 0x0040, "Brown-out detect reset"};
constexpr S kLvp62x{" LVP: ON", " LVP: OFF", 0x0080, "Low voltage programming enable"};
constexpr S kCpd62x{" CPD: OFF", " CPD: ON", 0x0100, "Data code protection bit"};
constexpr S k16F62xSwitches[] = {kFosc1,
                                 kFosc2Bit4,
                                 kWdt62x,
                                 kPwrLow,
                                 kMclr62x,
                                 kBod62x,
                                 kLvp62x,
                                 kCpd62x,
                                 {"  CP0: OFF", "  CP0:  ON", 0x1400, "Code protection"},
                                 {"  CP1: OFF", "  CP1:  ON", 0x2800, "Code protection"}};
constexpr S k16F62xASwitches[] = {
    kFosc1,  kFosc2Bit4, kWdt62x,
    kPwrLow, kMclr62x,   kBod62x,
    kLvp62x, kCpd62x,    {"  CP: OFF", "  CP:  ON", 0x2000, "Code protection"}};

constexpr S k16F87xSwitches[] = {
    kWdt,
    kPwrLow,
    kCp0(0x1010),
    kCp1(0x2020),
    {"  Bor:  ON", "  Bor:  OFF", 0x0040, "Brown-out reset enable bit"},
    {"  Lvp:  ON", "  Lvp:  OFF", 0x0080, "Low voltage programming enable"},
    {"  Cpd:  OFF", "  Cpd:  ON", 0x0100, "Data EEmemory code protection bit"},
    {"  Wrt:  ON", "  Wrt:  OFF", 0x0200, "Flash Program memory write enable"}};
constexpr S k12F6xxSwitches[] = {kFosc1,
                                 kFosc2Bit2,
                                 {"  Wdt:  ON", "  Wdt:  OFF", 0x0008, "Watchdog timer"},
                                 {"  Pwr:  OFF", "  Pwr:  ON", 0x0010, "Power-up timer"},
                                 {" MCLR: Ex", " MCLR: In", 0x0020, "MCLR Pin Function Select"},
                                 {" BOD: ON", " BOD: OFF", 0x0040, "Brown-out Detect Reset"},
                                 {"  CP: OFF", "  CP: ON", 0x0080, "Code protection"},
                                 {" CPD: OFF", " CPD: ON", 0x0100, "Code protection Data"}};
constexpr S k16F87xASwitches[] = {
    kWdt,
    kPwrLow,
    kBor,
    {"  Lvp:  ON", "  Lvp:  OFF", 0x0080, "Low voltage programming Enable bit"},
    {"  Cpd:  OFF", "  Cpd:  ON", 0x0100, "Data EE memory Code Protection"},
    {" Wrt0:  OFF", " Wrt0:  ON", 0x0200, "Flash Program Memory Write Enable bit"},
    {" Wrt1:  OFF", " Wrt1:  ON", 0x0400, "Flash Program Memory Write Enable bit"},
    {"Debug: OFF", "Debug: ON", 0x0800, "Background Debugger Mode"},
    {"  CP: OFF", "  CP:  ON", 0x2000, "Code protect"}};

// The flash parts with makers' names on their switches: each caption is
// the bit's name in the part's header (p16f88.inc and the like) and what
// the bit's value selects.
constexpr S kWdte(std::uint16_t mask) {
  return {" WDTE: ON", " WDTE: OFF", mask, "Watchdog Timer Enable"};
}
constexpr S kPwrte(std::uint16_t mask) {
  return {" PWRTE: OFF", " PWRTE: ON", mask, "Power-up Timer Enable"};
}
constexpr S kMclre{" MCLRE: ON", " MCLRE: OFF", 0x0020, "MCLR Pin Function Select"};
constexpr S kBoren(std::uint16_t mask) {
  return {" BOREN: ON", " BOREN: OFF", mask, "Brown-out Reset Enable"};
}
constexpr S kLvp(std::uint16_t mask) {
  return {"  LVP: ON", "  LVP: OFF", mask, "Low-Voltage Programming Enable"};
}
constexpr S kCpd(std::uint16_t mask) {
  return {"  CPD: OFF", "  CPD: ON", mask, "Data EE Memory Code Protection"};
}
constexpr S kCp(std::uint16_t mask) {
  return {"   CP: OFF", "   CP: ON", mask, "Program Memory Code Protection"};
}
constexpr S kWrt0(std::uint16_t mask) {
  return {" WRT0: 1", " WRT0: 0", mask, "Flash Program Memory Write Enable"};
}
constexpr S kWrt1(std::uint16_t mask) {
  return {" WRT1: 1", " WRT1: 0", mask, "Flash Program Memory Write Enable"};
}
constexpr S kDebug(std::uint16_t mask) {
  return {" DEBUG: OFF", " DEBUG: ON", mask, "In-Circuit Debugger Mode"};
}
constexpr S kFcmen(std::uint16_t mask) {
  return {" FCMEN: ON", " FCMEN: OFF", mask, "Fail-Safe Clock Monitor Enable"};
}
constexpr S kIeso(std::uint16_t mask) {
  return {" IESO: ON", " IESO: OFF", mask, "Internal External Switchover"};
}

// p16f87.inc, p16f88.inc
constexpr S k16F88Switches[] = {
    kFosc1,         kFosc2Bit4,     kWdte(0x0004),
    kPwrte(0x0008), kMclre,         kBoren(0x0040),
    kLvp(0x0080),   kCpd(0x0100),   kWrt0(0x0200),
    kWrt1(0x0400),  kDebug(0x0800), {" CCPMX: RB0", " CCPMX: RB3", 0x1000, "CCP1 Pin Selection"},
    kCp(0x2000)};
constexpr S k16F88Word2[] = {kFcmen(0x0001), kIeso(0x0002)};
// p16f882.inc to p16f887.inc
constexpr S k16F88xSwitches[] = {kFosc1,
                                 kFosc2Bit2,
                                 kWdte(0x0008),
                                 kPwrte(0x0010),
                                 kMclre,
                                 kCp(0x0040),
                                 kCpd(0x0080),
                                 {" BOREN0: 1", " BOREN0: 0", 0x0100, "Brown-out Reset Selection"},
                                 {" BOREN1: 1", " BOREN1: 0", 0x0200, "Brown-out Reset Selection"},
                                 kIeso(0x0400),
                                 kFcmen(0x0800),
                                 kLvp(0x1000),
                                 kDebug(0x2000)};
constexpr S k16F88xWord2[] = {{" BOR4V: 4.0V", " BOR4V: 2.1V", 0x0100, "Brown-out Reset Voltage"},
                              kWrt0(0x0200),
                              kWrt1(0x0400)};
// p12f1822.inc, p16f1823.inc to p16f1829.inc, p12f1840.inc, p16f1847.inc,
// p16f1933.inc to p16f1939.inc
constexpr S k16F1827Switches[] = {kFosc1,
                                  kFosc2Bit2,
                                  {" WDTE0: 1", " WDTE0: 0", 0x0008, "Watchdog Timer Enable"},
                                  {" WDTE1: 1", " WDTE1: 0", 0x0010, "Watchdog Timer Enable"},
                                  kPwrte(0x0020),
                                  {" MCLRE: ON", " MCLRE: OFF", 0x0040, "MCLR Pin Function Select"},
                                  kCp(0x0080),
                                  kCpd(0x0100),
                                  {" BOREN0: 1", " BOREN0: 0", 0x0200, "Brown-out Reset Enable"},
                                  {" BOREN1: 1", " BOREN1: 0", 0x0400, "Brown-out Reset Enable"},
                                  {" CLKOUTEN: OFF", " CLKOUTEN: ON", 0x0800, "Clock Out Enable"},
                                  kIeso(0x1000),
                                  kFcmen(0x2000)};
constexpr S kPllen{" PLLEN: ON", " PLLEN: OFF", 0x0100, "PLL Enable"};
constexpr S kStvren{" STVREN: ON", " STVREN: OFF", 0x0200, "Stack Overflow/Underflow Reset Enable"};
constexpr S kBorv{" BORV: LO", " BORV: HI", 0x0400, "Brown-out Reset Voltage Selection"};
constexpr S k16F1827Word2[] = {kWrt0(0x0001), kWrt1(0x0002),  kPllen,      kStvren,
                               kBorv,         kDebug(0x1000), kLvp(0x2000)};
constexpr S k16F193xWord2[] = {
    kWrt0(0x0001),
    kWrt1(0x0002),
    {" VCAPEN0: 1", " VCAPEN0: 0", 0x0010, "Voltage Regulator Capacitor Enable"},
    {" VCAPEN1: 1", " VCAPEN1: 0", 0x0020, "Voltage Regulator Capacitor Enable"},
    kPllen,
    kStvren,
    kBorv,
    kDebug(0x1000),
    kLvp(0x2000)};
// p16f72.inc to p16f77.inc
constexpr S k16F7xSwitches[] = {kWdte(0x0004), kPwrte(0x0008), kCp(0x0010), kBoren(0x0040)};
// p16f716.inc
constexpr S k16F716Switches[] = {kWdte(0x0004),
                                 kPwrte(0x0008),
                                 kBoren(0x0040),
                                 {" VBOR: 4.0V", " VBOR: 2.5V", 0x0080, "Brown-out Reset Voltage"},
                                 kCp(0x2000)};
// p16f737.inc to p16f777.inc
constexpr S k16F7x7Switches[] = {kFosc1,
                                 kFosc2Bit4,
                                 kWdte(0x0004),
                                 kPwrte(0x0008),
                                 kMclre,
                                 kBoren(0x0040),
                                 {" BORV0: 1", " BORV0: 0", 0x0080, "Brown-out Reset Voltage"},
                                 {" BORV1: 1", " BORV1: 0", 0x0100, "Brown-out Reset Voltage"},
                                 kDebug(0x0800),
                                 {" CCP2MX: RC1", " CCP2MX: RB3", 0x1000, "CCP2 Pin Selection"},
                                 kCp(0x2000)};
constexpr S k16F7x7Word2[] = {
    kFcmen(0x0001),
    kIeso(0x0002),
    {" BORSEN: ON", " BORSEN: OFF", 0x0040, "Brown-out Reset Software Enable"}};
// The 12-bit flash parts, captioned with the makers' bit names (the data
// sheets' configuration words; gputils' p10f200.inc, p10f220.inc,
// p12f508.inc, p12f510.inc, p16f505.inc, p16f506.inc, p16f54.inc).
constexpr OscVariant kOscIntRcOnly{{" FOSC:INTRC", " FOSC:INTRC", " FOSC:INTRC", " FOSC:INTRC"},
                                   {0, 0, 0, 0}};
constexpr OscVariant kOscIoscfs{{" IOSCFS: 4", " IOSCFS: 8", " IOSCFS: 4", " IOSCFS: 8"},
                                {-1, +1, -1, +1}};
constexpr OscVariant kOsc12F50x{{" FOSC: LP", " FOSC: XT", " FOSC:INTRC", " FOSC:EXTRC"},
                                {-1, -1, -1, +3}};
constexpr OscVariant kOsc16F5x{{" FOSC: LP", " FOSC: XT", " FOSC: HS", " FOSC: RC"},
                               {-1, -1, -1, +3}};
constexpr S kWdteBaseline(std::uint16_t mask) {
  return {" WDTE: ON", " WDTE: OFF", mask, "Watchdog timer"};
}
constexpr S kCpBaseline(std::uint16_t mask) {
  return {"  CP: OFF", "  CP:  ON", mask, "Code protect"};
}
constexpr S kMclreBaseline(std::uint16_t mask) {
  return {" MCLRE: ON", " MCLRE: OFF", mask, "MCLR pin: master clear (ON) or input (OFF)"};
}
constexpr S kIoscfs(std::uint16_t mask) {
  return {" IOSCFS: 8", " IOSCFS: 4", mask, "Internal oscillator: 8 MHz or 4 MHz"};
}
constexpr S k10F20xSwitches[] = {kWdteBaseline(0x0004), kCpBaseline(0x0008),
                                 kMclreBaseline(0x0010)};
constexpr S k10F22xSwitches[] = {{" MCPU: OFF", " MCPU: ON", 0x0002, "GP3 weak pull-up"},
                                 kWdteBaseline(0x0004),
                                 kCpBaseline(0x0008),
                                 kMclreBaseline(0x0010)};
constexpr S k12F510Switches[] = {kWdteBaseline(0x0004), kCpBaseline(0x0008), kMclreBaseline(0x0010),
                                 kIoscfs(0x0020)};
constexpr S k16F506Switches[] = {
    kFosc1,         kFosc2Bit2, kWdteBaseline(0x0008), kCpBaseline(0x0010), kMclreBaseline(0x0020),
    kIoscfs(0x0040)};

// The calibrated flash mid-range parts, captioned with their headers' bit
// names: p12f683.inc to p16f690.inc, p16f631.inc, p16f677.inc (the
// 16F882's first eleven bits), p12f635.inc, p16f636.inc, p16f639.inc (and
// WURE), p16f913.inc to p16f946.inc (and DEBUG); p12f609.inc, p12f615.inc,
// p16f610.inc, p16f616.inc and the HV twins', p12f617.inc (and WRT).
constexpr S k12F635Switches[] = {kFosc1,
                                 kFosc2Bit2,
                                 kWdte(0x0008),
                                 kPwrte(0x0010),
                                 kMclre,
                                 kCp(0x0040),
                                 kCpd(0x0080),
                                 k16F88xSwitches[7],
                                 k16F88xSwitches[8],
                                 kIeso(0x0400),
                                 kFcmen(0x0800),
                                 {" WURE: OFF", " WURE: ON", 0x1000, "Wake-up Reset Enable"}};
constexpr S k16F91xSwitches[] = {
    kFosc1,         kFosc2Bit2,    kWdte(0x0008),      kPwrte(0x0010),     kMclre,
    kCp(0x0040),    kCpd(0x0080),  k16F88xSwitches[7], k16F88xSwitches[8], kIeso(0x0400),
    kFcmen(0x0800), kDebug(0x1000)};
constexpr S k12F617Switches[] = {
    kFosc1,       kFosc2Bit2,      kWdte(0x0008),      kPwrte(0x0010),     kMclre,
    kCp(0x0040),  kIoscfs(0x0080), k16F88xSwitches[7], k16F88xSwitches[8], kWrt0(0x0400),
    kWrt1(0x0800)};

constexpr std::span<const S> First(std::span<const S> all, std::size_t n) { return all.first(n); }

// In FuseLayout order, so FuseLayoutOf can index. The numbers are the ones
// `lptpic-cli devices` prints.
constexpr std::array<FuseLayoutSpec, kFuseLayoutCount> kLayouts{{
    {L::Pic16F84, 1, &kOscRcHsXtLp, k16F84Switches},
    {L::Pic16C84, 3, &kOscRcHsXtLp, k16C84Switches},
    {L::Pic16C61, 4, &kOscRcHsXtLp, k16C84Switches},
    {L::Pic16C62, 5, &kOscRcHsXtLp, k16C62Switches},
    {L::Pic16C62A, 7, &kOscRcHsXtLp, k16C62ASwitches},
    {L::Pic16C71x, 10, &kOscRcHsXtLp, k16C71xSwitches},
    {L::Pic16C77x, 11, &kOscRcHsXtLp, k16C77xSwitches},
    {L::Pic16C7x5, 12, &kOscUsb, First(k16C62ASwitches, 4)},
    {L::Pic16C923, 13, &kOscRcHsXtLp, First(k16C62ASwitches, 4)},
    {L::Pic16C925, 14, &kOscRcHsXtLp, k16C925Switches},
    {L::Pic16C55x, 17, &kOscRcHsXtLp, First(k16C62ASwitches, 4)},
    {L::Pic12C50x, 20, &kOsc12Bit, k12C50xSwitches},
    {L::Pic16C505, 21, &kOscFosc0, k16C505Switches},
    {L::Pic12C67x, 22, &kOscFosc0, k12C67xSwitches},
    {L::Pic14C000, 24, &kOsc14C000, k14C000Switches},
    {L::Pic16F62x, 25, &kOscFosc0, k16F62xSwitches},
    {L::Pic16F87x, 27, &kOscRcHsXtLp, k16F87xSwitches},
    {L::Pic12F6xx, 28, &kOscFosc0, k12F6xxSwitches},
    {L::Pic16F87xA, 30, &kOscRcHsXtLp, k16F87xASwitches},
    {L::Pic16F62xA, 40, &kOscFosc0, k16F62xASwitches},
    {L::Pic10F20x, 41, &kOscIntRcOnly, k10F20xSwitches},
    {L::Pic10F22x, 42, &kOscIoscfs, k10F22xSwitches},
    {L::Pic12F50x, 43, &kOsc12F50x, k10F20xSwitches},
    {L::Pic12F510, 44, &kOsc12F50x, k12F510Switches},
    {L::Pic16F505, 45, &kOscFosc0, First(k16F506Switches, 5)},
    {L::Pic16F506, 46, &kOscFosc0, k16F506Switches},
    {L::Pic16F5x, 47, &kOsc16F5x, First(k10F20xSwitches, 2)},
    {L::Pic16F88, 48, &kOscFosc0, k16F88Switches, k16F88Word2},
    {L::Pic16F88x, 49, &kOscFosc0, k16F88xSwitches, k16F88xWord2},
    {L::Pic16F7x, 50, &kOscRcHsXtLp, k16F7xSwitches},
    {L::Pic16F716, 51, &kOscRcHsXtLp, k16F716Switches},
    {L::Pic16F7x7, 52, &kOscFosc0, k16F7x7Switches, k16F7x7Word2},
    {L::Pic12F683, 53, &kOscFosc0, First(k12F635Switches, 11)},
    {L::Pic12F635, 54, &kOscFosc0, k12F635Switches},
    {L::Pic16F91x, 55, &kOscFosc0, k16F91xSwitches},
    {L::Pic12F609, 56, &kOscFosc0, First(k12F617Switches, 9)},
    {L::Pic12F617, 57, &kOscFosc0, k12F617Switches},
    {L::Pic16F1827, 60, &kOscFosc0, k16F1827Switches, k16F1827Word2},
    {L::Pic16F193x, 61, &kOscFosc0, k16F1827Switches, k16F193xWord2},
}};

constexpr std::array<std::string_view, 8> kProtectNames{"CP",  "CP0",  "CP1",  "CPD",
                                                        "Cpd", "CPP0", "CPP1", "CPC"};

}  // namespace

const FuseLayoutSpec* FindFuseLayout(FuseLayout layout) {
  const auto index = static_cast<std::size_t>(layout);
  return index < kLayouts.size() ? &kLayouts[index] : nullptr;
}

const FuseLayoutSpec& FuseLayoutOf(FuseLayout layout) {
  const FuseLayoutSpec* spec = FindFuseLayout(layout);
  return spec ? *spec : kLayouts.front();
}

int FuseLayoutNumber(FuseLayout layout) { return FuseLayoutOf(layout).number; }

std::span<const FuseLayoutSpec> AllFuseLayouts() { return kLayouts; }

bool IsProtectCaption(std::string_view caption) {
  const std::size_t first = caption.find_first_not_of(' ');
  const std::size_t colon = caption.find(':');
  if (first == std::string_view::npos || colon == std::string_view::npos || colon < first)
    return false;
  const std::string_view name = caption.substr(first, colon - first);
  for (std::string_view protect : kProtectNames)
    if (name == protect) return true;
  return false;
}

}  // namespace lpt
