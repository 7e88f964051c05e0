// SPDX-License-Identifier: GPL-2.0-or-later
#include "hw/mclr_voltage.h"

#include "devices/family.h"
#include "hw/adapter.h"

namespace lpt {

EntryChoice ChooseEntry(std::string_view name, std::uint32_t partMaxMillivolts,
                        bool lowVoltageEntry, std::uint32_t adapterMillivolts,
                        bool adapterSwitchesVdd) {
  if (adapterMillivolts <= partMaxMillivolts) return {};
  std::string reason = "The " + std::string(name) + " takes at most " +
                       VoltsText(partMaxMillivolts) + " on MCLR; this adapter gives " +
                       VoltsText(adapterMillivolts) + ".";
  if (lowVoltageEntry && adapterSwitchesVdd)
    return {Entry::LowVoltage, reason + " Low-voltage entry is used instead."};
  if (lowVoltageEntry)
    reason += " Low-voltage entry needs the supply switched, which this adapter cannot do.";
  return {Entry::Refused, reason + " It cannot be programmed with this adapter."};
}

EntryChoice ChooseEntry(const ActiveDevice& device, std::uint32_t adapterMillivolts,
                        bool adapterSwitchesVdd, std::uint32_t adapterVddMillivolts) {
  const DeviceRecord record = device.record ? *device.record : DeviceRecord{};
  if (adapterVddMillivolts > record.maxVddMillivolts)
    return {Entry::Refused, "The " + device.name + " takes at most " +
                                VoltsText(record.maxVddMillivolts) +
                                " on Vdd; this adapter gives " + VoltsText(adapterVddMillivolts) +
                                ". It cannot be programmed with this adapter."};
  const std::uint32_t most = record.maxMclrMillivolts;
  return ChooseEntry(device.name, most, HasLowVoltageEntry(device.family), adapterMillivolts,
                     adapterSwitchesVdd);
}

}  // namespace lpt
