// SPDX-License-Identifier: GPL-2.0-or-later
// The catalogue's self-check: what a record must satisfy for the rest of the
// program to rely on it without checking again.
#include <map>
#include <set>

#include "devices/capabilities.h"
#include "devices/catalogue.h"

namespace lpt {
namespace {

// The socket's strips have twenty holes.
constexpr int kHolesPerStrip = 20;
// What the fuse editor has room for: three rows of six switches for the
// first configuration word, two for the second.
constexpr int kFirstWordSlots = 18;
constexpr std::size_t kSecondWordSlots = 12;

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

void CheckSwitches(std::span<const FuseSwitchSpec> switches, std::uint16_t mask,
                   std::uint16_t owned, Complaints& complain) {
  for (const FuseSwitchSpec& sw : switches) {
    complain(sw.mask == 0 || (sw.mask & ~mask) != 0,
             "switch \"" + std::string(sw.setCaption) + "\" owns bits the part lacks");
    // A click on one switch would change what another shows.
    complain((sw.mask & owned) != 0,
             "switch \"" + std::string(sw.setCaption) + "\" shares bits with another");
    owned |= sw.mask;
  }
}

void CheckLayout(const DeviceRecord& r, const FuseLayoutSpec& spec, Complaints& complain) {
  const std::uint16_t owned = spec.osc->OwnedBits();
  complain((owned & ~r.ConfigMask()) != 0, "oscillator switch owns bits the part lacks");
  CheckSwitches(spec.switches, r.ConfigMask(), owned, complain);
  complain(spec.SlotCount() > kFirstWordSlots, "more switches than the first row of slots holds");
  complain(spec.secondWord.empty() == r.HasSecondConfigWord(),
           "layout and record disagree on a second configuration word");
  CheckSwitches(spec.secondWord, r.configMasks[1], 0, complain);
  complain(spec.secondWord.size() > kSecondWordSlots,
           "more switches than the second word's row holds");
}

// Calibration words sit in configuration memory after the configuration
// words; a row of latches is a power of two that divides program memory.
void CheckProgrammingFacts(const DeviceRecord& r, const FamilyTraits& family,
                           Complaints& complain) {
  const int latches = r.writeLatches;
  complain(latches < 1 || (latches & (latches - 1)) != 0 || r.programWords % latches != 0,
           "write latches not a power of two that divides program memory");
  const int firstFree = family.configSpace + (r.HasSecondConfigWord() ? 9 : 8);
  for (std::uint16_t address : r.calibrationWords)
    complain(address != 0 && (address < firstFree || address > family.configSpace + 0xF),
             "calibration word outside the configuration memory after the configuration words");
  complain(family.word12 && r.HasSecondConfigWord(), "second configuration word on a 12-bit part");
}

void CheckConnection(const DeviceRecord& r, Complaints& complain) {
  complain(r.wiring != Wiring::None && r.wiring != Wiring::Pic14C000 &&
               r.wiring != Wiring::Pic16C92x && r.wiring != Wiring::IcspCable,
           "unknown wiring");
  complain((r.wiring == Wiring::IcspCable) != r.icspPins.has_value(),
           "ICSP pins given without the ICSP wiring, or the other way round");
  if (r.icspPins) {
    const int pins = PinCount(r.package);
    const ProgrammingPins& p = *r.icspPins;
    for (int pin : {p.vpp, p.vdd, p.vss, p.pgc, p.pgd})
      complain(pin < 1 || pin > pins, "ICSP pin outside the package");
    complain(SocketPins(r.package) == r.icspPins,
             "ICSP pins are the socket's: the part sits in the socket");
  }
  if (r.wiring == Wiring::None) {
    const std::optional<SocketSeat> seat = SeatOf(r.package);
    complain(!seat, "package does not fit the socket and no wiring is given");
    if (seat)
      complain(seat->firstHole + PinCount(r.package) / 2 - 1 > kHolesPerStrip,
               "package runs off the socket's strips");
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
  CheckConnection(r, complain);
  if (family == nullptr || layout == nullptr) return;

  const std::uint16_t word = family->word12 ? 0x0FFF : 0x3FFF;
  complain(r.configMasks[0] == 0, "no configuration word");
  for (std::uint16_t mask : r.configMasks)
    complain((mask & ~word) != 0, "configuration mask wider than the word");
  complain((r.dataBytes > 0) != family->dataEeprom, "data bytes disagree with the family");
  CheckDeviceIds(r, *family, complain);
  CheckLayout(r, *layout, complain);
  CheckProgrammingFacts(r, *family, complain);

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
  // A device ID names one part, detection and the check before writing
  // rely on it; unless the maker gave it to two parts, and both say so.
  std::map<std::uint16_t, const DeviceRecord*> ids;
  for (const DeviceRecord& r : records) {
    Complaints complain(problems, r.name);
    for (std::uint16_t id : r.deviceIds) {
      if (id == 0) continue;
      const auto [it, added] = ids.emplace(id, &r);
      const bool declared = r.sharesDeviceId && it->second->sharesDeviceId;
      complain(!added && !declared, "device ID shared with " + std::string(it->second->name));
    }
    complain(r.name.empty(), "empty name");
    for (std::string_view name : {r.name, r.partNames[0], r.partNames[1]})
      if (!name.empty())
        complain(!names.insert(name).second, "name \"" + std::string(name) + "\" appears twice");
    CheckRecord(r, complain);
  }
  return problems;
}

}  // namespace lpt
