// SPDX-License-Identifier: GPL-2.0-or-later
// lptpic-cli dump and convert, run as the built program.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "support/cli_run.h"
#include "support/hexfile_helpers.h"

namespace {

namespace fs = std::filesystem;
using lpt::testing_hex::ReadFile;
namespace testing_hex = lpt::testing_hex;

bool StartsWith(const std::string& text, const std::string& head) { return text.starts_with(head); }
bool EndsWith(const std::string& text, const std::string& tail) { return text.ends_with(tail); }

using lpt::testing_files::CliRun;

class HexFileCli : public ::testing::Test {
 protected:
  void SetUp() override {
    Write("in.hex",
          ":100000000528FF3FFF3FFF3FFF3FFF3FFF3FFF3F11\n:02400E00F13F80\n"
          ":104200000500FF00FF00FF00FF00FF00FF00FF00B0\n:00000001FF\n");
    Write("bad.hex", ":02400E00F13F80\n:02400E00F13F81\n");
  }
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name, std::ios::binary) << text;
  }
  CliRun Cli(const std::string& args) const { return lpt::testing_files::RunCliIn(dir_, args); }
  testing_hex::ScratchDir scratch_{"lptpic_hexcli_"};
  const fs::path& dir_ = scratch_.path;
};

TEST_F(HexFileCli, DumpPrintsTheGrids) {
  const CliRun r = Cli("--id 12 dump in.hex");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_PRED2(StartsWith, r.out,
               "device 16F84\nfuses 3FF1\nid FF12\nprogram\n000 2805 3FFF 3FFF 3FFF 3FFF 3FFF 3FFF "
               "3FFF\n008 3FFF 3FFF");
  EXPECT_NE(r.out.find("\n3F8 3FFF 3FFF 3FFF 3FFF 3FFF 3FFF 3FFF 3FFF\ndata\n"
                       "00 05 FF FF FF FF FF FF FF\n08 FF"),
            std::string::npos);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 4 + 128 + 1 + 8);
  EXPECT_PRED2(EndsWith, r.out, "\n38 FF FF FF FF FF FF FF FF\n");

  const CliRun noData = Cli("--device 16C61 dump in.hex");
  ASSERT_EQ(noData.code, 0) << noData.err;
  EXPECT_PRED2(EndsWith, noData.out, "3F8 3FFF 3FFF 3FFF 3FFF 3FFF 3FFF 3FFF 3FFF\ndata\n");
}

TEST_F(HexFileCli, ConvertWritesTheSavedForm) {
  const CliRun r = Cli("convert in.hex out.hex");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(ReadFile(dir_ / "out.hex"),
            ":100000000528FF3FFF3FFF3FFF3FFF3FFF3FFF3F11\r\n:02400E00F13F80\r\n"
            ":104200000500FF00FF00FF00FF00FF00FF00FF00B0\r\n:00000001FF\r\n");
}

// Converted, a cut-off file would come out with an end record of its own
// and pass for complete.
TEST_F(HexFileCli, ACutOffFileIsConvertedOnlyWhenAllowed) {
  Write("cut.hex", ":100000000528FF3FFF3FFF3FFF3FFF3FFF3FFF3F11\n");
  const std::string warning = "cut.hex has no end-of-file record: it may be cut off\n";
  CliRun r = Cli("convert cut.hex out.hex");
  EXPECT_EQ(r.code, 2);
  EXPECT_TRUE(StartsWith(r.err, warning)) << r.err;
  EXPECT_FALSE(fs::exists(dir_ / "out.hex"));
  r = Cli("convert --allow-truncated cut.hex out.hex");
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.err, warning);
  EXPECT_EQ(ReadFile(dir_ / "out.hex"),
            ":100000000528FF3FFF3FFF3FFF3FFF3FFF3FFF3F11\r\n:02400E00FF3F72\r\n:00000001FF\r\n");
}

TEST_F(HexFileCli, BadInputExitsWithUsage) {
  struct Case {
    const char* args;
    const char* message;
  } cases[] = {
      {"dump bad.hex", "Error CheckSum on line 2 !"},
      {"dump missing.hex", "missing.hex"},
      {"convert bad.hex out.hex", "Error CheckSum on line 2 !"},
      {"convert in.hex no/such/dir/out.hex", "no/such/dir/out.hex"},
      {"--device 16F8 dump in.hex", "16F8"},
      {"dump", ""},
  };
  for (const Case& c : cases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.code, 2) << c.args;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << ": " << r.err;
    EXPECT_TRUE(r.out.empty()) << c.args;
  }
  EXPECT_FALSE(fs::exists(dir_ / "out.hex"));
}

}  // namespace
