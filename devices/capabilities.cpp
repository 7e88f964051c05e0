// SPDX-License-Identifier: GPL-2.0-or-later
#include "devices/capabilities.h"

#include <array>

namespace lpt {
namespace {

using L = FuseLayout;

// EPROM parts have no data memory and no electrical erase; the 12F6xx and
// 16F62xA parts are always programmed as a whole, because their fuse pass
// relies on the erase that opens Program All. Parts whose fuses have an
// information page are all but the flash 16F8x/16C84, the 16C61/71 and
// the 16F7x/16F716, whose switches say all there is.
struct LayoutCapabilities {
  FuseLayout layout;
  Capabilities can;
};

constexpr Capabilities kEpromWithInfo{.programFusesOnly = true, .fuseInfoPage = true};
constexpr Capabilities kFlashWithInfo{.dataEeprom = true,
                                      .erase = true,
                                      .programDataOnly = true,
                                      .programFusesOnly = true,
                                      .fuseInfoPage = true};
constexpr Capabilities kFlashWithoutData{.erase = true, .programFusesOnly = true};
constexpr Capabilities kFlashWithoutInfo{
    .dataEeprom = true, .erase = true, .programDataOnly = true, .programFusesOnly = true};
constexpr Capabilities kFlashWithoutDataWithInfo{
    .erase = true, .programFusesOnly = true, .fuseInfoPage = true};
constexpr Capabilities kWholeChipOnly{.dataEeprom = true, .erase = true, .fuseInfoPage = true};
// The 12-bit flash parts can only clear bits of a word; the one erase takes
// program memory and the configuration word together, so they are always
// programmed as a whole.
constexpr Capabilities kBaselineFlash{.erase = true};
constexpr Capabilities kBaselineFlashOsccal{.erase = true, .osccalKept = true};

constexpr std::array<LayoutCapabilities, kFuseLayoutCount> kTable{{
    {L::Pic16F84,
     {.dataEeprom = true, .erase = true, .programDataOnly = true, .programFusesOnly = true}},
    {L::Pic16C84,
     {.dataEeprom = true, .erase = true, .programDataOnly = true, .programFusesOnly = true}},
    {L::Pic16C61, {.programFusesOnly = true}},
    {L::Pic16C62, kEpromWithInfo},
    {L::Pic16C62A, kEpromWithInfo},
    {L::Pic16C71x, kEpromWithInfo},
    {L::Pic16C77x, kEpromWithInfo},
    {L::Pic16C7x5, kEpromWithInfo},
    {L::Pic16C923, kEpromWithInfo},
    {L::Pic16C925, kEpromWithInfo},
    {L::Pic16C55x, kEpromWithInfo},
    {L::Pic12C50x, kEpromWithInfo},
    {L::Pic16C505, kEpromWithInfo},
    {L::Pic12C67x, kEpromWithInfo},
    {L::Pic14C000, kEpromWithInfo},
    {L::Pic16F62x, kFlashWithInfo},
    {L::Pic16F87x, kFlashWithInfo},
    {L::Pic12F6xx, kWholeChipOnly},
    {L::Pic16F87xA, kFlashWithInfo},
    {L::Pic16F62xA, kWholeChipOnly},
    {L::Pic10F20x, kBaselineFlashOsccal},
    {L::Pic10F22x, kBaselineFlashOsccal},
    {L::Pic12F50x, kBaselineFlashOsccal},
    {L::Pic12F510, kBaselineFlashOsccal},
    {L::Pic16F505, kBaselineFlashOsccal},
    {L::Pic16F506, kBaselineFlashOsccal},
    {L::Pic16F5x, kBaselineFlash},
    {L::Pic16F88, kFlashWithInfo},
    {L::Pic16F88x, kFlashWithInfo},
    {L::Pic16F7x, kFlashWithoutData},
    {L::Pic16F716, kFlashWithoutData},
    {L::Pic16F7x7, kFlashWithoutDataWithInfo},
    {L::Pic12F683, kFlashWithInfo},
    {L::Pic12F635, kFlashWithInfo},
    {L::Pic16F91x, kFlashWithInfo},
    {L::Pic12F609, kFlashWithoutDataWithInfo},
    {L::Pic12F617, kFlashWithoutDataWithInfo},
    {L::Pic16F1827, kFlashWithoutInfo},
    {L::Pic16F193x, kFlashWithoutInfo},
}};

}  // namespace

Capabilities CapabilitiesOf(FuseLayout layout) {
  for (const LayoutCapabilities& row : kTable)
    if (row.layout == layout) return row.can;
  // Every enumerator has a row (checked by the catalogue self-test); a value
  // outside the enum offers everything but the information page, as a
  // device before any layout is applied does.
  return {.dataEeprom = true, .erase = true, .programDataOnly = true, .programFusesOnly = true};
}

}  // namespace lpt
