#include "devices/capabilities.h"

#include <array>

namespace lpt {
namespace {

using L = FuseLayout;

// EPROM parts have no data memory and no electrical erase; the 12F6xx and
// 16F62xA parts are always programmed as a whole, because their fuse pass
// relies on the erase that opens Program All. Parts whose fuses have an
// information page are all but the flash 16F8x/16C84 and the 16C61/71.
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
constexpr Capabilities kWholeChipOnly{.dataEeprom = true, .erase = true, .fuseInfoPage = true};

constexpr std::array<LayoutCapabilities, kFuseLayoutCount> kTable{{
    {L::L1, {.dataEeprom = true, .erase = true, .programDataOnly = true, .programFusesOnly = true}},
    {L::L3, {.dataEeprom = true, .erase = true, .programDataOnly = true, .programFusesOnly = true}},
    {L::L4, {.programFusesOnly = true}},
    {L::L5, kEpromWithInfo},
    {L::L7, kEpromWithInfo},
    {L::L10, kEpromWithInfo},
    {L::L11, kEpromWithInfo},
    {L::L12, kEpromWithInfo},
    {L::L13, kEpromWithInfo},
    {L::L14, kEpromWithInfo},
    {L::L17, kEpromWithInfo},
    {L::L20, kEpromWithInfo},
    {L::L21, kEpromWithInfo},
    {L::L22, kEpromWithInfo},
    {L::L24, kEpromWithInfo},
    {L::L25, kFlashWithInfo},
    {L::L27, kFlashWithInfo},
    {L::L28, kWholeChipOnly},
    {L::L30, kFlashWithInfo},
    {L::L40, kWholeChipOnly},
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
