// SPDX-License-Identifier: GPL-2.0-or-later
// Every built-in preset against tests/data/adapter_registers.tsv: bytes
// worked out by hand from the published tables, in the tables' own
// convention. They are checked once more against that convention (a slip in
// the hand work shows), then against what WiredPins write for the same
// line states, and data in against how the status register is read.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "hw/adapter.h"
#include "hw/adapter_file.h"
#include "hw/wired_pins.h"
#include "support/hex_print.h"

namespace lpt {
namespace {

using testing::Hex2;

struct Row {
  std::string name;
  int vpp, vdd, clock, dataOut, dataIn, dataRw;  // as published, 25: not wired
  bool control;
  std::map<std::string, int> bytes;  // off vpp run rhi rlo st1 st0
};

std::vector<Row> ReadRows() {
  std::vector<Row> rows;
  std::ifstream in(LPTPIC_TEST_DATA "/adapter_registers.tsv");
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    Row r;
    std::string published, reg;
    std::getline(fields, r.name, '\t');
    std::getline(fields, published, '\t');
    std::getline(fields, reg, '\t');
    std::istringstream(published) >> r.vpp >> r.vdd >> r.clock >> r.dataOut >> r.dataIn >> r.dataRw;
    r.control = reg == "C";
    for (const char* state : {"off", "vpp", "run", "rhi", "rlo", "st1", "st0"}) {
      std::string hex;
      std::getline(fields, hex, '\t');
      r.bytes[state] = std::stoi(hex, nullptr, 16);
    }
    rows.push_back(r);
  }
  return rows;
}

// The published programmers' pin writer: the register bit of |pin| is set
// when the sign is minus XOR the level; bits start at 0.
void SetPublished(std::uint8_t& data, std::uint8_t& control, int pin, bool on) {
  const int p = std::abs(pin);
  if (p == 25) return;
  const bool bit = (pin < 0) != on;
  const auto mask = static_cast<std::uint8_t>(p >= 2 && p <= 9 ? 1 << (p - 2)
                                              : p == 1         ? 0x01
                                              : p == 14        ? 0x02
                                              : p == 16        ? 0x04
                                                               : 0x08);
  std::uint8_t& reg = p >= 2 && p <= 9 ? data : control;
  if (bit) reg |= mask;
}

int Published(const Row& r, bool vpp, bool vdd, bool clock, bool data, bool chipDrives) {
  std::uint8_t d = 0, c = 0;
  SetPublished(d, c, r.vpp, vpp);
  SetPublished(d, c, r.vdd, vdd);
  SetPublished(d, c, r.clock, clock);
  SetPublished(d, c, r.dataOut, data);
  SetPublished(d, c, r.dataRw, chipDrives);
  return r.control ? c : d;
}

TEST(AdapterRegisters, HandBytesFollowThePublishedConvention) {
  const std::vector<Row> rows = ReadRows();
  ASSERT_EQ(rows.size(), BuiltInAdapters().size() - 1) << "a preset is missing from the table";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Row& r = rows[i];
    SCOPED_TRACE(r.name);
    EXPECT_EQ(BuiltInAdapters()[i + 1].name, r.name);
    EXPECT_EQ(r.bytes.at("off"), Published(r, false, false, false, false, true));
    EXPECT_EQ(r.bytes.at("vpp"), Published(r, true, false, false, false, false));
    EXPECT_EQ(r.bytes.at("run"), Published(r, true, true, true, true, false));
    EXPECT_EQ(r.bytes.at("rhi"), Published(r, true, true, true, true, true));
    EXPECT_EQ(r.bytes.at("rlo"), Published(r, true, true, false, true, true));
    // readPin: the status bit, inverted for a minus sign.
    const int bit = std::abs(r.dataIn) == 10 ? 0x40 : 0x10;
    EXPECT_EQ(r.bytes.at("st1"), r.dataIn < 0 ? 0x87 : 0x87 | bit);
    EXPECT_EQ(r.bytes.at("st0"), r.dataIn < 0 ? 0x87 | bit : 0x87);
  }
}

TEST(AdapterRegisters, APublishedRowPastedIntoTheFileIsThePreset) {
  for (const Row& r : ReadRows()) {
    SCOPED_TRACE(r.name);
    const std::string line =
        "adapter pasted vpp=" + std::to_string(r.vpp) + " vdd=" + std::to_string(r.vdd) +
        " clock=" + std::to_string(r.clock) + " data-out=" + std::to_string(r.dataOut) +
        " data-in=" + std::to_string(r.dataIn) + " data-rw=" + std::to_string(r.dataRw);
    std::string error;
    const auto file = ParseAdapters(line, "pasted.conf", &error);
    ASSERT_TRUE(file) << error;
    EXPECT_TRUE(SameWiring(file->adapters.at(0), *FindAdapter(r.name, {}, nullptr))) << line;
  }
}

// The registers as the last writes left them.
class Registers : public Port {
 public:
  bool Opened() const override { return true; }
  void SetOpened(bool) override {}
  std::uint8_t ReadPort(std::uint16_t) override { return status; }
  void WritePort(std::uint16_t address, std::uint8_t value) override { last[address] = value; }
  std::uint32_t LastError() const override { return 0; }
  bool LastIoOk() const override { return true; }

  std::map<std::uint16_t, int> last;
  std::uint8_t status = 0;
};

TEST(AdapterRegisters, WiredPinsWriteTheHandBytes) {
  constexpr std::uint16_t kBase = 0x378;
  constexpr LineLevels kOff{}, kVpp{.vpp = true};
  constexpr LineLevels kRun{.vpp = true, .vdd = true, .clock = true, .data = true};
  constexpr LineLevels kFrameHigh{.vpp = true, .vdd = true, .clock = true};
  constexpr LineLevels kFrameLow{.vpp = true, .vdd = true};
  for (const Row& r : ReadRows()) {
    SCOPED_TRACE(r.name);
    const Adapter adapter = *FindAdapter(r.name, {}, nullptr);
    Registers regs;
    WiredPins pins(regs, kBase, adapter);
    const std::uint16_t used = r.control ? kBase + 2 : kBase;
    const std::uint16_t unused = r.control ? kBase : kBase + 2;
    const auto after = [&](const LineLevels& lines) {
      pins.Drive(lines);
      return regs.last.count(used) ? regs.last[used] : -1;
    };
    EXPECT_EQ(Hex2(after(kOff)), Hex2(r.bytes.at("off")));
    EXPECT_EQ(Hex2(after(kVpp)), Hex2(r.bytes.at("vpp")));
    EXPECT_EQ(Hex2(after(kRun)), Hex2(r.bytes.at("run")));
    // In a read frame the chip drives the data line.
    pins.SetDataDirection(DataDirection::FromChip);
    EXPECT_EQ(Hex2(after(kFrameHigh)), Hex2(r.bytes.at("rhi")));
    EXPECT_EQ(Hex2(after(kFrameLow)), Hex2(r.bytes.at("rlo")));
    EXPECT_EQ(regs.last.count(unused), 0u);

    regs.status = static_cast<std::uint8_t>(r.bytes.at("st1"));
    EXPECT_TRUE(pins.ReadData());
    regs.status = static_cast<std::uint8_t>(r.bytes.at("st0"));
    EXPECT_FALSE(pins.ReadData());
  }
}

}  // namespace
}  // namespace lpt
