// SPDX-License-Identifier: GPL-2.0-or-later
// The adapters file a user writes by hand or pastes from a published table:
// what it accepts, how "-" and "~" are read, and how a bad line or a bad
// file is refused (file, line, reason; nothing taken from the file).
#include "hw/adapter_file.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <fstream>

#include "support/temp_dir.h"

namespace lpt {
namespace {

AdapterPin At(int pin, bool inverted = false) { return AdapterPin{pin, inverted}; }

TEST(AdapterFile, ReadsWhatAPersonWrites) {
  const std::string text =
      "\xEF\xBB\xBF# my boards\n"
      "\n"
      "adapter myboard  clock=2 data-out=3 data-in=~10 vpp=~4 vdd=5\r\n"
      "   ADAPTER \"Bench board\"  Clock=1 DATA-OUT=17 data-in=13 vpp=16 vdd=NONE  # no Vdd\n"
      "adapter oe vpp=4 vdd=22 clock=6 data-out=7 data-in=11 data-out-enable=~8 "
      "clock-delay-us=15 vpp-volts=8.75\n";
  std::string error;
  const auto file = ParseAdapters(text, "adapters.conf", &error);
  ASSERT_TRUE(file) << error;
  ASSERT_EQ(file->adapters.size(), 3u);
  EXPECT_TRUE(file->warnings.empty());
  const Adapter& a = file->adapters[0];
  EXPECT_EQ(a.name, "myboard");
  EXPECT_EQ(a.clock, At(2));
  EXPECT_EQ(a.dataOut, At(3));
  EXPECT_EQ(a.dataIn, At(10, true));
  EXPECT_EQ(a.vpp, At(4, true));
  EXPECT_EQ(a.vdd, At(5));
  EXPECT_EQ(a.dataOutEnable, AdapterPin{});
  EXPECT_TRUE(a.releaseToRead);
  EXPECT_FALSE(a.publishedBoard);
  EXPECT_EQ(a.source, "adapters.conf, line 3");
  const Adapter& b = file->adapters[1];
  EXPECT_EQ(b.name, "Bench board");
  EXPECT_EQ(b.clock, At(1));
  EXPECT_EQ(b.dataOut, At(17));
  EXPECT_EQ(b.vdd, AdapterPin{});
  const Adapter& c = file->adapters[2];
  EXPECT_EQ(c.vdd, AdapterPin{});  // a ground pin: the supply is not switched
  EXPECT_EQ(c.dataOutEnable, At(8, true));
  EXPECT_EQ(c.clockDelayUs, 15u);
  EXPECT_EQ(c.vppMillivolts, 8750u);
  EXPECT_EQ(a.vppMillivolts, 13000u);  // not given: a classic 13 V board

  // A name the user gave is found like a built-in one, and its line reads
  // back as it was meant.
  EXPECT_EQ(FindAdapter("BENCH BOARD", file->adapters, &error)->clock, At(1));
  const auto again = ParseAdapters(AdapterLine(c) + "\n", "x", &error);
  ASSERT_TRUE(again) << error;
  EXPECT_TRUE(SameWiring(again->adapters[0], c));
  EXPECT_EQ(again->adapters[0].clockDelayUs, 15u);
  EXPECT_EQ(again->adapters[0].vppMillivolts, 8750u);
}

// "~" is the connector, "-" the register bit as published; a line written
// with "-" only is read wholly in the tables' sense. They differ on pins 1,
// 14, 17 and 11 only, and such a line gets one warning.
TEST(AdapterFile, MinusIsTheRegisterBitAsThePublishedTablesWriteIt) {
  struct Case {
    const char* signals;
    AdapterPin clock, dataOut, dataIn;
    bool warned;
  };
  const Case cases[] = {
      {"vpp=16 vdd=25 clock=-1 data-out=-17 data-in=13", At(1), At(17), At(13), true},
      {"vpp=16 vdd=25 clock=1 data-out=17 data-in=-13", At(1, true), At(17, true), At(13, true),
       true},
      {"vpp=16 vdd=none clock=~1 data-out=-17 data-in=13", At(1, true), At(17), At(13), true},
      {"vpp=16 vdd=none clock=1 data-out=17 data-in=~11", At(1), At(17), At(11, true), false},
      {"vpp=-5 vdd=-4 clock=3 data-out=2 data-in=10", At(3), At(2), At(10), false},
      {"vpp=~5 vdd=-4 clock=3 data-out=2 data-in=-11", At(3), At(2), At(11), true},
      {"vpp=4 vdd=-5 clock=2 data-out=3 data-in=11", At(2), At(3), At(11, true), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.signals);
    std::string error;
    const auto file = ParseAdapters(std::string("adapter x ") + c.signals, "a.conf", &error);
    ASSERT_TRUE(file) << error;
    const Adapter& a = file->adapters.at(0);
    EXPECT_EQ(a.clock, c.clock);
    EXPECT_EQ(a.dataOut, c.dataOut);
    EXPECT_EQ(a.dataIn, c.dataIn);
    ASSERT_EQ(file->warnings.size(), c.warned ? 1u : 0u);
    if (c.warned) {
      EXPECT_EQ(file->warnings[0].rfind("a.conf, line 1: read as in the published", 0), 0u);
    }
  }
  // One warning per line, naming its line and what the pins now are.
  std::string error;
  const auto two = ParseAdapters(
      "adapter a vpp=16 vdd=25 clock=-1 data-out=-17 data-in=13\n\n"
      "adapter b vpp=16 vdd=25 clock=14 data-out=-17 data-in=13\n",
      "a.conf", &error);
  ASSERT_TRUE(two) << error;
  ASSERT_EQ(two->warnings.size(), 2u);
  EXPECT_NE(two->warnings[0].find("at the connector clock follows pin 1, data-out follows pin 17."),
            std::string::npos);
  EXPECT_NE(two->warnings[1].find("a.conf, line 3: "), std::string::npos);
  EXPECT_NE(two->warnings[1].find("clock is pin 14 inverted, data-out follows pin 17."),
            std::string::npos);
}

TEST(AdapterFile, BadLinesAreRefusedWithFileLineAndReason) {
  const std::string good = "adapter a clock=2 data-out=3 data-in=10 vpp=4 vdd=5\n";
  const std::string huge(20'000'000, 'x');
  struct Case {
    std::string line;
    std::string message;
  };
  const Case cases[] = {
      {"adapter b clock=2 data-out=3 data-in=10 vdd=5", "signal \"vpp\" is missing"},
      {"adapter b clock=2 data-out=3 data-in=10 vpp=4", "signal \"vdd\" is missing"},
      {"adapter b clk=2", "unknown signal \"clk\""},
      {"adapter b clock=2 clock=3", "signal \"clock\" is given twice"},
      {"adapter b clock=x2 data-out=3 data-in=10 vpp=4 vdd=5", "clock: \"x2\" is not a pin"},
      {"adapter b clock=26 data-out=3 data-in=10 vpp=4 vdd=5", "clock: \"26\" is not a pin"},
      {"adapter b clock=25 data-out=3 data-in=10 vpp=4 vdd=5", "clock: pin 25 is a ground pin"},
      {"adapter b clock=2 data-out=3 data-in=-18 vpp=4 vdd=5", "data-in: pin 18 is a ground pin"},
      {"adapter b clock=2 data-out=2 data-in=10 vpp=4 vdd=5", "clock and data-out both use pin 2"},
      {"adapter b clock=2 data-out=3 data-in=10 vpp=12 vdd=5", "vpp: pin 12 is a status input"},
      {"adapter b clock=2 data-out=3 data-in=9 vpp=4 vdd=5",
       "data-in: pin 9 is not a status input"},
      {"adapter b clock=2 data-out=3 data-in=10 vpp=4 data-rw=6 data-out-enable=7 vdd=5",
       "data-rw and data-out-enable are the same line"},
      {"adapter b clock=2 data-out=3 data-in=10 vpp=4 clock-delay-us=1001 vdd=5",
       "clock-delay-us: \"1001\" is not a wait of 0 to 1000 microseconds"},
      {"adapter b clock=2 data-out=3 data-in=10 vpp=4 vdd=5 vpp-volts=20.5",
       "vpp-volts: \"20.5\" is not a voltage of 1 V to 20 V"},
      {"adapter b clock=2 data-out=3 data-in=10 vpp=4 vdd=5 vpp-volts=9.", "vpp-volts: \"9.\""},
      {"adapter b clock=2 data-out=3 data-in=10 vpp=4 vdd=5 vpp-volts=8,5", "vpp-volts: \"8,5\""},
      {"adapter b clock=2 data-out=3 data-in=10 vpp=4 vdd=5 vpp-volts=0.5", "vpp-volts: \"0.5\""},
      {"adapter A clock=2 data-out=3 data-in=10 vpp=4 vdd=5", "the name \"A\" is already taken"},
      {"adapter \"tait classic\" clock=2 data-out=3 data-in=10 vpp=4 vdd=5",
       "the name \"tait classic\" is already taken"},
      {"adapter \"open clock=2", "a quote is not closed"},
      {"adapter a\"b clock=2 data-out=3 data-in=10 vpp=4 vdd=5", "the name \"a\"b\" holds a quote"},
      {"adaptor b clock=2", "expected \"adapter NAME"},
      {"adapter", "the adapter has no name"},
      {"adapter b clock", "\"clock\" is not signal=pin"},
      // What the user wrote is quoted cut to 80 characters.
      {huge, "expected \"adapter NAME signal=pin ...\", found \"" + huge.substr(0, 80) + "…\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line.substr(0, 80));
    std::string error;
    EXPECT_FALSE(ParseAdapters(good + c.line + "\n" + good, "adapters.conf", &error));
    EXPECT_EQ(error.rfind("adapters.conf, line 2: " + c.message, 0), 0u) << error.substr(0, 300);
    EXPECT_LT(error.size(), 300u);
  }
}

TEST(AdapterFile, ManyLinesAreReadInOnePass) {
  // 20,000 adapters: every name is checked against all before it, which a
  // hash set does without comparing each pair.
  std::string text;
  for (int i = 0; i < 20000; ++i)
    text += "adapter b" + std::to_string(i) + " clock=2 data-out=3 data-in=10 vpp=4 vdd=5\n";
  std::string error;
  const auto file = ParseAdapters(
      text + "adapter B19999 clock=2 data-out=3 data-in=10 vpp=4 vdd=5\n", "many.conf", &error);
  EXPECT_FALSE(file);
  EXPECT_EQ(error, "many.conf, line 20001: the name \"B19999\" is already taken");
  ASSERT_TRUE(ParseAdapters(text, "many.conf", &error)) << error;
  EXPECT_EQ(ParseAdapters(text, "many.conf", &error)->adapters.size(), 20000u);
}

TEST(AdapterFile, OnlyBoundedRegularFilesAreRead) {
  const testing_files::ScratchDir dir("lptpic_adapters_");
  const std::string path = (dir.path / "adapters.conf").string();
  std::string error;
  ASSERT_TRUE(LoadAdapterFile(path, true, &error));
  EXPECT_TRUE(LoadAdapterFile(path, true, &error)->adapters.empty());
  EXPECT_FALSE(LoadAdapterFile(path, false, &error));
  EXPECT_NE(error.find(path), std::string::npos);

  std::ofstream(path) << "adapter x clock=2 data-out=3 data-in=10 vpp=4 vdd=x\n";
  EXPECT_FALSE(LoadAdapterFile(path, true, &error));
  EXPECT_EQ(error.rfind(path + ", line 1: vdd:", 0), 0u) << error;

  // Over 16 MB is refused by its size, before anything is parsed.
  std::filesystem::resize_file(path, 17u << 20);
  EXPECT_FALSE(LoadAdapterFile(path, true, &error));
  EXPECT_EQ(error, "Cannot read the adapters file " + path + ": File too large (over 16 MB).");

#ifndef _WIN32
  // A FIFO (no writer: a blocking read would wait for ever), a device that
  // never ends and a folder are no adapters files, whatever their name.
  const std::string fifo = (dir.path / "fifo.conf").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string folder = (dir.path / "folder.conf").string();
  std::filesystem::create_directory(folder);
  for (const std::string& bad : {fifo, std::string("/dev/zero"), folder}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(LoadAdapterFile(bad, true, &error));
    EXPECT_EQ(error, "Cannot read the adapters file " + bad +
                         ": Not a regular file (a device, FIFO or folder).");
  }
#endif
}

}  // namespace
}  // namespace lpt
