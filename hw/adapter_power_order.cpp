// SPDX-License-Identifier: GPL-2.0-or-later
#include "hw/adapter_power_order.h"

#include "devices/family.h"

namespace lpt {
namespace {

// The 12F629/675 and 16F630/676 (FOSC2:0 in bits 2:0, MCLRE bit 5, from
// p12f629.inc and p16f630.inc) ask for Vpp first with either of the two on
// its own too; the 16F627A/628A/648A with low-voltage programming on (LVP
// bit 7, p16f628a.inc).
constexpr std::uint16_t kOscillatorMask = 0x0006;
constexpr std::uint16_t kInternalOscillator = 0x0004;
constexpr std::uint16_t kMclrEnable = 0x0020;
constexpr std::uint16_t kLowVoltageProgramming = 0x0080;

// Why the chip needs Vpp first with this configuration; empty when it does
// not. Only a family entered Vpp first gets a reason, so the warning and the
// entry follow the same fact.
std::string VppFirstReason(Family family, std::uint16_t config) {
  if (!VppBeforeVdd(family)) return {};
  if (RunsOnSupplyAlone(family, config)) return "the internal oscillator and MCLR as an input";
  if (family == Family::Pic12F6xx) {
    if ((config & kOscillatorMask) == kInternalOscillator) return "the internal oscillator";
    if ((config & kMclrEnable) == 0) return "MCLR as an input";
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
