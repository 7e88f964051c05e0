// The adapters file a user writes by hand: what it accepts and how a bad
// line is refused (file, line, reason; nothing taken from the file).
#include "hw/adapter_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/temp_dir.h"

namespace lpt {
namespace {

TEST(AdapterFile, ReadsWhatAPersonWrites) {
  const std::string text =
      "# my boards\n"
      "\n"
      "adapter myboard  clock=2 data-out=3 data-in=~10 vpp=~4 vdd=5\r\n"
      "   adapter \"Bench board\"  clock=1 data-out=-17 data-in=13 vpp=16 vdd=none\n"
      "adapter oe vpp=4 vdd=5 clock=6 data-out=7 data-in=11 data-out-enable=~8\n";
  std::string error;
  const auto adapters = ParseAdapters(text, "adapters.conf", &error);
  ASSERT_TRUE(adapters) << error;
  ASSERT_EQ(adapters->size(), 3u);
  const Adapter& a = (*adapters)[0];
  EXPECT_EQ(a.name, "myboard");
  EXPECT_EQ(a.clock, (AdapterPin{2, false}));
  EXPECT_EQ(a.dataOut, (AdapterPin{3, false}));
  EXPECT_EQ(a.dataIn, (AdapterPin{10, true}));
  EXPECT_EQ(a.vpp, (AdapterPin{4, true}));
  EXPECT_EQ(a.vdd, (AdapterPin{5, false}));
  EXPECT_EQ(a.dataOutEnable, AdapterPin{});
  EXPECT_TRUE(a.releaseToRead);
  const Adapter& b = (*adapters)[1];
  EXPECT_EQ(b.name, "Bench board");
  EXPECT_EQ(b.dataOut, (AdapterPin{17, true}));
  EXPECT_EQ(b.vdd, AdapterPin{});
  EXPECT_EQ((*adapters)[2].dataOutEnable, (AdapterPin{8, true}));

  // A name the user gave is found like a built-in one.
  EXPECT_EQ(FindAdapter("BENCH BOARD", *adapters, &error)->clock, (AdapterPin{1, false}));
}

TEST(AdapterFile, BadLinesAreRefusedWithFileLineAndReason) {
  const std::string good = "adapter a clock=2 data-out=3 data-in=10 vpp=4 vdd=5\n";
  struct Case {
    const char* line;
    const char* message;
  };
  const Case cases[] = {
      {"adapter b clock=2 data-out=3 data-in=10 vpp=4",
       "adapters.conf, line 2: signal \"vdd\" is missing"},
      {"adapter b clk=2", "adapters.conf, line 2: unknown signal \"clk\""},
      {"adapter b clock=2 clock=3", "adapters.conf, line 2: signal \"clock\" is given twice"},
      {"adapter b clock=x2 data-out=3 data-in=10 vpp=4 vdd=5",
       "adapters.conf, line 2: clock: \"x2\" is not a pin"},
      {"adapter b clock=26 data-out=3 data-in=10 vpp=4 vdd=5",
       "adapters.conf, line 2: clock: \"26\" is not a pin"},
      {"adapter b clock=2 data-out=2 data-in=10 vpp=4 vdd=5",
       "adapters.conf, line 2: clock and data-out both use pin 2"},
      {"adapter b clock=2 data-out=3 data-in=10 vpp=12 vdd=5",
       "adapters.conf, line 2: vpp: pin 12 is a status input"},
      {"adapter b clock=2 data-out=3 data-in=9 vpp=4 vdd=5",
       "adapters.conf, line 2: data-in: pin 9 is not a status input"},
      {"adapter A clock=2 data-out=3 data-in=10 vpp=4 vdd=5",
       "adapters.conf, line 2: the name \"A\" is already taken"},
      {"adapter \"tait classic\" clock=2 data-out=3 data-in=10 vpp=4 vdd=5",
       "adapters.conf, line 2: the name \"tait classic\" is already taken"},
      {"adapter \"open clock=2", "adapters.conf, line 2: a quote is not closed"},
      {"adaptor b clock=2", "adapters.conf, line 2: expected \"adapter NAME"},
      {"adapter", "adapters.conf, line 2: the adapter has no name"},
      {"adapter b clock", "adapters.conf, line 2: \"clock\" is not signal=pin"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    std::string error;
    EXPECT_FALSE(ParseAdapters(good + c.line + "\n" + good, "adapters.conf", &error));
    EXPECT_EQ(error.rfind(c.message, 0), 0u) << error;
  }
}

TEST(AdapterFile, MissingFileIsEmptyOnlyWhenAllowed) {
  const testing_files::ScratchDir dir("lptpic_adapters_");
  const std::string path = (dir.path / "adapters.conf").string();
  std::string error;
  ASSERT_TRUE(LoadAdapterFile(path, true, &error));
  EXPECT_TRUE(LoadAdapterFile(path, true, &error)->empty());
  EXPECT_FALSE(LoadAdapterFile(path, false, &error));
  EXPECT_NE(error.find(path), std::string::npos);

  std::ofstream(path) << "adapter x clock=2 data-out=3 data-in=10 vpp=4 vdd=x\n";
  EXPECT_FALSE(LoadAdapterFile(path, true, &error));
  EXPECT_EQ(error.rfind(path + ", line 1: vdd:", 0), 0u) << error;
}

}  // namespace
}  // namespace lpt
