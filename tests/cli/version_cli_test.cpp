// SPDX-License-Identifier: GPL-2.0-or-later
// lptpic-cli --version: the project's version and the licence, with no
// command needed.
#include <gtest/gtest.h>

#include <map>
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

// Each library --version names ("Built with CLI11 (BSD-3-Clause) and ...")
// is in debian/copyright, with the text of its licence there.
TEST(VersionCli, EveryLibraryItNamesIsInTheCopyrightFile) {
  const ScratchDir run("lptpic_version_libraries_");
  const std::string out = lpt::testing_files::RunCliIn(run.path, "--version").out;
  const std::string copyright = ReadFile(LPTPIC_TEST_DATA "/../../debian/copyright");
  const std::string words = std::regex_replace(copyright, std::regex("\\s+"), " ");
  // The licences' SPDX names and debian/copyright's.
  const std::map<std::string, std::string> debianName{{"BSD-3-Clause", "BSD-3-clause"},
                                                      {"MIT", "Expat"}};
  const std::regex library(R"(([A-Z][A-Za-z0-9 +]+?) \(([A-Za-z0-9.-]+)\))");
  const std::string built = out.substr(out.find("Built with "));
  int named = 0;
  for (auto it = std::sregex_iterator(built.begin(), built.end(), library);
       it != std::sregex_iterator(); ++it, ++named) {
    const std::string name =
        std::regex_replace((*it)[1].str(), std::regex("^(Built with|and) "), "");
    SCOPED_TRACE(name);
    EXPECT_NE(words.find(" " + name + " "), std::string::npos);
    ASSERT_EQ(debianName.count((*it)[2]), 1u) << (*it)[2];
    EXPECT_NE(copyright.find("\nLicense: " + debianName.at((*it)[2]) + "\n"), std::string::npos);
  }
  EXPECT_EQ(named, 2) << built;
}

}  // namespace
