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
constexpr S kFosc1{" FOSC1: 1", " FOSC1: 0", 0x0002, "Oscilator"};
constexpr S kFosc2Bit2{" FOSC2: 1", " FOSC2: 0", 0x0004, "Oscilator"};

constexpr S kCp0(std::uint16_t mask) { return {"  CP0: OFF", "  CP0:  ON", mask, "Code protect"}; }
constexpr S kCp1(std::uint16_t mask) { return {"  CP1: OFF", "  CP1:  ON", mask, "Code protect"}; }

constexpr S p1[] = {kWdt, kPwrLow, {"   CP:  OFF", "   CP:  ON", 0x3FF0, "Code protect"}};
// L3 and L4: the power-up timer with the opposite polarity.
constexpr S p3[] = {kWdt, kPwrHigh, {"   CP:  OFF", "   CP:  ON", 0x0010, "Code protect"}};
constexpr S p5[] = {kWdt, kPwrHigh, kCp0(0x0010), kCp1(0x0020)};
// L12, _13 and _17 use the first four entries of this list.
constexpr S p7[] = {kWdt, kPwrLow, kCp0(0x1510), kCp1(0x2A20), kBor};
constexpr S p10[] = {kWdt, kPwrLow, kCp0(0x3FB0), kBor};
constexpr S p11[] = {kWdt,
                     kPwrLow,
                     kCp0(0x1110),
                     kCp1(0x2220),
                     kBor,
                     {" BorV0: 1", " BorV0: 0", 0x0400, "Brown-out Reset Voltage bit"},
                     {" BorV1: 1", " BorV1: 0", 0x0800, "Brown-out Reset Voltage bit"}};
constexpr S p14[] = {kWdt, kPwrLow, kCp0(0x0010), kCp1(0x0020), kBor};
constexpr S p20[] = {kWdt,
                     {"  CP: OFF", "  CP:  ON", 0x0008, "Code protect"},
                     {" MCLR: Ex", " MCLR: In", 0x0010, "Master clear"}};
constexpr S p21[] = {kFosc1,
                     kFosc2Bit2,
                     {"  Wdt: ON", "  Wdt: OFF", 0x0008, "Watchdog timer"},
                     {"  CP: OFF", "  CP:  ON", 0x0FD0, "Code protect"},
                     {" MCLR: Ex", " MCLR: In", 0x0020, "Master clear"}};
constexpr S p22[] = {kFosc1,
                     kFosc2Bit2,
                     {"  Wdt: ON", "  Wdt: OFF", 0x0008, "Watchdog timer"},
                     {"  Pwr:  OFF", "  Pwr:  ON", 0x0010, "Power on timer"},
                     kCp0(0x1520),
                     kCp1(0x2A40),
                     {" MCLR: Ex", " MCLR: In", 0x0080, "Master clear"}};
constexpr S p24[] = {{"  Wdt: ON", "  Wdt: OFF", 0x0004, "Watchdog timer"},
                     kPwrLow,
                     {" CPP0: OFF", " CPP0:  ON", 0x0C10, "Code protect"},
                     {" CPP1: OFF", " CPP1:  ON", 0x1220, "Code protect"},
                     {" CPC: OFF", " CPC: ON", 0x2180, "Code protect Calibration area"}};

// Slots 2..9 of the 16F62x layouts; L25 adds CP0/CP1, L40 one CP.
constexpr S kFosc2Bit4{" FOSC2: 1", " FOSC2: 0", 0x0010, "Oscilator"};
constexpr S kWdt62x{"  Wdt: ON", "  Wdt: OFF", 0x0004, "Watchdog timer"};
constexpr S kMclr62x{" MCLR: Ex", " MCLR: In", 0x0020, "Master Clear"};
constexpr S kBod62x{" BOD: ON", " BOD: OFF", 0x0040, "Brown-out detect reset"};
constexpr S kLvp62x{" LVP: ON", " LVP: OFF", 0x0080, "Low voltage programming enable"};
constexpr S kCpd62x{" CPD: OFF", " CPD: ON", 0x0100, "Data code protection bit"};
constexpr S p25[] = {kFosc1,
                     kFosc2Bit4,
                     kWdt62x,
                     kPwrLow,
                     kMclr62x,
                     kBod62x,
                     kLvp62x,
                     kCpd62x,
                     {"  CP0: OFF", "  CP0:  ON", 0x1400, "Code protection"},
                     {"  CP1: OFF", "  CP1:  ON", 0x2800, "Code protection"}};
constexpr S p40[] = {kFosc1,  kFosc2Bit4, kWdt62x,
                     kPwrLow, kMclr62x,   kBod62x,
                     kLvp62x, kCpd62x,    {"  CP: OFF", "  CP:  ON", 0x2000, "Code protection"}};

constexpr S p27[] = {kWdt,
                     kPwrLow,
                     kCp0(0x1010),
                     kCp1(0x2020),
                     {"  Bor:  ON", "  Bor:  OFF", 0x0040, "Brown-out reset enable bit"},
                     {"  Lvp:  ON", "  Lvp:  OFF", 0x0080, "Low voltage programming enable"},
                     {"  Cpd:  OFF", "  Cpd:  ON", 0x0100, "Data EEmemory code protection bit"},
                     {"  Wrt:  ON", "  Wrt:  OFF", 0x0200, "Flash Program memory write enable"}};
constexpr S p28[] = {kFosc1,
                     kFosc2Bit2,
                     {"  Wdt:  ON", "  Wdt:  OFF", 0x0008, "Watchdog timer"},
                     {"  Pwr:  OFF", "  Pwr:  ON", 0x0010, "Power-up timer"},
                     {" MCLR: Ex", " MCLR: In", 0x0020, "MCLR Pin Function Select"},
                     {" BOD: ON", " BOD: OFF", 0x0040, "Brown-out Detect Reset"},
                     {"  CP: OFF", "  CP: ON", 0x0080, "Code protection"},
                     {" CPD: OFF", " CPD: ON", 0x0100, "Code protection Data"}};
constexpr S p30[] = {kWdt,
                     kPwrLow,
                     kBor,
                     {"  Lvp:  ON", "  Lvp:  OFF", 0x0080, "Low voltage programming Enable bit"},
                     {"  Cpd:  OFF", "  Cpd:  ON", 0x0100, "Data EE memory Code Protection"},
                     {" Wrt0:  OFF", " Wrt0:  ON", 0x0200, "Flash Program Memory Write Enable bit"},
                     {" Wrt1:  OFF", " Wrt1:  ON", 0x0400, "Flash Program Memory Write Enable bit"},
                     {"Debug: OFF", "Debug: ON", 0x0800, "Background Debugger Mode"},
                     {"  CP: OFF", "  CP:  ON", 0x2000, "Code protect"}};

constexpr std::span<const S> First(std::span<const S> all, std::size_t n) { return all.first(n); }

// In Layout order, so FuseLayoutOf can index.
constexpr std::array<FuseLayoutSpec, kFuseLayoutCount> kLayouts{{
    {L::L1, &kOscRcHsXtLp, p1},
    {L::L3, &kOscRcHsXtLp, p3},
    {L::L4, &kOscRcHsXtLp, p3},
    {L::L5, &kOscRcHsXtLp, p5},
    {L::L7, &kOscRcHsXtLp, p7},
    {L::L10, &kOscRcHsXtLp, p10},
    {L::L11, &kOscRcHsXtLp, p11},
    {L::L12, &kOscUsb, First(p7, 4)},
    {L::L13, &kOscRcHsXtLp, First(p7, 4)},
    {L::L14, &kOscRcHsXtLp, p14},
    {L::L17, &kOscRcHsXtLp, First(p7, 4)},
    {L::L20, &kOsc12Bit, p20},
    {L::L21, &kOscFosc0, p21},
    {L::L22, &kOscFosc0, p22},
    {L::L24, &kOsc14C000, p24},
    {L::L25, &kOscFosc0, p25},
    {L::L27, &kOscRcHsXtLp, p27},
    {L::L28, &kOscFosc0, p28},
    {L::L30, &kOscRcHsXtLp, p30},
    {L::L40, &kOscFosc0, p40},
}};

constexpr std::array<std::string_view, 8> kProtectNames{"CP",  "CP0",  "CP1",  "CPD",
                                                        "Cpd", "CPP0", "CPP1", "CPC"};

}  // namespace

const FuseLayoutSpec& FuseLayoutOf(FuseLayout layout) {
  return kLayouts[static_cast<std::size_t>(layout)];
}

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
