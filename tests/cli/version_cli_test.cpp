// SPDX-License-Identifier: GPL-2.0-or-later
// lptpic-cli --version: the project's version and the licence, with no
// command needed.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "support/cli_run.h"

namespace {

using lpt::testing_files::CliRun;
using lpt::testing_files::ReadFile;
using lpt::testing_files::ScratchDir;

// The version the project declares in its top-level CMakeLists.txt.
std::string DeclaredVersion() {
  const std::string text = ReadFile(LPTPIC_TEST_DATA "/../../CMakeLists.txt");
  std::smatch m;
  if (!std::regex_search(text, m, std::regex(R"(project\(lptpic VERSION ([0-9.]+))"))) return {};
  return m[1];
}

TEST(VersionCli, PrintsTheProjectVersionAndSucceeds) {
  const std::string version = DeclaredVersion();
  ASSERT_FALSE(version.empty());
  const ScratchDir run("lptpic_version_run_");
  for (const char* args : {"--version", "--device 16F84 --version"}) {
    SCOPED_TRACE(args);
    const CliRun r = lpt::testing_files::RunCliIn(run.path, args);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1), "lptpic-cli " + version + "\n");
    EXPECT_NE(r.out.find("License GPL-2.0-or-later"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("CLI11 (BSD-3-Clause)"), std::string::npos) << r.out;
    EXPECT_EQ(r.err, "");
  }
}

}  // namespace
