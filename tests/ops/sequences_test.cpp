// Exact operation sequences of the erase routines and of the configuration
// and ID passes, decoded back from the port writes: the order of commands,
// the waits, the repeat and pulse counts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/ops_rig.h"
#include "support/ops_sequence_log.h"

namespace lpt::opstest {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using Seq = std::vector<std::string>;

struct SequenceRig : OpsRig {
  explicit SequenceRig(const std::string& name) : OpsRig(name) {
    seqPort = std::make_unique<SequencePort>(*port, log);
    seqDelay = std::make_unique<SequenceDelay>(clock, log);
    proto = std::make_unique<Protocol>(*seqPort, *seqDelay, hooks, device);
  }
  Seq Logged(Command command) {
    log.Clear();
    OpContext ctx{*proto, *seqDelay, hooks, device, buffers, state};
    command(ctx);
    return log.Folded();
  }
  SequenceLog log;
  std::unique_ptr<SequencePort> seqPort;
  std::unique_ptr<SequenceDelay> seqDelay;
};

Seq Join(std::initializer_list<Seq> parts) {
  Seq all;
  for (const Seq& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Seq Repeat(int times, const Seq& part) {
  Seq all;
  for (int i = 0; i < times; ++i) all.insert(all.end(), part.begin(), part.end());
  return all;
}

const Seq kConfigRead = {"ResetPic", "LoadConfig 3FFF", "CLK*7", "ReadDataM"};
const Seq kFuseErase = {"ResetPic",       "LoadConfig 3FFF", "CLK*7",
                        "BeginEraseProg", "Wait 20ms",       "ReadDataM"};
const Seq kSetupCycle = {"BulkEraseSetup1", "BulkEraseSetup2", "BeginEraseProg",
                         "Wait 20ms",       "BulkEraseSetup1", "BulkEraseSetup2"};

TEST(Sequences, EraseOfEachFlashFamily) {
  // The presence test's power-up comes first, the idle write last.
  SequenceRig f84("16F84");
  EXPECT_THAT(f84.Logged(EraseClick),
              ElementsAreArray(Join({{"ResetPic*2", "LoadConfig 3FFF", "CLK*7", "ReadDataM"},
                                     {"ResetPic", "LoadConfig 3FFF", "LoadDataM 3FFF", "BulkEraseM",
                                      "BeginEraseProg", "Wait 20ms", "ResetPic", "LoadDataD FF",
                                      "BulkEraseD", "BeginEraseProg", "Wait 20ms"},
                                     kFuseErase,
                                     {"Off"}})));

  SequenceRig protectedF84("16F84");
  sim::SetCodeProtected(protectedF84.chipState(), true);
  EXPECT_THAT(protectedF84.Logged(EraseClick),
              ElementsAreArray(Join({{"ResetPic*2", "LoadConfig 3FFF", "CLK*7", "ReadDataM"},
                                     {"ResetPic", "LoadConfig 3FFF", "CLK*7"},
                                     kSetupCycle,
                                     kFuseErase,
                                     {"Off"}})));

  SequenceRig f877("16F877");
  EXPECT_THAT(
      f877.Logged(EraseClick),
      ElementsAreArray(Join({{"ResetPic*2", "LoadConfig 3FFF", "CLK*7", "ReadDataM"},
                             {"ResetPic", "LoadDataM 3FFF"},
                             kSetupCycle,
                             {"ResetPic", "LoadDataD FF"},
                             kSetupCycle,
                             {"ResetPic", "LoadConfig 3FFF"},
                             Repeat(4, {"LoadDataM 3FFF", "BeginEraseProg", "Wait 20ms", "CLK"}),
                             kFuseErase,
                             {"Off"}})));

  SequenceRig f877a("16F877A");
  EXPECT_THAT(f877a.Logged(EraseClick),
              ElementsAre("ResetPic*2", "LoadConfig 3FFF", "ChipErase", "Wait 10ms", "Off"));

  SequenceRig f628a("16F628A");
  EXPECT_THAT(f628a.Logged(EraseClick),
              ElementsAre("ResetPic*2", "LoadConfig 3FFF", "LoadDataM 3FFF",
                          "BulkEraseProgramMemory", "Wait 10ms", "ResetPic", "LoadDataD FF",
                          "BulkEraseDataMemory", "Wait 10ms", "Off"));

  SequenceRig f675("12F629/675");
  sim::ConfigWord(f675.chipState()) = 0x2084;
  EXPECT_THAT(f675.Logged(EraseClick),
              ElementsAre("ResetPic*2", "CLK*1023", "ReadDataM", "ResetPic", "LoadConfig 3FFF",
                          "CLK*7", "ReadDataM", "BulkEraseM", "Wait 20ms", "BulkEraseD",
                          "Wait 20ms", "ResetPic", "CLK*1023", "LoadDataM 3480", "BeginEraseProg",
                          "Wait 20ms", "ReadDataM", "ResetPic", "LoadConfig 21FF", "CLK*7",
                          "BeginEraseProg", "Wait 20ms", "ReadDataM", "Off"));
}

TEST(Sequences, EpromIdAndConfigurationPasses) {
  SequenceRig rig("16C74");
  rig.buffers.SetIdDigits("FFFF");
  rig.buffers.FuseWord = 0x3FB1;
  const Seq pulse = {"BeginEraseProg", "Wait 200us", "EndProg"};
  const Seq idPulse = Join({{"LoadDataM 3FFF"}, pulse});
  // A blank ID word reads back right after its first pulse: then 3 more.
  EXPECT_THAT(
      rig.Logged(ProgramFusesClick),
      ElementsAreArray(Join({{"ResetPic*2", "LoadConfig 3FFF"},
                             Repeat(4, Join({idPulse, {"ReadDataM"}, Repeat(3, idPulse), {"CLK"}})),
                             {"ResetPic", "LoadConfig 3FB1", "CLK*7"},
                             Repeat(101, pulse),
                             {"ReadDataM", "Off"}})));
}

TEST(Sequences, TwelveBitConfigurationWord) {
  SequenceRig rig("12C508");
  rig.buffers.FuseWord = 0x0FEA;  // kept to its low five bits: 000A
  rig.buffers.SetIdDigits("FFFF");
  const Seq pulse = {"LoadDataM 000A", "BeginEraseProg", "Wait 200us", "EndProg"};
  EXPECT_THAT(rig.Logged(ProgramFusesClick),
              // To address 0, past 512 program words, and past the four ID words whose
              // digit F is not written.
              ElementsAreArray(Join({{"ResetPic*2", "CLK*517"},
                                     {"ResetPic", "ReadDataM", "LoadDataM 000A", "BeginEraseProg",
                                      "Wait 20ms", "EndProg"},
                                     Repeat(11, pulse),
                                     {"ReadDataM", "Off"}})));
}

TEST(Sequences, FlashRetriesOfThe16F877A) {
  SequenceRig rig("16F877A");
  rig.chipState().stuckBits.push_back({sim::Location{sim::Space::Config, 0x2007}, 0, false});
  rig.buffers.FuseWord = 0x3FFF;
  rig.buffers.SetIdDigits("1234");
  Seq id;
  for (char d : std::string("1234"))
    id = Join(
        {id,
         {std::string("LoadDataM 3FF") + d, "BeginEraseProg", "Wait 10ms", "ReadDataM", "CLK"}});
  EXPECT_THAT(rig.Logged(ProgramFusesClick),
              ElementsAreArray(Join({{"ResetPic*2", "LoadConfig 3FFF"},
                                     id,
                                     {"ResetPic", "LoadConfig 3FFF", "CLK*7"},
                                     Repeat(5, {"BeginEraseProg", "Wait 10ms", "ReadDataM"}),
                                     {"Off"}})));
  EXPECT_THAT(rig.hooks.errors, ElementsAre("Error programming Fuses!"));
}

}  // namespace
}  // namespace lpt::opstest
