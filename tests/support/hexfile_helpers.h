// Shared by the HEX file tests: a device set up with blank buffers, and the
// grids as one text for whole-buffer comparisons.
#pragma once

#include <string>
#include <string_view>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"

namespace lpt::testing_hex {

struct Chip {
  explicit Chip(std::string_view name) { InicChip(device, buffers, name); }
  ActiveDevice device;
  EditBuffers buffers;
};

// Every program and data cell with its address, for EXPECT_EQ diffs.
inline std::string GridText(const Chip& chip) {
  std::string text;
  for (int a = 0; a < 8 * chip.device.ProgramRows; ++a)
    text += std::to_string(a) + ":" + chip.buffers.ProgramWord(a) + " ";
  text += "| ";
  for (int a = 0; a < 8 * chip.device.DataRows; ++a)
    text += std::to_string(a) + ":" + chip.buffers.DataByte(a) + " ";
  return text;
}

}  // namespace lpt::testing_hex
