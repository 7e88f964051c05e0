#include "devices/active_device.h"

namespace lpt {

void SelectDevice(ActiveDevice& device, std::string_view name) {
  device.FamilyCode = 0;
  device.ConfigMask = 0x3FFF;
  device.InfoPage = 0;
  const CatalogueRow* row = FindDevice(name);
  if (row == nullptr) {
    // Unknown names fall back to the 16F84 rather than failing: the
    // settings file may name a part from a newer or older catalogue.
    device.DeviceName = "16F84";
    row = FindDevice("16F84");
  } else {
    device.DeviceName = std::string(name);
  }
  device.FamilyCode = row->familyCode;
  device.ProgramRows = row->programRows;
  device.DataRows = row->dataRows;
  device.ConfigMask = row->configMask;
  device.FuseLayout = row->layout;
  device.InfoPage = row->infoPage;
}

}  // namespace lpt
