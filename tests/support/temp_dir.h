// SPDX-License-Identifier: GPL-2.0-or-later
// Scratch folders and whole-file reads for tests that run real files or the
// built program: each folder is new, and removed with its object even when
// an assertion ends the test early.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace lpt::testing_files {

// A new folder under the system's temp folder, removed with the object;
// random names keep parallel test runs apart.
struct ScratchDir {
  explicit ScratchDir(const std::string& prefix)
      : path(std::filesystem::temp_directory_path() /
             (prefix + std::to_string(std::random_device{}()))) {
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
  }
  ~ScratchDir() { std::filesystem::remove_all(path); }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  std::filesystem::path path;
};

// The whole file as bytes; empty when it cannot be opened.
inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace lpt::testing_files
