// SPDX-License-Identifier: GPL-2.0-or-later
// What a program command sent to the chip and how long it took, filled in
// by the command for the line a front end shows at its end.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace lpt {

struct ProgramSummary {
  std::string device;    // catalogue name
  int programWords = 0;  // program-memory words programmed
  int dataBytes = 0;     // data EEPROM bytes programmed
  // What the configuration and ID passes wrote; empty when they did not run.
  std::optional<std::uint16_t> configuration;
  std::optional<std::uint16_t> secondConfiguration;  // parts with two words
  std::optional<std::string> id;
  // The command ended well: every word it wrote read back as the buffers
  // hold it.
  bool verified = false;
  // The command's time on the clock its waits run on: the simulator's
  // virtual time, real time on a port.
  std::uint64_t tookUs = 0;
};

}  // namespace lpt
