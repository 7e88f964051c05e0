// SPDX-License-Identifier: GPL-2.0-or-later
#include "devices/active_device.h"

namespace lpt {

void SelectDevice(ActiveDevice& device, std::string_view name) {
  const DeviceRecord* record = FindDevice(name);
  if (record == nullptr) {
    // Unknown names fall back to the 16F84 rather than failing: the
    // settings file may name a part from a newer or older catalogue.
    record = FindDevice("16F84");
  }
  device.name = std::string(record->name);
  device.family = record->family;
  device.programRows = record->ProgramRows();
  device.dataRows = record->DataRows();
  device.configMask = record->ConfigMask();
  device.secondConfigMask = record->configMasks[1];
  device.fuseLayout = record->fuseLayout;
  device.infoPage = record->infoPage;
  device.record = record;
}

}  // namespace lpt
