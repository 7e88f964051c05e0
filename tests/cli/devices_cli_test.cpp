// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/data_table.h"

namespace {

using lpt::testing_data::Fields;

// Runs lptpic-cli with the arguments and returns its standard output lines.
std::vector<std::string> RunCli(const std::string& args, int* status) {
  const std::string command = std::string(LPTPIC_BINARY_DIR "/cli/lptpic-cli ") + args;
  std::vector<std::string> lines;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return lines;
  std::string line;
  for (int c; (c = std::fgetc(pipe)) != EOF;) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line += static_cast<char>(c);
    }
  }
  if (!line.empty()) lines.push_back(line);
  *status = pclose(pipe);
  return lines;
}

Fields SplitTabs(const std::string& line) {
  Fields fields(1);
  for (char c : line) {
    if (c == '\t')
      fields.emplace_back();
    else
      fields.back() += c;
  }
  return fields;
}

TEST(DevicesCommand, ListsTheCatalogueInTableOrder) {
  int status = -1;
  const std::vector<std::string> lines = RunCli("devices", &status);
  EXPECT_EQ(status, 0);
  ASSERT_FALSE(lines.empty());
  // The first seven fields are what scripts read: they never move.
  auto FirstSeven = [](const std::string& line) {
    std::size_t at = 0;
    for (int tab = 0; tab < 7 && at != std::string::npos; ++tab) at = line.find('\t', at + 1);
    return line.substr(0, at);
  };
  EXPECT_EQ(FirstSeven(lines.front()), "16F877A\t30\t8192\t256\t2FCF\t30\t30");
  EXPECT_EQ(FirstSeven(lines[1]), "12F629/675\t28\t1024\t128\t01FF\t28\t28");
  EXPECT_EQ(FirstSeven(lines[3]), "16F84\t1\t1024\t64\t3FFF\t1\t0");
  EXPECT_EQ(FirstSeven(lines[77]), "16F877\t27\t8192\t256\t33FF\t27\t20");

  // Every line against the transcribed catalogue, which lists the parts in
  // table order; sizes there are in rows of eight, layouts as "L<number>".
  const std::vector<Fields> rows = lpt::testing_data::ReadTable("devices/catalogue.tsv", 9);
  ASSERT_EQ(lines.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Fields& f = rows[i];
    const Fields got = SplitTabs(lines[i]);
    ASSERT_EQ(got.size(), 8u) << lines[i];
    const Fields expected{f[0],
                          f[1],
                          std::to_string(std::stoi(f[2]) * 8),
                          std::to_string(std::stoi(f[3]) * 8),
                          f[4],
                          f[5].substr(1),
                          f[6],
                          "simulator"};  // no part has been run on real silicon yet
    EXPECT_EQ(got, expected) << lines[i];
  }
}

// The catalogue's self-check: a sound catalogue, no line and status 0.
TEST(DevicesCommand, CheckFindsNothingInTheCatalogue) {
  int status = -1;
  EXPECT_EQ(RunCli("devices --check", &status), std::vector<std::string>{});
  EXPECT_EQ(status, 0);
  RunCli("devices --check --long 2>/dev/null", &status);
  EXPECT_NE(status, 0);
}

}  // namespace
