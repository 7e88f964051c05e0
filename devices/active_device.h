// The active device: the catalogue values of the part the user works on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "devices/catalogue.h"

namespace lpt {

struct ActiveDevice {
  std::string DeviceName = "16F84";
  int FamilyCode = 0;  // 0 only before the first selection
  int ProgramRows = 128;
  int DataRows = 8;
  std::uint16_t ConfigMask = 0x3FFF;
  int InfoPage = 0;
  Layout FuseLayout = Layout::Plocha_1;
};

// Makes `name` the active device from the catalogue. An unknown or empty
// name selects "16F84" and stores that name, so the settings file keeps a
// valid one. This is the device half of InicChip; the buffers and the
// window follow from the result.
void SelectDevice(ActiveDevice& device, std::string_view name);

}  // namespace lpt
