// SPDX-License-Identifier: GPL-2.0-or-later
// The command words, the data frames in both directions and both timing
// modes, as the adapter sees them: port writes, status reads and waits.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "hw/protocol.h"
#include "support/protocol_rig.h"

namespace lpt {
namespace {

using testing::EventLog;
using testing::Ms;
using testing::PortEvent;
using testing::ProtocolRig;
using testing::R;
using testing::Us;
using testing::W;
using testing::WrittenValues;

// The twelve values of each command as the adapter must see them.
struct CommandCase {
  const char* name;
  std::function<void(Protocol&)> run;
  std::vector<std::uint8_t> values;
};

const std::vector<CommandCase>& CommandTable() {
  static const std::vector<CommandCase> table = {
      {"LoadConfiguration",
       [](Protocol& p) { p.LoadConfiguration(0x0000); },
       {0x05, 0x04, 0x05, 0x04, 0x05, 0x04, 0x05, 0x04, 0x05, 0x04, 0x05, 0x04}},
      {"LoadDataForProgramMemory",
       [](Protocol& p) { p.LoadDataForProgramMemory(0x0000); },
       {0x05, 0x04, 0x07, 0x06, 0x05, 0x04, 0x05, 0x04, 0x05, 0x04, 0x05, 0x04}},
      {"LoadDataForDataMemory",
       [](Protocol& p) { p.LoadDataForDataMemory(0x00); },
       {0x07, 0x06, 0x07, 0x06, 0x05, 0x04, 0x05, 0x04, 0x05, 0x04, 0x05, 0x04}},
      {"ReadDataFromProgramMemory",
       [](Protocol& p) { p.ReadDataFromProgramMemory(); },
       {0x05, 0x04, 0x05, 0x04, 0x07, 0x06, 0x05, 0x04, 0x05, 0x04, 0x05, 0x04}},
      {"ReadDataFromDataMemory",
       [](Protocol& p) { p.ReadDataFromDataMemory(); },
       {0x07, 0x06, 0x05, 0x04, 0x07, 0x06, 0x05, 0x04, 0x05, 0x04, 0x05, 0x04}},
      {"IncrementAddress",
       [](Protocol& p) { p.IncrementAddress(); },
       {0x05, 0x04, 0x07, 0x06, 0x07, 0x06, 0x05, 0x04, 0x05, 0x04, 0x05, 0x04}},
      {"BeginEraseProgrammingCycle",
       [](Protocol& p) { p.BeginEraseProgrammingCycle(); },
       {0x05, 0x04, 0x05, 0x04, 0x05, 0x04, 0x07, 0x06, 0x05, 0x04, 0x05, 0x04}},
      {"BeginProgrammingOnlyCycle",
       [](Protocol& p) { p.BeginProgrammingOnlyCycle(); },
       {0x05, 0x04, 0x05, 0x04, 0x05, 0x04, 0x07, 0x06, 0x07, 0x06, 0x05, 0x04}},
      {"EndProgrammingEprom",
       [](Protocol& p) { p.EndProgrammingEprom(); },
       {0x05, 0x04, 0x07, 0x06, 0x07, 0x06, 0x07, 0x06, 0x05, 0x04, 0x05, 0x04}},
      {"EndProgramming16F87xA",
       [](Protocol& p) { p.EndProgramming16F87xA(); },
       {0x07, 0x06, 0x07, 0x06, 0x07, 0x06, 0x05, 0x04, 0x07, 0x06, 0x07, 0x06}},
      {"ChipErase",
       [](Protocol& p) { p.ChipErase(); },
       {0x07, 0x06, 0x07, 0x06, 0x07, 0x06, 0x07, 0x06, 0x07, 0x06, 0x07, 0x06}},
      {"BulkEraseProgramMemory",
       [](Protocol& p) { p.BulkEraseProgramMemory(); },
       {0x07, 0x06, 0x05, 0x04, 0x05, 0x04, 0x07, 0x06, 0x05, 0x04, 0x05, 0x04}},
      {"BulkEraseProgramMemoryReleasingData",
       [](Protocol& p) { p.BulkEraseProgramMemoryReleasingData(); },
       {0x07, 0x06, 0x05, 0x04, 0x05, 0x04, 0x07, 0x04, 0x05, 0x04, 0x05, 0x04}},
      {"BulkEraseDataMemory",
       [](Protocol& p) { p.BulkEraseDataMemory(); },
       {0x07, 0x06, 0x07, 0x06, 0x05, 0x04, 0x07, 0x06, 0x05, 0x04, 0x05, 0x04}},
      {"BulkEraseDataMemoryReleasingData",
       [](Protocol& p) { p.BulkEraseDataMemoryReleasingData(); },
       {0x07, 0x06, 0x07, 0x04, 0x05, 0x04, 0x07, 0x04, 0x05, 0x04, 0x05, 0x04}},
      {"BulkEraseSetup1",
       [](Protocol& p) { p.BulkEraseSetup1(); },
       {0x07, 0x06, 0x05, 0x04, 0x05, 0x04, 0x05, 0x04, 0x05, 0x04, 0x05, 0x04}},
      {"BulkEraseSetup2",
       [](Protocol& p) { p.BulkEraseSetup2(); },
       {0x07, 0x06, 0x07, 0x06, 0x07, 0x06, 0x05, 0x04, 0x05, 0x04, 0x05, 0x04}},
  };
  return table;
}

bool HasFrame(const std::string& name) {
  return name.rfind("Load", 0) == 0 || name.rfind("Read", 0) == 0;
}

TEST(ProtocolCommands, EveryCommandWritesItsTwelveValuesToTheDataRegister) {
  for (const CommandCase& c : CommandTable()) {
    SCOPED_TRACE(c.name);
    ProtocolRig rig;
    c.run(rig.proto);
    const auto values = WrittenValues(rig.log);
    // Command 12 writes, a data frame 32 more: 44 in all for any data transfer.
    ASSERT_EQ(values.size(), HasFrame(c.name) ? 44u : 12u);
    EXPECT_EQ(std::vector<std::uint8_t>(values.begin(), values.begin() + 12), c.values);
    for (const PortEvent& e : rig.log)
      if (e.kind == PortEvent::Kind::Write) {
        EXPECT_EQ(e.address, 0x378);
      }
  }
}

TEST(ProtocolCommands, PortRestsAtDataHighOnlyAfterEndProgrammingAndChipErase) {
  for (const CommandCase& c : CommandTable()) {
    SCOPED_TRACE(c.name);
    ProtocolRig rig;
    c.run(rig.proto);
    const bool dataHigh =
        std::string(c.name) == "EndProgramming16F87xA" || std::string(c.name) == "ChipErase";
    EXPECT_EQ(WrittenValues(rig.log).back(), dataHigh ? 0x06 : 0x04);
  }
}

TEST(ProtocolCommands, CommandOnlyWaitsInBothTimingModes) {
  ProtocolRig fast;
  fast.proto.IncrementAddress();
  EXPECT_EQ(testing::Waits(fast.log), (EventLog{Us(10)}));

  // Delay mode: every one of the twelve writes is followed by 1 µs, then 10 µs.
  ProtocolRig slow;
  slow.proto.SetDelayMode("true");
  slow.proto.ChipErase();
  ASSERT_EQ(slow.log.size(), 25u);
  for (std::size_t i = 0; i < 24; i += 2) {
    EXPECT_EQ(slow.log[i].kind, PortEvent::Kind::Write) << i;
    EXPECT_EQ(slow.log[i + 1], Us(1)) << i;
  }
  EXPECT_EQ(slow.log.back(), Us(10));
}

TEST(ProtocolCommands, OnlyTheExactTextTrueSelectsDelayMode) {
  for (const char* mode : {"True", "TRUE", "yes", "", "true ", "false"}) {
    SCOPED_TRACE(mode);
    ProtocolRig rig;
    rig.proto.SetDelayMode(mode);
    rig.proto.LoadDataForProgramMemory(0x1234);
    EXPECT_EQ(testing::Waits(rig.log), (EventLog{Us(5), Us(10)}));
  }
  ProtocolRig rig;
  rig.proto.SetDelayMode("true");
  rig.proto.LoadDataForProgramMemory(0x1234);
  EXPECT_EQ(rig.clock.UsWaitCount(), 12u + 1 + 31 + 1);
}

TEST(ProtocolCommands, UsesThePortAddressForDataAndStatus) {
  ProtocolRig rig(0x278);
  rig.proto.ReadDataFromDataMemory();
  int reads = 0;
  for (const PortEvent& e : rig.log) {
    if (e.kind == PortEvent::Kind::Write) {
      EXPECT_EQ(e.address, 0x278);
    } else if (e.kind == PortEvent::Kind::Read) {
      EXPECT_EQ(e.address, 0x279);
      ++reads;
    }
  }
  EXPECT_EQ(reads, 8);
}

TEST(ProtocolCommands, IdleSwitchesTheChipOff) {
  ProtocolRig rig;
  rig.proto.Idle();
  EXPECT_EQ(rig.log, (EventLog{W(0x378, 0x08)}));
}

}  // namespace
}  // namespace lpt
