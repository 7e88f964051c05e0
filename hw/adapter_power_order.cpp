// SPDX-License-Identifier: GPL-2.0-or-later
#include "hw/adapter_power_order.h"

namespace lpt {
namespace {

// Configuration bits, from gputils' p12f629.inc, p16f630.inc and
// p16f628a.inc: FOSC2:0 in bits 2:0 (100 and 101 the internal oscillator),
// MCLRE bit 5 (0: the pin is an input), LVP bit 7 (1: low-voltage
// programming on).
constexpr std::uint16_t kOscillatorMask = 0x0007;
constexpr std::uint16_t kInternalOscillatorIo = 0x0004;
constexpr std::uint16_t kInternalOscillatorClockOut = 0x0005;
constexpr std::uint16_t kMclrEnable = 0x0020;
constexpr std::uint16_t kLowVoltageProgramming = 0x0080;

// The calibrated flash mid-range parts (p12f683.inc, p16f913.inc,
// p12f609.inc and their siblings: the same bits): their programming
// specifications ask for Vpp first when the internal oscillator runs with
// MCLR as an input.
bool VppFirstWithInternalOscillatorAndMclrInput(Family family) {
  return family == Family::Pic12F683 || family == Family::Pic16F91x || family == Family::Pic12F61x;
}

// Why the chip needs Vpp first with this configuration; empty when it
// does not.
std::string VppFirstReason(Family family, std::uint16_t config) {
  const std::uint16_t osc = config & kOscillatorMask;
  const bool internal = osc == kInternalOscillatorIo || osc == kInternalOscillatorClockOut;
  const bool mclrIsInput = (config & kMclrEnable) == 0;
  if (VppFirstWithInternalOscillatorAndMclrInput(family))
    return internal && mclrIsInput ? "the internal oscillator and MCLR as an input" : "";
  if (family == Family::Pic12F6xx) {
    if (internal && mclrIsInput) return "the internal oscillator and MCLR as an input";
    if (internal) return "the internal oscillator";
    if (mclrIsInput) return "MCLR as an input";
    return {};
  }
  if (family == Family::Pic16F62xA && (config & kLowVoltageProgramming) != 0)
    return "low-voltage programming on";
  return {};
}

}  // namespace

std::optional<std::string> PowerOrderWarning(const Adapter& adapter, const ActiveDevice& device,
                                             std::uint16_t configWord) {
  if (adapter.vdd.pin != 0) return std::nullopt;
  const std::string reason = VppFirstReason(device.family, configWord);
  if (reason.empty()) return std::nullopt;
  return "The " + device.name + " with " + reason + " must see Vpp before Vdd, but the adapter \"" +
         adapter.name +
         "\" cannot switch Vdd: the chip may start its program before programming mode and the "
         "command may fail. Use an adapter that switches Vdd.";
}

}  // namespace lpt
