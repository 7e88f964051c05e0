// SPDX-License-Identifier: GPL-2.0-or-later
// lptpic-cli on a line: a batch through the simulated socket folder with
// serial numbers, their counter file and the log, a run killed amid it, and
// the one JSON object of --json for every command and exit code.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <set>
#include <sstream>

#include "sim/chip_file.h"
#include "support/child_process.h"
#include "support/cli_run.h"

namespace {

namespace fs = std::filesystem;
using lpt::testing_files::CliRun;
using lpt::testing_files::ReadFile;
using nlohmann::json;

class ProductionCli : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(dir_ / "chips");
    const std::string command = "gpasm -a inhx8m -o '" + (dir_ / "image.hex").string() +
                                "' '" LPTPIC_TEST_DATA "/hex/ops_16f628a.asm' > /dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
  }
  CliRun Cli(const std::string& args) { return lpt::testing_files::RunCliIn(dir_, args); }

  // The user ID of every chip the socket folder saved, by file.
  std::vector<std::string> ChipIds() {
    std::set<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir_ / "chips"))
      if (entry.path().extension() == ".txt") files.insert(entry.path());
    std::vector<std::string> ids;
    for (const fs::path& file : files) {
      std::string why;
      const auto chip = lpt::sim::LoadChipFile(file.string(), &why);
      EXPECT_TRUE(chip) << why;
      if (!chip) continue;
      std::string id;
      for (int k = 0; k < 4; ++k) id += "0123456789ABCDEF"[chip->config[std::size_t(k)] & 0xF];
      ids.push_back(id);
    }
    return ids;
  }

  // Every line of the log, parsed (a line that does not parse fails).
  std::vector<json> LogLines() {
    std::vector<json> lines;
    std::istringstream log(ReadFile(dir_ / "log.jsonl"));
    for (std::string line; std::getline(log, line);) {
      lines.push_back(json::parse(line, nullptr, false));
      EXPECT_TRUE(lines.back().is_object()) << line;
    }
    return lines;
  }

  lpt::testing_files::ScratchDir scratch_{"lptpic_cli_production_"};
  const fs::path& dir_ = scratch_.path;
};

constexpr const char* kBatch =
    "-q --device 16F628A --port sim:chips/ program image.hex --serial 0x1000 --serial-at id "
    "--serial-file counter.json --log log.jsonl --repeat ";

TEST_F(ProductionCli, TwentyChipsGetTwentyNumbers) {
  const CliRun run = Cli(std::string(kBatch) + "--count 20");
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(run.out,
              ::testing::EndsWith("20 chips passed, 0 failed; serial numbers 0x1000 to 0x1013\n"));
  std::vector<std::string> expected;
  for (int n = 0x1000; n < 0x1014; ++n) {
    char id[8];
    std::snprintf(id, sizeof id, "%04X", n);
    expected.push_back(id);
  }
  EXPECT_EQ(ChipIds(), expected);
  EXPECT_EQ(json::parse(ReadFile(dir_ / "counter.json")), json({{"next", "0x1014"}}));
  const std::vector<json> log = LogLines();
  ASSERT_EQ(log.size(), 20u);
  for (std::size_t k = 0; k < log.size(); ++k) {
    EXPECT_EQ(log[k]["serial"], "0x" + expected[k]);
    EXPECT_EQ(log[k]["result"], "passed");
    EXPECT_EQ(log[k]["device_id"], "1060");  // 16F628A, DS41196
    EXPECT_EQ(log[k]["hex_sha256"].get<std::string>().size(), 64u);
  }
}

// Killed at a random word of the batch and run again: no number twice,
// and what the kill left behind still parses.
TEST_F(ProductionCli, AKilledBatchNeverGivesANumberTwice) {
  std::mt19937 random(20261207);
  const int word = std::uniform_int_distribution<int>(1, 24000)(random);
  SCOPED_TRACE("kill:word:" + std::to_string(word));
  const fs::path logs = dir_ / "logs";
  fs::create_directory(logs);
  const pid_t pid =
      lpt::testing_files::StartCli(dir_, logs, std::string(kBatch) + "--count 20",
                                   {.testSignal = "kill:word:" + std::to_string(word)});
  EXPECT_EQ(lpt::testing_files::WaitCli(pid, logs).code, -1) << "killed";
  const CliRun again = Cli(std::string(kBatch) + "--count 3");
  ASSERT_EQ(again.code, 0) << again.err;

  const std::vector<std::string> ids = ChipIds();
  EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()).size(), ids.size());
  const json counter = json::parse(ReadFile(dir_ / "counter.json"));
  const auto next = std::stoul(counter["next"].get<std::string>(), nullptr, 16);
  std::set<std::string> logged;
  for (const json& line : LogLines()) {
    const std::string serial = line["serial"];
    EXPECT_TRUE(logged.insert(serial).second) << serial << " logged twice";
    EXPECT_LT(std::stoul(serial, nullptr, 16), next);
  }
  EXPECT_GE(logged.size(), 3u);
}

// A part without a device ID: the operator's Enter brings the next chip,
// the end of the input ends the batch.
TEST_F(ProductionCli, PartsWithoutADeviceIdWaitForEnter) {
  const std::string command = "gpasm -a inhx8m -o '" + (dir_ / "f84.hex").string() +
                              "' '" LPTPIC_TEST_DATA "/hex/ops_16f84.asm' > /dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::ofstream(dir_ / "enter.txt") << "\n";
  const CliRun run = Cli(
      "-q --device 16F84 --port sim:chip.txt program f84.hex --repeat --serial 1 --serial-at id "
      "< enter.txt");
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(run.out,
              ::testing::EndsWith("2 chips passed, 0 failed; serial numbers 0x1 to 0x2\n"));
  EXPECT_THAT(run.err, ::testing::HasSubstr("Put the next chip in and press Enter."));
}

// One object on standard output, whatever the command and its end.
TEST_F(ProductionCli, JsonForEveryCommandAndExitCode) {
  std::ofstream(dir_ / "gone.txt") << "device 16F628A\nfault no-adapter\n";
  const std::string sim = "--json --device 16F628A --port sim:chip.txt ";
  const struct {
    std::string args, testSignal;
    int code;
    const char* result;
  } cases[] = {
      {sim + "devices", "", 0, "ok"},
      {sim + "dump image.hex", "", 0, "ok"},
      {sim + "checksum image.hex", "", 0, "ok"},
      {sim + "convert image.hex copy.hex", "", 0, "ok"},
      {sim + "probe", "", 0, "ok"},
      {sim + "program image.hex --serial 7 --serial-at id", "", 0, "ok"},
      {sim + "verify image.hex", "", 0, "ok"},
      {sim + "blank", "", 1, "failed"},
      {sim + "read", "", 0, "ok"},
      {sim + "detect", "", 0, "ok"},
      {sim + "erase", "", 0, "ok"},
      {sim + "adapters", "", 0, "ok"},
      {sim + "pins", "", 0, "ok"},
      {sim + "ports", "", 0, "ok"},
      {sim + "frobnicate", "", 2, "usage"},
      {sim + "checksum missing.hex", "", 2, "usage"},
      {"--json --device 16F628A --port sim:gone.txt probe", "", 3, "no device"},
      {sim + "program image.hex", "word:40", 130, "stopped"},
      {sim + "program image.hex --watch", "watch", 130, "stopped"},
  };
  const fs::path logs = dir_ / "logs";
  fs::create_directory(logs);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const auto run = lpt::testing_files::WaitCli(
        lpt::testing_files::StartCli(dir_, logs, c.args, {.testSignal = c.testSignal}), logs);
    EXPECT_EQ(run.code, c.code) << run.err;
    ASSERT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
    const json object = json::parse(run.out, nullptr, false);
    ASSERT_TRUE(object.is_object()) << run.out;
    EXPECT_EQ(object["exit_code"], run.code);
    EXPECT_EQ(object["result"], c.result);
    if (c.code != 0) {
      EXPECT_NE(object["message"], "");
    }
  }
  // The checksum of a file is the one Program prints for it.
  const CliRun sum = Cli(sim + "checksum image.hex");
  const CliRun program = Cli(sim + "program image.hex");
  EXPECT_EQ(json::parse(program.out)["checksum"], json::parse(sum.out)["checksum"]);
}

}  // namespace
