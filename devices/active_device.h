// SPDX-License-Identifier: GPL-2.0-or-later
// The active device: the catalogue values of the part the user works on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "devices/catalogue.h"

namespace lpt {

struct ActiveDevice {
  std::string name = "16F84";
  Family family = Family::None;  // None only before the first selection
  int programRows = 128;
  int dataRows = 8;
  std::uint16_t configMask = 0x3FFF;
  std::uint16_t secondConfigMask = 0;  // the second configuration word's bits; 0 = no such word
  InfoPage infoPage = InfoPage::None;
  FuseLayout fuseLayout = FuseLayout::Pic16F84;
  const DeviceRecord* record = nullptr;  // everything else about the part; set by SelectDevice
};

// Makes `name` the active device from the catalogue. An unknown or empty
// name selects "16F84" and stores that name, so the settings file keeps a
// valid one. This is the device half of SetUpDevice; the buffers and the
// window follow from the result.
void SelectDevice(ActiveDevice& device, std::string_view name);

}  // namespace lpt
