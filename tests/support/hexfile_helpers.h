// SPDX-License-Identifier: GPL-2.0-or-later
// Shared by the HEX file tests: a device set up with blank buffers, the
// grids as one text for whole-buffer comparisons, files and scratch folders
// (from support/temp_dir.h).
#pragma once

#include <string>

#include "support/device_buffers.h"
#include "support/temp_dir.h"

namespace lpt::testing_hex {

using Chip = testing_buffers::DeviceBuffers;

// Every program and data cell with its address, for EXPECT_EQ diffs.
inline std::string GridText(const Chip& chip) {
  std::string text;
  for (int a = 0; a < 8 * chip.device.programRows; ++a)
    text += std::to_string(a) + ":" + chip.buffers.ProgramWord(a) + " ";
  text += "| ";
  for (int a = 0; a < 8 * chip.device.dataRows; ++a)
    text += std::to_string(a) + ":" + chip.buffers.DataByte(a) + " ";
  return text;
}

using testing_files::ReadFile;
using testing_files::ScratchDir;

}  // namespace lpt::testing_hex
