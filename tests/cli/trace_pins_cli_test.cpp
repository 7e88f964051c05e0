// SPDX-License-Identifier: GPL-2.0-or-later
// What every command sends to a chip, pinned: for one part of each
// programming family, lptpic-cli runs a fixed round of commands on one
// simulated chip in the standard timing profile with the default wiring,
// and the port trace of each command is reduced to a digest that must equal
// the one recorded in tests/data/trace_pins.tsv. A change that alters what
// an existing command sends fails here and has to say so in its issue.
//
// The table was recorded from the program before the domain was reshaped;
// LPTPIC_WRITE_TRACE_PINS=FILE writes a new one instead of comparing, for a
// change whose issue asks for different traffic.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_run.h"

namespace {

namespace fs = std::filesystem;
using lpt::testing_files::ReadFile;
using lpt::testing_files::RunCliIn;
using lpt::testing_files::ScratchDir;

struct Part {
  const char* device;  // as --device takes it
  const char* image;   // tests/data/hex/ops_<image>.asm
};

// One part of every family (and the 16F84A's 64-byte-data sibling 16F83
// is left out: it shares the 16F84's row of methods).
constexpr Part kParts[] = {
    {"16F84", "16f84"},       {"16C74", "16c74"},     {"16C554", "16c554"},
    {"12C508", "12c508"},     {"16C505", "16c505"},   {"12C671", "12c671"},
    {"14C000", "14c000"},     {"16F628", "16f628"},   {"16F877", "16f877"},
    {"12F629/675", "12f675"}, {"16F877A", "16f877a"}, {"16F628A", "16f628a"},
    {"16F648A", "16f648a"},   {"16F873A", "16f873a"}, {"10F200", "10f200"},
    {"16F57", "16f57"},
};

// The round, in order, on one chip file; `a.hex` is the part's image.
constexpr const char* kRound[] = {
    "blank",
    "--id 1A2B program a.hex",
    "--id 1A2B verify a.hex",
    "read",
    "program --only data a.hex",
    "--id 2B3C program --only fuses a.hex",
    "program a.hex",
    "blank",
    "erase",
    "blank",
    "--delay program a.hex",
    "verify a.hex",
    "read r.hex",
};

// Files the round leaves, pinned as the traces are: the HEX file the last
// read saved and the chip file of the simulated chip.
constexpr const char* kFiles[] = {"r.hex", "chip.txt"};

// FNV-1a, 64 bits: enough to tell two traces apart, short to keep in a table.
std::uint64_t Digest(const std::string& text) {
  std::uint64_t hash = 0xCBF29CE484222325ull;
  for (unsigned char c : text) {
    hash ^= c;
    hash *= 0x100000001B3ull;
  }
  return hash;
}

// The trace without the 300 ms "Ok" wait a successful verify or blank check
// once held before switching the chip off: it showed nothing to a CLI user
// and never reached the chip as a command.
std::string WithoutOkFlash(const std::string& trace) {
  std::vector<std::string> lines;
  std::istringstream in(trace);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  if (lines.size() >= 2 && lines[lines.size() - 2] == "M 300") lines.erase(lines.end() - 2);
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

std::string PinKey(const Part& part, std::size_t step) {
  return std::string(part.device) + "\t" + std::to_string(step);
}

std::map<std::string, std::string> ReadPins(const fs::path& file) {
  std::map<std::string, std::string> pins;
  std::istringstream in(ReadFile(file));
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    // device, step, command, exit code, lines, digest
    std::istringstream fields(line);
    std::string device, step, command, rest;
    std::getline(fields, device, '\t');
    std::getline(fields, step, '\t');
    std::getline(fields, command, '\t');
    std::getline(fields, rest);
    pins[device + "\t" + step] = rest;
  }
  return pins;
}

// One test per part, so that ctest runs them side by side.
class TracePins : public ::testing::TestWithParam<Part> {};

TEST_P(TracePins, SendsWhatItSentBefore) {
  const Part& part = GetParam();
  const char* writeTo = std::getenv("LPTPIC_WRITE_TRACE_PINS");
  const auto pins = ReadPins(LPTPIC_TEST_DATA "/trace_pins.tsv");
  if (!writeTo) {
    ASSERT_FALSE(pins.empty()) << "tests/data/trace_pins.tsv is missing";
  }
  std::ostringstream table;

  const ScratchDir scratch("lptpic_pins_");
  const std::string assemble = "gpasm -a inhx8m -o '" + (scratch.path / "a.hex").string() +
                               "' '" LPTPIC_TEST_DATA "/hex/ops_" + part.image +
                               ".asm' > /dev/null 2>&1";
  ASSERT_EQ(std::system(assemble.c_str()), 0) << "gpasm: ops_" << part.image << ".asm";
  for (std::size_t step = 0; step < std::size(kRound); ++step) {
    fs::remove(scratch.path / "t.txt");
    const auto run = RunCliIn(scratch.path, std::string("-q --port sim:chip.txt --device ") +
                                                part.device + " --trace t.txt " + kRound[step]);
    const std::string trace = WithoutOkFlash(ReadFile(scratch.path / "t.txt"));
    std::ostringstream got;
    got << run.code << "\t" << std::count(trace.begin(), trace.end(), '\n') << "\t" << std::hex
        << std::uppercase << Digest(trace);
    table << part.device << "\t" << step << "\t" << kRound[step] << "\t" << got.str() << "\n";
    if (writeTo) continue;
    const auto pin = pins.find(PinKey(part, step));
    ASSERT_NE(pin, pins.end()) << part.device << " step " << step;
    EXPECT_EQ(got.str(), pin->second)
        << part.device << ": `" << kRound[step] << "` (step " << step
        << ") sends other traffic than before (exit code, trace lines, digest)";
  }
  for (std::size_t i = 0; i < std::size(kFiles); ++i) {
    const std::string bytes = ReadFile(scratch.path / kFiles[i]);
    std::ostringstream got;
    got << "file\t" << std::count(bytes.begin(), bytes.end(), '\n') << "\t" << std::hex
        << std::uppercase << Digest(bytes);
    const std::size_t step = std::size(kRound) + i;
    table << part.device << "\t" << step << "\t" << kFiles[i] << "\t" << got.str() << "\n";
    if (writeTo) continue;
    const auto pin = pins.find(PinKey(part, step));
    ASSERT_NE(pin, pins.end()) << part.device << " file " << kFiles[i];
    EXPECT_EQ(got.str(), pin->second) << part.device << ": " << kFiles[i] << " differs from before";
  }
  // Each part appends its rows; sort the file afterwards if order matters.
  if (writeTo) std::ofstream(writeTo, std::ios::app) << table.str();
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, TracePins, ::testing::ValuesIn(kParts), [](const auto& info) {
  std::string name;
  for (char c : std::string(info.param.device))
    if (std::isalnum(static_cast<unsigned char>(c))) name += c;
  return "PIC" + name;
});

}  // namespace
