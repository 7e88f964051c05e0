// SPDX-License-Identifier: GPL-2.0-or-later
// Exact sequences of the program-memory and data-memory passes of Program
// All, and of Read, Verify and Blank check, for one device of each of the
// twelve families, decoded back from the port writes. Each family's
// sequence is written down from the programming procedure of its family
// (commands, begin codes, waits, pulse counts, words skipped), not derived
// from the code's tables.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ops/program_passes.h"
#include "support/ops_sequence_rig.h"

namespace lpt::opstest {
namespace {

const std::string R = "ReadDataFromProgramMemory";
const std::string RD = "ReadDataFromDataMemory";
const std::string I = "IncrementAddress";
const std::string E = "BeginEraseProgrammingCycle";  // 08h
const std::string P = "BeginProgrammingOnlyCycle";   // 18h

Seq Incs(int n) { return {n == 1 ? I : I + "*" + std::to_string(n)}; }
Seq Load(const std::string& w) { return {"LoadDataForProgramMemory " + w}; }
Seq LoadD(const std::string& b) { return {"LoadDataForDataMemory " + b}; }
Seq Wait(const std::string& w) { return {"Wait " + w}; }

// One flash write cycle of program memory: load, begin, wait, read back.
Seq Cycle(const std::string& w, const std::string& begin, const std::string& wait) {
  return Join({Load(w), {begin}, Wait(wait), {R}});
}
Seq DataCycle(const std::string& b, const std::string& begin) {
  return Join({LoadD(b), {begin}, Wait("20ms"), {RD}});
}
Seq EpromPulse(const std::string& w) {
  return Join({Load(w), {E}, Wait("200us"), {"EndProgrammingEprom"}});
}
// A word that reads back after its first pulse, then the over-programming pulses.
Seq EpromWord(const std::string& w, int extra) {
  return Join({EpromPulse(w), {R}, Repeat(extra, EpromPulse(w))});
}

CommandResult ProgramMemoryPass(OpContext& ctx) {
  return ProgramProgramMemory(ctx, ctx.device.family) ? CommandResult::Ok : CommandResult::Failed;
}
CommandResult DataMemoryPass(OpContext& ctx) {
  return ProgramDataMemory(ctx, ctx.device.family) ? CommandResult::Ok : CommandResult::Failed;
}

const Seq kSetupCycle = {"BulkEraseSetup1", "BulkEraseSetup2", E,
                         "Wait 20ms",       "BulkEraseSetup1", "BulkEraseSetup2"};

// The image: words 0 and 1 and data byte 0 differ from the blank chip.
struct PassCase {
  const char* device;
  Seq program;  // program-memory pass
  Seq data;     // data-memory pass; empty: the chip is not touched
};

std::vector<PassCase> PassCases() {
  // Read first, write only where the chip differs (16F83: 512 words, 64 bytes).
  const Seq readCompareData =
      Join({{"ResetPic", RD}, DataCycle("5A", E), {I}, Repeat(63, {RD, I})});
  const auto readCompare = [](int words, const std::string& wait) {
    return Join({{R},
                 Cycle("0005", E, wait),
                 {I, R},
                 Cycle("0123", E, wait),
                 {I},
                 Repeat(words - 2, {R, I})});
  };
  // 14-bit EPROM: blank words skipped; one pulse and 3 more per word.
  const auto eprom14 = [](int stepsAfter) {
    return Join({{"ResetPic"}, EpromWord("0005", 3), {I}, EpromWord("0123", 3), Incs(stepsAfter)});
  };
  const auto eprom12 = [](int stepsAfter) {
    return Join(
        {{"ResetPic", I}, EpromWord("0005", 11), {I}, EpromWord("0123", 11), Incs(stepsAfter)});
  };
  return {
      {"16F83", Join({{"ResetPic"}, readCompare(512, "20ms")}), readCompareData},
      {"16F627", Join({{"ResetPic"}, readCompare(1024, "20ms")}),
       Join({{"ResetPic", RD}, DataCycle("5A", E), {I}, Repeat(127, {RD, I})})},
      {"16F627A",
       Join({{"ResetPic", "LoadConfiguration 3FFF", "LoadDataForProgramMemory 3FFF",
              "BulkEraseProgramMemoryReleasingData", "Wait 10ms", "ResetPic",
              "LoadDataForDataMemory FF", "BulkEraseDataMemoryReleasingData", "Wait 10ms",
              "ResetPic"},
             readCompare(1024, "10ms")}),
       Join({{"ResetPic", RD}, DataCycle("5A", E), {I}, Repeat(127, {RD, I})})},
      // Erase (configuration read, program memory, data), then program-only cycles.
      {"16F870",
       Join({{"ResetPic", "LoadConfiguration 3FFF", "IncrementAddress*7", R, "ResetPic",
              "LoadDataForProgramMemory 3FFF"},
             kSetupCycle,
             {"ResetPic", "LoadDataForDataMemory FF"},
             kSetupCycle,
             {"ResetPic"},
             Cycle("0005", P, "20ms"),
             {I},
             Cycle("0123", P, "20ms"),
             Incs(2047)}),
       Join({{"ResetPic"}, LoadD("5A"), {P, "Wait 20ms", RD}, Incs(64)})},
      // Calibration-keeping erase, then erase/program cycles; the last word untouched.
      {"12F629/675",
       Join({{"ResetPic",
              "IncrementAddress*1023",
              R,
              "ResetPic",
              "LoadConfiguration 3FFF",
              "IncrementAddress*7",
              R,
              "BulkEraseProgramMemory",
              "Wait 20ms",
              "BulkEraseDataMemory",
              "Wait 20ms",
              "ResetPic",
              "IncrementAddress*1023",
              "LoadDataForProgramMemory 3480",
              E,
              "Wait 20ms",
              R,
              "ResetPic",
              "LoadConfiguration 31FF",
              "IncrementAddress*7",
              E,
              "Wait 20ms",
              R,
              "ResetPic"},
             Cycle("0005", E, "20ms"),
             {I},
             Cycle("0123", E, "20ms"),
             Incs(1022)}),
       Join({{"ResetPic"}, DataCycle("5A", E), Incs(128)})},
      // Chip erase, then every word written, blank ones too, closed by 17h.
      {"16F877A",
       Join({{"ResetPic", "LoadConfiguration 3FFF", "ChipErase", "Wait 10ms", "ResetPic"},
             Load("0005"),
             {P, "Wait 2ms", "EndProgramming16F87xA", R, I},
             Load("0123"),
             {P, "Wait 2ms", "EndProgramming16F87xA", R, I},
             Repeat(8190, Join({Load("3FFF"), {P, "Wait 2ms", "EndProgramming16F87xA", R, I}}))}),
       Join({{"ResetPic"},
             LoadD("5A"),
             {P, "Wait 2ms", "EndProgramming16F87xA", RD, I},
             Repeat(255, Join({LoadD("FF"), {P, "Wait 2ms", "EndProgramming16F87xA", RD, I}}))})},
      {"16C620", eprom14(511), {}},
      {"16C554", eprom14(511), {}},
      {"14C000", eprom14(4095), {}},
      {"12C671", eprom14(1022), {}},  // the calibration word is never reached
      {"12C508", eprom12(510), {}},
      {"16C505", eprom12(1022), {}},
  };
}

TEST(PassSequences, ProgramAndDataPassesOfEveryFamily) {
  for (const PassCase& c : PassCases()) {
    SCOPED_TRACE(c.device);
    SequenceRig rig(c.device);
    const bool word12 = rig.buffers.ProgramWord(0).size() == 3;
    rig.buffers.ProgramWord(0) = word12 ? "005" : "0005";
    rig.buffers.ProgramWord(1) = word12 ? "123" : "0123";
    if (rig.device.dataRows > 0) rig.buffers.DataByte(0) = "5A";
    if (std::string(c.device) == "12F629/675") sim::ConfigWord(rig.chipState()) = 0x31FF;
    EXPECT_TRUE(SameSequence(rig.Logged(ProgramMemoryPass), c.program));
    EXPECT_TRUE(SameSequence(rig.Logged(DataMemoryPass), c.data));
    EXPECT_THAT(rig.hooks.errors, ::testing::IsEmpty());
  }
}

// Read, Verify and Blank check walk the chip the same way; what differs per
// family is the word form, the data EEPROM, the last-word rule and the
// calibration area of the 14C000.
struct WalkCase {
  const char* device;
  bool word12;
  bool dataEeprom;
  bool lastWordRule;
  int comparedWords;  // words compared from 0; the rest are stepped over (0 = all)
};

const WalkCase kWalkCases[] = {
    {"16F83", false, true, false, 0},      {"16C620", false, false, false, 0},
    {"16C554", false, false, false, 0},    {"12C508", true, false, true, 0},
    {"16C505", true, false, true, 0},      {"12C671", false, false, true, 0},
    {"14C000", false, false, false, 4032}, {"16F627", false, true, false, 0},
    {"16F870", false, true, false, 0},     {"12F629/675", false, true, true, 0},
    {"16F877A", false, true, false, 0},    {"16F627A", false, true, false, 0},
};

TEST(PassSequences, ReadVerifyAndBlankOfEveryFamily) {
  for (const WalkCase& c : kWalkCases) {
    SCOPED_TRACE(c.device);
    SequenceRig rig(c.device);
    const int words = rig.device.programRows * 8;
    const int bytes = rig.device.dataRows * 8;
    const Seq start = c.word12 ? Seq{"ResetPic", I} : Seq{"ResetPic"};
    const Seq data = c.dataEeprom ? Join({{"ResetPic"}, Repeat(bytes, {RD, I})}) : Seq{};
    const Seq fuses = c.word12 ? Seq{"ResetPic", R}
                               : Seq{"ResetPic", "LoadConfiguration 3FFF", "IncrementAddress*7", R};
    const Seq id = c.word12 ? Join({{"ResetPic"}, Incs(1 + words), Repeat(4, {R, I})})
                            : Join({{"ResetPic", "LoadConfiguration 3FFF"}, Repeat(4, {R, I})});
    // Read: every word of every row; the fuses and ID in one go.
    const Seq readFusesId =
        c.word12
            ? Join({{"ResetPic", R}, Incs(1 + words), Repeat(4, {R, I})})
            : Join({{"ResetPic", "LoadConfiguration 3FFF"}, Repeat(3, {R, I}), {R}, Incs(4), {R}});
    // The presence test's power-up folds into the first pass's ResetPic.
    const auto command = [](Seq passes, const Seq& tail) {
      passes.front() = "ResetPic*2";
      return Join({passes, tail});
    };
    EXPECT_TRUE(
        SameSequence(rig.Logged(ReadChip),
                     command(Join({start, Repeat(words, {R, I}), data, readFusesId}), {"Off"})));

    Seq program = Join({start, Repeat(c.lastWordRule ? words - 1 : words, {R, I})});
    if (c.comparedWords)
      program = Join(
          {start, Repeat(c.comparedWords - 1, {R, I}), {R}, Incs(words - c.comparedWords + 1)});
    // No wait before the switch-off: an "Ok" mark is the window's business.
    const Seq check = command(Join({program, data, fuses, id}), {"Off"});
    // The buffers now hold the blank chip just read.
    EXPECT_TRUE(SameSequence(rig.Logged(VerifyChip), check));
    EXPECT_TRUE(SameSequence(rig.Logged(BlankCheck), check));
    EXPECT_THAT(rig.hooks.errors, ::testing::IsEmpty());
  }
}

// The ID and configuration-word passes, with the ID "1234" and the protection
// left off.
struct IdFuseCase {
  const char* device;
  std::uint16_t fuseWord;
  Seq id;
  Seq fuses;
  std::uint16_t fuseWordAfter;  // the buffer after the pass (masked by some families)
};

Seq FlashId(const std::string& wait) {
  Seq all = {"ResetPic", "LoadConfiguration 3FFF"};
  for (char d : std::string("1234")) all = Join({all, Cycle(std::string("3FF") + d, E, wait), {I}});
  return all;
}
Seq FlashFuses(const std::string& word, const std::string& wait) {
  return {"ResetPic", "LoadConfiguration " + word, "IncrementAddress*7", E, "Wait " + wait, R};
}
Seq EpromId14() {
  Seq all = {"ResetPic", "LoadConfiguration 3FFF"};
  for (char d : std::string("1234")) all = Join({all, EpromWord(std::string("3FF") + d, 3), {I}});
  return all;
}
Seq EpromFuses14(const std::string& word) {
  return Join({{"ResetPic", "LoadConfiguration " + word, "IncrementAddress*7"},
               Repeat(101, {E, "Wait 200us", "EndProgrammingEprom"}),
               {R}});
}
Seq EpromId12(int words) {
  Seq all = Join({{"ResetPic"}, Incs(1 + words)});
  for (char d : std::string("1234")) all = Join({all, EpromWord(std::string("000") + d, 11), {I}});
  return all;
}
Seq EpromFuses12(const std::string& word) {
  return Join({{"ResetPic", R},
               Load(word),
               {E, "Wait 20ms", "EndProgrammingEprom"},
               Repeat(11, EpromPulse(word)),
               {R}});
}

const IdFuseCase kIdFuseCases[] = {
    {"16F83", 0x3FF2, FlashId("20ms"), FlashFuses("3FF2", "20ms"), 0x3FF2},
    {"16F627", 0x3FF2, FlashId("20ms"), FlashFuses("3FF2", "20ms"), 0x3FF2},
    {"16F627A", 0x3FF2, FlashId("20ms"), FlashFuses("3FF2", "20ms"), 0x3FF2},
    {"16F870", 0x3FF2, FlashId("20ms"), FlashFuses("3FF2", "20ms"), 0x3FF2},
    // Bits 12 and 13 of the chip's word (here 3) are kept.
    {"12F629/675",
     0x0180,
     FlashId("20ms"),
     {"ResetPic", "LoadConfiguration 3FFF", "IncrementAddress*7", R, "ResetPic",
      "LoadConfiguration 3180", "IncrementAddress*7", E, "Wait 20ms", R},
     0x0180},
    {"16F877A", 0x3FF2, FlashId("10ms"), FlashFuses("3FF2", "10ms"), 0x3FF2},
    {"16C620", 0x3F80, EpromId14(), EpromFuses14("3F80"), 0x3F80},
    {"16C554", 0x3F80, EpromId14(), EpromFuses14("3F00"), 0x3F00},
    {"12C671", 0x3F80, EpromId14(), EpromFuses14("3F80"), 0x3F80},
    {"14C000", 0x3F80, EpromId14(), EpromFuses14("3FC2"), 0x3FC2},
    {"12C508", 0x3FF5, EpromId12(512), EpromFuses12("0015"), 0x0015},
    {"16C505", 0x3F80, EpromId12(1024), EpromFuses12("0F80"), 0x0F80},
};

CommandResult IdPass(OpContext& ctx) {
  return ProgramID(ctx, ctx.device.family) ? CommandResult::Ok : CommandResult::Failed;
}
CommandResult FusePass(OpContext& ctx) {
  return ProgramFuses(ctx, ctx.device.family) ? CommandResult::Ok : CommandResult::Failed;
}

TEST(PassSequences, IdAndConfigurationPassesOfEveryFamily) {
  for (const IdFuseCase& c : kIdFuseCases) {
    SCOPED_TRACE(c.device);
    SequenceRig rig(c.device);
    rig.buffers.SetIdDigits("1234");
    rig.buffers.FuseWord = c.fuseWord;
    if (std::string(c.device) == "12F629/675") sim::ConfigWord(rig.chipState()) = 0x31FF;
    if (rig.device.dataRows > 0) rig.buffers.DataByte(0) = "5A";

    EXPECT_TRUE(SameSequence(rig.Logged(IdPass), c.id));
    EXPECT_TRUE(SameSequence(rig.Logged(FusePass), c.fuses));
    EXPECT_EQ(rig.buffers.FuseWord, c.fuseWordAfter);
    rig.Logged(DataMemoryPass);
    EXPECT_THAT(rig.hooks.errors, ::testing::IsEmpty());
  }
}

// Only the 16F877A tries an ID word again: the other flash parts fail the
// pass on the first word that does not read back.
TEST(PassSequences, FlashIdWordThatDoesNotTakeFailsAtOnce) {
  for (const char* device : {"16F83", "16F627", "16F627A", "16F870", "12F629/675"}) {
    SCOPED_TRACE(device);
    SequenceRig rig(device);
    rig.chipState().stuckBits.push_back({sim::Location{sim::Space::Config, 0x2000}, 0, false});
    rig.buffers.SetIdDigits("1234");
    EXPECT_TRUE(SameSequence(rig.Logged(IdPass), Join({{"ResetPic", "LoadConfiguration 3FFF"},
                                                       Cycle("3FF1", E, "20ms")})));
  }
}

}  // namespace
}  // namespace lpt::opstest
