// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/stop_place.h"

#include "buffers/hex_text.h"
#include "devices/family.h"

namespace lpt::cli {

std::string StopPlace(const std::string& pass, int address, const ActiveDevice& device) {
  const int configAddress =
      IsWord12Family(device.family) ? 0x0FFF : ConfigWordFileAddress(device.family);
  std::string memory = "program memory";
  if (pass == "Data memory") {
    memory = "data memory";
  } else if (pass == "ID") {
    memory = "ID";
  } else if (pass == "Configuration") {
    memory = "configuration word";
  } else if (pass == "ID and configuration" || pass == "Erase") {
    // Passes that go on to the configuration word after other words.
    if (address == configAddress)
      memory = "configuration word";
    else if (pass != "Erase")
      memory = "ID";
  }
  return memory + " " + ToHex(static_cast<std::uint32_t>(address < 0 ? 0 : address), 4) + "h";
}

}  // namespace lpt::cli
