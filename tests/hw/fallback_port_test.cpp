// SPDX-License-Identifier: GPL-2.0-or-later
// Backends tried in order: the first that opens carries every access, a
// closed port tries again from the top, and when none opens the reasons of
// all of them reach the user.
#include "hw/fallback_port.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lpt {
namespace {

// A backend that opens or not as told, logging what reaches it.
class StubPort : public Port {
 public:
  StubPort(std::string name, bool opens, std::vector<std::string>& log)
      : name_(std::move(name)), opens_(opens), log_(log) {}
  bool Opened() const override { return open_; }
  void SetOpened(bool open) override {
    log_.push_back(name_ + (open ? " open" : " close"));
    open_ = open && opens_;
  }
  std::uint8_t ReadPort(std::uint16_t address) override {
    log_.push_back(name_ + " read " + std::to_string(address));
    return open_ ? 0x87 : 0;
  }
  void WritePort(std::uint16_t address, std::uint8_t value) override {
    log_.push_back(name_ + " write " + std::to_string(address) + " " + std::to_string(value));
  }
  std::uint32_t LastError() const override { return opens_ ? 0 : error; }
  bool LastIoOk() const override { return open_; }
  std::string FailureReason() const override { return open_ ? "" : reason; }

  std::uint32_t error = 2;
  std::string reason;

 private:
  std::string name_;
  bool opens_;
  bool open_ = false;
  std::vector<std::string>& log_;
};

struct Rig {
  std::vector<std::string> log;
  StubPort* first = nullptr;
  StubPort* second = nullptr;
  std::unique_ptr<FallbackPort> port;

  Rig(bool firstOpens, bool secondOpens) {
    auto a = std::make_unique<StubPort>("driver", firstOpens, log);
    auto b = std::make_unique<StubPort>("inpout", secondOpens, log);
    a->reason = "The port driver could not be opened (Windows error 2).";
    a->error = 2;
    b->reason = "inpoutx64.dll could not be loaded (Windows error 126).";
    b->error = 126;
    first = a.get();
    second = b.get();
    std::vector<std::unique_ptr<Port>> choices;
    choices.push_back(std::move(a));
    choices.push_back(std::move(b));
    port = std::make_unique<FallbackPort>(std::move(choices));
  }
};

TEST(FallbackPort, TheFirstBackendThatOpensCarriesEveryAccess) {
  struct Case {
    bool firstOpens, secondOpens;
    std::vector<std::string> log;  // after open, write 888 5, read 889
    const char* active;
  };
  const Case cases[] = {
      {true, true, {"driver open", "driver write 888 5", "driver read 889"}, "driver"},
      {true, false, {"driver open", "driver write 888 5", "driver read 889"}, "driver"},
      {false,
       true,
       {"driver open", "inpout open", "inpout write 888 5", "inpout read 889"},
       "inpout"},
  };
  for (const Case& c : cases) {
    Rig rig(c.firstOpens, c.secondOpens);
    EXPECT_TRUE(rig.log.empty()) << "nothing opens before it is asked";
    rig.port->SetOpened(true);
    ASSERT_TRUE(rig.port->Opened());
    rig.port->WritePort(888, 5);
    EXPECT_EQ(rig.port->ReadPort(889), 0x87);
    EXPECT_TRUE(rig.port->LastIoOk());
    EXPECT_EQ(rig.port->LastError(), 0u);
    EXPECT_EQ(rig.port->FailureReason(), "");
    EXPECT_EQ(rig.log, c.log) << c.active;
    EXPECT_EQ(rig.port->Active(), c.firstOpens ? rig.first : rig.second);
  }
}

TEST(FallbackPort, ClosingClosesTheActiveBackendAndReopeningStartsAtTheTop) {
  Rig rig(false, true);
  rig.port->SetOpened(true);
  rig.port->SetOpened(true);  // already open: nothing tried again
  EXPECT_EQ(rig.log.size(), 2u);
  rig.port->SetOpened(false);
  EXPECT_FALSE(rig.port->Opened());
  EXPECT_EQ(rig.log.back(), "inpout close");
  rig.log.clear();
  rig.port->SetOpened(true);
  EXPECT_EQ(rig.log, (std::vector<std::string>{"driver open", "inpout open"}));
  rig.log.clear();
  rig.port.reset();
  EXPECT_EQ(rig.log, (std::vector<std::string>{"inpout close"})) << "destruction closes";
}

TEST(FallbackPort, WhenNoneOpensEveryReasonIsGivenAndNothingIsSent) {
  Rig rig(false, false);
  EXPECT_EQ(rig.port->FailureReason(), "") << "no reason before an attempt";
  rig.port->SetOpened(true);
  EXPECT_FALSE(rig.port->Opened());
  EXPECT_EQ(rig.port->FailureReason(),
            "The port driver could not be opened (Windows error 2). inpoutx64.dll could not be "
            "loaded (Windows error 126).");
  EXPECT_EQ(rig.port->LastError(), 2u) << "the first backend's error";
  rig.log.clear();
  EXPECT_EQ(rig.port->ReadPort(889), 0);
  rig.port->WritePort(888, 4);
  EXPECT_FALSE(rig.port->LastIoOk());
  EXPECT_TRUE(rig.log.empty());
}

}  // namespace
}  // namespace lpt
