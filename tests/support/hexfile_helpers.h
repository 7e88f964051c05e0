// Shared by the HEX file tests: a device set up with blank buffers, the
// grids as one text for whole-buffer comparisons, files and scratch folders.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
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

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A new folder under the system's temp folder, removed with the object;
// random names keep parallel test runs apart.
struct ScratchDir {
  explicit ScratchDir(const std::string& prefix)
      : path(std::filesystem::temp_directory_path() /
             (prefix + std::to_string(std::random_device{}()))) {
    std::filesystem::create_directories(path);
  }
  ~ScratchDir() { std::filesystem::remove_all(path); }
  std::filesystem::path path;
};

}  // namespace lpt::testing_hex
