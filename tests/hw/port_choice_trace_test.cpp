// SPDX-License-Identifier: GPL-2.0-or-later
// Port specs as a user types them, the trace format, and the two clocks.
#include <gtest/gtest.h>

#include <sstream>

#include "hw/port_choice.h"
#include "hw/real_delay.h"
#include "hw/trace.h"
#include "hw/virtual_clock.h"
#include "support/recording_port.h"

namespace lpt {
namespace {

TEST(PortChoiceParse, AcceptedForms) {
  using K = PortChoice::Kind;
  struct Case {
    const char* text;
    K kind;
    std::uint16_t address;
    const char* path;
    const char* name = "";
  };
  const Case cases[] = {
      {"sim", K::Simulator, 0x378, ""},
      {"0", K::Simulator, 0x378, ""},
      {"sim:chip.json", K::SimulatorFile, 0x378, "chip.json"},
      {"sim:/tmp/a b.chip", K::SimulatorFile, 0x378, "/tmp/a b.chip"},
      {"888", K::Address, 0x378, ""},
      {"632", K::Address, 0x278, ""},
      {"0x378", K::Address, 0x378, ""},
      {"0X3bc", K::Address, 0x3BC, ""},
      {"0x0278", K::Address, 0x278, ""},
      {" 888\r\n", K::Address, 0x378, ""},  // as read from a settings line
      {"65533", K::Address, 0xFFFD, ""},
#ifndef _WIN32
      // Windows refuses a Linux device path as it reads the option.
      {"/dev/parport0", K::DevicePath, 0x378, "/dev/parport0"},
#endif
      // Windows' names, at the addresses they have always had (Windows
      // takes the address it lists, where it lists one: tests/win).
      {"LPT1", K::Address, 0x378, "", "LPT1"},
      {"lpt2", K::Address, 0x278, "", "LPT2"},
      {" Lpt3", K::Address, 0x3BC, "", "LPT3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::string error;
    const auto choice = ParsePortChoice(c.text, &error);
    ASSERT_TRUE(choice.has_value()) << error;
    EXPECT_EQ(choice->kind, c.kind);
    EXPECT_EQ(choice->address, c.address);
    EXPECT_EQ(choice->path, c.path);
    const bool named = std::string(c.text).find_first_of("Ll") != std::string::npos;
    EXPECT_EQ(choice->name,
              named ? "LPT" + std::string(1, c.text[std::string(c.text).size() - 1]) : "");
  }
}

TEST(PortChoiceParse, RejectedFormsSayWhy) {
  struct Case {
    const char* text;
    const char* messagePart;
  };
  const Case cases[] = {
      {"", "Unknown port"},
      {"lpt4", "Unknown port \"lpt4\""},
      {"LPT1:", "Unknown port"},
      {"LPT", "Unknown port"},
      {"SIM", "Unknown port"},
      {"-888", "Unknown port"},
      {"888x", "Unknown port"},
      {"0x", "Unknown port"},
      {"0xG1", "Unknown port"},
      {"3.78", "Unknown port"},
      {"sim:", "needs a chip file"},
      {"/dev/", "Unknown port"},
      {"65534", "out of range"},
      {"0x10000", "out of range"},
      {"99999999999999999999999", "Unknown port"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::string error;
    EXPECT_FALSE(ParsePortChoice(c.text, &error).has_value());
    EXPECT_NE(error.find(c.messagePart), std::string::npos) << error;
  }
  EXPECT_FALSE(ParsePortChoice("nonsense", nullptr).has_value()) << "no error text wanted";
}

// Device paths are Linux's: on Windows one is a usage error that names
// the Windows spellings, which the help texts list too.
TEST(PortChoiceParse, EachSystemTakesItsOwnNames) {
  std::string error;
  EXPECT_TRUE(ParsePortChoice("/dev/parport0", &error, PortSystem::Linux).has_value()) << error;
  EXPECT_FALSE(ParsePortChoice("/dev/parport0", &error, PortSystem::Windows).has_value());
  EXPECT_NE(error.find("on Windows give the port's name or address (LPT1, 0x378"),
            std::string::npos)
      << error;
  for (const PortSystem system : {PortSystem::Linux, PortSystem::Windows}) {
    EXPECT_TRUE(ParsePortChoice("LPT1", nullptr, system).has_value());
    ASSERT_FALSE(ParsePortChoice("lpt9", &error, system).has_value());
    EXPECT_NE(error.find(PortSpellings(system)), std::string::npos) << error;
  }
  EXPECT_NE(std::string(PortSpellings(PortSystem::Linux)).find("/dev/parportN"), std::string::npos);
  EXPECT_EQ(std::string(PortSpellings(PortSystem::Windows)).find("/dev/"), std::string::npos);
}

TEST(Trace, PortAndDelayLinesGoToOneSinkInOrder) {
  testing::EventLog log;
  testing::RecordingPort inner(log);
  inner.answer = [](std::uint16_t) -> std::uint8_t { return 0x87; };
  inner.failureReason = "why";
  VirtualClock clock;
  std::ostringstream sink;
  TracePort port(inner, sink);
  TraceDelay delay(clock, sink);

  port.WritePort(0x378, 0x05);
  delay.WaitUs(10);
  EXPECT_EQ(port.ReadPort(0x379), 0x87);
  delay.WaitMs(20);
  port.WritePort(0x3BC, 0xAB);
  port.WritePort(0x0A, 0x0C);
  delay.WaitUs(1);
  EXPECT_EQ(sink.str(), "W 0378 05\nU 10\nR 0379 87\nM 20\nW 03BC AB\nW 000A 0C\nU 1\n");
  // The decorators pass everything through.
  EXPECT_EQ(log.size(), 4u);
  EXPECT_EQ(clock.NowUs(), 20011u);
  EXPECT_EQ(delay.NowUs(), 20011u);
  EXPECT_EQ(port.FailureReason(), "why");
  inner.opened = false;
  EXPECT_FALSE(port.Opened());
  EXPECT_EQ(port.LastError(), 6u);
}

TEST(Clocks, VirtualClockAdvancesByEveryWaitAndRecordsThem) {
  VirtualClock clock;
  clock.WaitMs(20);
  clock.WaitUs(5);
  EXPECT_EQ(clock.NowUs(), 20005u);
  EXPECT_TRUE(clock.Waits().empty()) << "the list is off by default";
  clock.SetRecording(true);
  clock.WaitUs(1);
  clock.WaitMs(2);
  clock.AdvanceUs(7);
  using U = VirtualClock::Wait::Unit;
  EXPECT_EQ(clock.Waits(), (std::vector<VirtualClock::Wait>{{U::Us, 1}, {U::Ms, 2}}));
  EXPECT_EQ(clock.MsWaitCount(), 2u);
  EXPECT_EQ(clock.UsWaitCount(), 2u);
  EXPECT_EQ(clock.WaitedUs(), 22006u);
  EXPECT_EQ(clock.NowUs(), 22013u);
  clock.ClearRecord();
  EXPECT_EQ(clock.WaitedUs(), 0u);
  EXPECT_TRUE(clock.Waits().empty());
  EXPECT_EQ(clock.NowUs(), 22013u) << "time does not go back";
  clock.WaitMs(4294967295u);  // no overflow of the microsecond clock
  EXPECT_EQ(clock.NowUs(), 22013u + 4294967295000u);
}

// The real waits, kept tiny: they must never return early, on the spinning
// path nor on the sleep-then-spin path.
TEST(Clocks, RealDelayWaitsAtLeastTheTimeAsked) {
  RealDelay spin;
  RealDelay sleepy(100);  // waits above 100 µs sleep first
  for (RealDelay* d : {&spin, &sleepy}) {
    for (std::uint32_t us : {1u, 5u, 10u, 300u}) {
      const std::uint64_t start = d->NowUs();
      d->WaitUs(us);
      EXPECT_GE(d->NowUs() - start, us) << us;
    }
    const std::uint64_t start = d->NowUs();
    d->WaitMs(1);
    EXPECT_GE(d->NowUs() - start, 1000u);
  }
  const std::uint64_t start = spin.NowUs();
  spin.WaitUs(0);
  spin.WaitMs(0);
  EXPECT_LT(spin.NowUs() - start, 1000u);
}

}  // namespace
}  // namespace lpt
