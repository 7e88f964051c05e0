// SPDX-License-Identifier: GPL-2.0-or-later
// The catalogue's self-check: what a record must satisfy for the rest of the
// program to rely on it without checking again.
#include <set>

#include "devices/capabilities.h"
#include "devices/catalogue.h"

namespace lpt {
namespace {

// The socket's strips have twenty holes.
constexpr int kHolesPerStrip = 20;

class Complaints {
 public:
  Complaints(std::vector<std::string>& out, std::string_view name)
      : out_(out), name_(name.empty() ? "(a record without a name)" : name) {}
  void operator()(bool fault, std::string_view what) {
    if (fault) out_.push_back(name_ + ": " + std::string(what));
  }

 private:
  std::vector<std::string>& out_;
  std::string name_;
};

void CheckLayout(const DeviceRecord& r, const FuseLayoutSpec& spec, Complaints& complain) {
  std::uint16_t owned = spec.osc->OwnedBits();
  complain((owned & ~r.ConfigMask()) != 0, "oscillator switch owns bits the part lacks");
  for (const FuseSwitchSpec& sw : spec.switches) {
    complain(sw.mask == 0 || (sw.mask & ~r.ConfigMask()) != 0,
             "switch \"" + std::string(sw.setCaption) + "\" owns bits the part lacks");
    // A click on one switch would change what another shows.
    complain((sw.mask & owned) != 0,
             "switch \"" + std::string(sw.setCaption) + "\" shares bits with another");
    owned |= sw.mask;
  }
}

void CheckDeviceIds(const DeviceRecord& r, const FamilyTraits& family, Complaints& complain) {
  const bool group = !r.partNames[0].empty();
  if (r.deviceIdMask == 0) {
    complain(r.deviceIds[0] != 0 || r.deviceIds[1] != 0, "device ID without an ID mask");
    return;
  }
  complain(family.word12, "device ID on a 12-bit part (they have no ID word)");
  complain((r.deviceIdMask & ~0x3FFF) != 0, "ID mask wider than the word");
  for (std::size_t i = 0; i < r.deviceIds.size(); ++i) {
    const bool needed = i == 0 || group;
    complain(needed && r.deviceIds[i] == 0, "ID mask without a device ID for each part");
    complain(!needed && r.deviceIds[i] != 0, "second device ID for a single part");
    complain((r.deviceIds[i] & ~r.deviceIdMask) != 0, "device ID has bits outside its mask");
  }
}

void CheckRecord(const DeviceRecord& r, Complaints& complain) {
  complain(r.programWords <= 0 || r.programWords % 8 != 0,
           "program words not a whole number of rows of eight");
  complain(r.dataBytes < 0 || r.dataBytes % 8 != 0,
           "data bytes not a whole number of rows of eight");
  complain(r.partNames[0].empty() != r.partNames[1].empty(), "a group name needs two part names");

  const FamilyTraits* family = FindFamily(r.family);
  complain(family == nullptr, "unknown family");
  const FuseLayoutSpec* layout = FindFuseLayout(r.fuseLayout);
  complain(layout == nullptr, "unknown fuse layout");
  complain(!IsKnownInfoPage(r.infoPage), "unknown information page");
  complain(PinCount(r.package) == 0, "unknown package");
  complain(r.wiring > Wiring::IcspCable, "unknown wiring");
  if (r.wiring == Wiring::None) {
    const std::optional<SocketSeat> seat = SeatOf(r.package);
    complain(!seat, "package does not fit the socket and no wiring is given");
    if (seat)
      complain(seat->firstHole + PinCount(r.package) / 2 - 1 > kHolesPerStrip,
               "package runs off the socket's strips");
  }
  if (family == nullptr || layout == nullptr) return;

  const std::uint16_t word = family->word12 ? 0x0FFF : 0x3FFF;
  complain(r.configMasks[0] == 0, "no configuration word");
  for (std::uint16_t mask : r.configMasks)
    complain((mask & ~word) != 0, "configuration mask wider than the word");
  complain((r.dataBytes > 0) != family->dataEeprom, "data bytes disagree with the family");
  CheckDeviceIds(r, *family, complain);
  CheckLayout(r, *layout, complain);

  // What the window offers must follow from what the chip is.
  const Capabilities can = CapabilitiesOf(r.fuseLayout);
  complain(can.dataEeprom != family->dataEeprom, "layout disagrees with the family on data EEPROM");
  complain(can.erase != IsErasable(r.family), "layout disagrees with the family on Erase");
  complain(can.fuseInfoPage != (r.infoPage != InfoPage::None),
           "layout disagrees with the record on the information page");
  complain(can.programDataOnly && !can.dataEeprom,
           "layout offers programming data memory the part lacks");
}

}  // namespace

std::vector<std::string> CatalogueProblems(std::span<const DeviceRecord> records) {
  std::vector<std::string> problems;
  std::set<std::string_view> names;
  for (const DeviceRecord& r : records) {
    Complaints complain(problems, r.name);
    complain(r.name.empty(), "empty name");
    for (std::string_view name : {r.name, r.partNames[0], r.partNames[1]})
      if (!name.empty())
        complain(!names.insert(name).second, "name \"" + std::string(name) + "\" appears twice");
    CheckRecord(r, complain);
  }
  return problems;
}

}  // namespace lpt
