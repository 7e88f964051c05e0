#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

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

TEST(DevicesCommand, ListsTheCatalogueInTableOrder) {
  int status = -1;
  const std::vector<std::string> lines = RunCli("devices", &status);
  EXPECT_EQ(status, 0);
  ASSERT_EQ(lines.size(), 82u);
  EXPECT_EQ(lines.front(), "16F877A\t30\t8192\t256\t2FCF\t30\t30");
  EXPECT_EQ(lines[1], "12F629/675\t28\t1024\t128\t01FF\t28\t28");
  EXPECT_EQ(lines[3], "16F84\t1\t1024\t64\t3FFF\t1\t0");
  EXPECT_EQ(lines[77], "16F877\t27\t8192\t256\t33FF\t27\t20");
  // The later rows follow the older ones; sizes and masks as gputils'
  // processor limits and configuration headers give them.
  const std::vector<std::string> added = {
      "16F873A\t30\t4096\t128\t2FCF\t30\t31", "16F874A\t30\t4096\t128\t2FCF\t30\t31",
      "16F876A\t30\t8192\t256\t2FCF\t30\t30", "16F648A\t40\t4096\t256\t21FF\t40\t40"};
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 78, lines.end()), added);
  bool found16C505 = false, found16C61 = false;
  for (const std::string& l : lines) {
    found16C505 |= l == "16C505\t21\t1024\t0\t0FFF\t21\t11";
    found16C61 |= l == "16C61\t4\t1024\t0\t001F\t4\t0";
    size_t tabs = 0;
    for (char c : l) tabs += c == '\t';
    EXPECT_EQ(tabs, 6u) << l;
  }
  EXPECT_TRUE(found16C505);
  EXPECT_TRUE(found16C61);
}

}  // namespace
