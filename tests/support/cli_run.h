// SPDX-License-Identifier: GPL-2.0-or-later
// The built lptpic-cli run as a user runs it, in a folder of the test's
// choosing, with its exit code and both output streams captured to files
// there (so standard error is not a terminal).
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace lpt::testing_files {

struct CliRun {
  int code = -1;
  std::string out, err;
};

// `args` are shell words; out.txt and err.txt are left in `dir`.
inline CliRun RunCliIn(const std::filesystem::path& dir, const std::string& args) {
  const std::string command = "cd '" + dir.string() +
                              "' && '" LPTPIC_BINARY_DIR "/cli/lptpic-cli' " + args +
                              " > out.txt 2> err.txt";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(dir / "out.txt"),
          ReadFile(dir / "err.txt")};
}

}  // namespace lpt::testing_files
