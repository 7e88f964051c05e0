// SPDX-License-Identifier: GPL-2.0-or-later
// Data frames: what bits a load sends, what a read returns for the status
// bytes the adapter gives, and the exact sequence of writes, reads and waits
// of a frame in each timing mode.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hw/protocol.h"
#include "support/protocol_rig.h"

namespace lpt {
namespace {

using testing::EventLog;
using testing::PortEvent;
using testing::ProtocolRig;
using testing::R;
using testing::Us;
using testing::W;
using testing::WrittenValues;

// The sixteen bits of the frame a load sent (start, data, stop), decoded
// from the high/low pairs after the command's twelve writes.
std::vector<int> SentFrameBits(const EventLog& log) {
  const auto values = WrittenValues(log);
  EXPECT_EQ(values.size(), 44u);
  std::vector<int> bits;
  for (std::size_t i = 12; i + 1 < values.size(); i += 2) {
    const int bit = (values[i] >> 1) & 1;
    EXPECT_EQ(values[i], 0x05 + 2 * bit) << "high write " << i;
    EXPECT_EQ(values[i + 1], 0x04 + 2 * bit) << "low write " << i;
    bits.push_back(bit);
  }
  return bits;
}

// The 14-bit field of a frame; start and stop bits must be 0.
unsigned SentWord(const EventLog& log) {
  const auto bits = SentFrameBits(log);
  if (bits.size() != 16) return ~0u;
  EXPECT_EQ(bits.front(), 0) << "start bit";
  EXPECT_EQ(bits.back(), 0) << "stop bit";
  unsigned word = 0;
  for (int i = 0; i < 14; ++i) word |= static_cast<unsigned>(bits[1 + i]) << i;
  return word;
}

TEST(ProtocolFrames, LoadsSendTheLow14BitsOfTheWord) {
  struct Case {
    std::uint16_t word;
    unsigned sent;
  };
  const Case words[] = {
      {0x0000, 0x0000}, {0x3FFF, 0x3FFF}, {0x1234, 0x1234}, {0x2805, 0x2805},
      {0xFFFF, 0x3FFF}, {0xC001, 0x0001}, {0x4000, 0x0000},  // bits 15 and 14 are not sent
  };
  for (const Case& c : words) {
    SCOPED_TRACE(c.word);
    ProtocolRig m;
    m.proto.LoadDataForProgramMemory(c.word);
    EXPECT_EQ(SentWord(m.log), c.sent);
    ProtocolRig cfg;
    cfg.proto.LoadConfiguration(c.word);
    EXPECT_EQ(SentWord(cfg.log), c.sent);
  }
}

TEST(ProtocolFrames, LoadDataDSendsTheByteThenSixOnes) {
  ProtocolRig rig;
  rig.proto.LoadDataForDataMemory(0xA5);
  EXPECT_EQ(SentFrameBits(rig.log),
            (std::vector<int>{0, 1, 0, 1, 0, 0, 1, 0, 1, 1, 1, 1, 1, 1, 1, 0}));

  struct Case {
    std::uint16_t byte;
    unsigned sent;
  };
  for (const Case& c : {Case{0xFF, 0x3FFF}, Case{0x00, 0x3F00}, Case{0x3C, 0x3F3C},
                        Case{0x1A5, 0x3FA5}, Case{0xFF00, 0x3F00}}) {
    SCOPED_TRACE(c.byte);
    ProtocolRig r;
    r.proto.LoadDataForDataMemory(c.byte);
    EXPECT_EQ(SentWord(r.log), c.sent);
  }
}

// A chip that drives `word` on the data line: bit i is read after the
// (i+1)-th data clock; the port inverts the line.
void DriveWord(ProtocolRig& rig, unsigned word, std::uint8_t lineHigh, std::uint8_t lineLow) {
  auto reads = std::make_shared<int>(0);
  rig.port.answer = [=](std::uint16_t) {
    const int bit = (*reads)++;
    return ((word >> bit) & 1) ? lineHigh : lineLow;
  };
}

TEST(ProtocolFrames, ReadsAssembleTheBitsTheChipDrives) {
  struct Case {
    unsigned word;
    std::uint16_t m;
    std::uint16_t d;
  };
  const Case cases[] = {{0x3FFF, 0x3FFF, 0xFF}, {0x0000, 0x0000, 0x00}, {0x2A55, 0x2A55, 0x55},
                        {0x0001, 0x0001, 0x01}, {0x2000, 0x2000, 0x00}, {0x00AB, 0x00AB, 0xAB}};
  // The threshold is the whole byte against 80h: 7Fh is still a 1, 80h a 0.
  const std::uint8_t highs[] = {0x00, 0x7F};
  const std::uint8_t lows[] = {0x80, 0xFF};
  for (const Case& c : cases) {
    for (int v = 0; v < 2; ++v) {
      SCOPED_TRACE(c.word);
      ProtocolRig m;
      DriveWord(m, c.word, highs[v], lows[v]);
      EXPECT_EQ(m.proto.ReadDataFromProgramMemory(), c.m);
      ProtocolRig d;
      DriveWord(d, c.word, highs[v], lows[v]);
      EXPECT_EQ(d.proto.ReadDataFromDataMemory(), c.d);
    }
  }
}

TEST(ProtocolFrames, AllLowOrAllHighStatusReads) {
  ProtocolRig low;
  low.port.answer = [](std::uint16_t) -> std::uint8_t { return 0x00; };
  EXPECT_EQ(low.proto.ReadDataFromProgramMemory(), 0x3FFF);
  EXPECT_EQ(low.proto.ReadDataFromDataMemory(), 0xFF);
  ProtocolRig high;
  high.port.answer = [](std::uint16_t) -> std::uint8_t { return 0x80; };
  EXPECT_EQ(high.proto.ReadDataFromProgramMemory(), 0x0000);
  EXPECT_EQ(high.proto.ReadDataFromDataMemory(), 0x00);
  // A closed port reads 0, so every bit reads as 1.
  ProtocolRig closed;
  closed.port.opened = false;
  EXPECT_EQ(closed.proto.ReadDataFromProgramMemory(), 0x3FFF);
}

// The expected event list of one transfer, written out from the timing
// rules: fast mode has a 5 µs gap and a 10 µs close; Delay mode follows
// each write with 1 µs except the stop bit's low write, and the gap is 10 µs.
struct Expect {
  bool delayMode;
  EventLog log;
  void Write(std::uint8_t v, bool last = false) {
    log.push_back(W(0x378, v));
    if (delayMode && !last) log.push_back(Us(1));
  }
  void Command(const std::vector<std::uint8_t>& values) {
    for (auto v : values) Write(v);
  }
  void Gap() { log.push_back(Us(delayMode ? 10 : 5)); }
  void Clock(int bit) {
    Write(static_cast<std::uint8_t>(0x05 + 2 * bit));
    Write(static_cast<std::uint8_t>(0x04 + 2 * bit));
  }
  void Sample(std::uint8_t status) { log.push_back(R(0x379, status)); }
  void Stop() {
    Write(0x05);
    Write(0x04, true);
    log.push_back(Us(10));
  }
};

TEST(ProtocolFrames, OutgoingFrameTimingInBothModes) {
  for (bool delayMode : {false, true}) {
    SCOPED_TRACE(delayMode ? "Delay mode" : "fast mode");
    ProtocolRig rig;
    rig.proto.SetDelayMode(delayMode ? "true" : "false");
    rig.proto.LoadDataForProgramMemory(0x0003);  // bits 0 and 1 set
    Expect e{delayMode, {}};
    e.Command({0x05, 0x04, 0x07, 0x06, 0x05, 0x04, 0x05, 0x04, 0x05, 0x04, 0x05, 0x04});
    e.Gap();
    e.Clock(0);
    for (int i = 0; i < 14; ++i) e.Clock(i < 2);
    e.Stop();
    EXPECT_EQ(rig.log, e.log);
  }
}

TEST(ProtocolFrames, IncomingFrameTimingInBothModes) {
  // The word read samples fourteen bits; the byte read samples eight, then
  // clocks six more unread.
  struct Case {
    const char* name;
    std::uint16_t (Protocol::*read)();
    std::uint8_t status;
    std::uint16_t value;
    std::vector<std::uint8_t> command;
    int sampled;
    int unread;
  };
  const Case cases[] = {
      {"ReadDataFromProgramMemory",
       &Protocol::ReadDataFromProgramMemory,
       0x87,
       0x0000,
       {0x05, 0x04, 0x05, 0x04, 0x07, 0x06, 0x05, 0x04, 0x05, 0x04, 0x05, 0x04},
       14,
       0},
      {"ReadDataFromDataMemory",
       &Protocol::ReadDataFromDataMemory,
       0x10,
       0xFF,
       {0x07, 0x06, 0x05, 0x04, 0x07, 0x06, 0x05, 0x04, 0x05, 0x04, 0x05, 0x04},
       8,
       6},
  };
  for (bool delayMode : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (delayMode ? ", Delay mode" : ", fast mode"));
      ProtocolRig rig;
      rig.proto.SetDelayMode(delayMode ? "true" : "false");
      rig.port.answer = [&c](std::uint16_t) { return c.status; };
      EXPECT_EQ((rig.proto.*c.read)(), c.value);
      Expect e{delayMode, {}};
      e.Command(c.command);
      e.Gap();
      e.Clock(0);
      for (int i = 0; i < c.sampled; ++i) e.Clock(0), e.Sample(c.status);
      for (int i = 0; i < c.unread; ++i) e.Clock(0);
      e.Stop();
      EXPECT_EQ(rig.log, e.log);
    }
  }
}

}  // namespace
}  // namespace lpt
