#include "devices/active_device.h"

namespace lpt {

void SelectDevice(ActiveDevice& device, std::string_view name) {
  device.family = Family::None;
  device.configMask = 0x3FFF;
  device.infoPage = 0;
  const CatalogueRow* row = FindDevice(name);
  if (row == nullptr) {
    // Unknown names fall back to the 16F84 rather than failing: the
    // settings file may name a part from a newer or older catalogue.
    device.name = "16F84";
    row = FindDevice("16F84");
  } else {
    device.name = std::string(name);
  }
  device.family = row->family;
  device.programRows = row->programRows;
  device.dataRows = row->dataRows;
  device.configMask = row->configMask;
  device.fuseLayout = row->layout;
  device.infoPage = row->infoPage;
}

}  // namespace lpt
