// SPDX-License-Identifier: GPL-2.0-or-later
// Test doubles for the hardware layer: a Port that records every access and
// answers status reads from a script, a VirtualClock that logs its waits
// into the same event list, and Hooks that record the failures told. One
// event list keeps writes, reads and waits in the order they happened.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "hw/hooks.h"
#include "hw/port.h"
#include "hw/virtual_clock.h"

namespace lpt::testing {

struct PortEvent {
  enum class Kind { Write, Read, WaitUs, WaitMs };
  Kind kind;
  std::uint16_t address = 0;  // Write, Read
  std::uint32_t value = 0;    // byte written or read, or the wait asked
  bool operator==(const PortEvent&) const = default;
};

inline PortEvent W(std::uint16_t address, std::uint8_t value) {
  return {PortEvent::Kind::Write, address, value};
}
inline PortEvent R(std::uint16_t address, std::uint8_t value) {
  return {PortEvent::Kind::Read, address, value};
}
inline PortEvent Us(std::uint32_t us) { return {PortEvent::Kind::WaitUs, 0, us}; }
inline PortEvent Ms(std::uint32_t ms) { return {PortEvent::Kind::WaitMs, 0, ms}; }

// "W 378h=08h", "R 379h=87h", "10 us", "1 ms": a failing log in the
// registers' own terms.
inline void PrintTo(const PortEvent& e, std::ostream* os) {
  char text[32];
  switch (e.kind) {
    case PortEvent::Kind::Write:
    case PortEvent::Kind::Read:
      std::snprintf(text, sizeof text, "%c %03Xh=%02Xh",
                    e.kind == PortEvent::Kind::Write ? 'W' : 'R', static_cast<unsigned>(e.address),
                    static_cast<unsigned>(e.value));
      break;
    default:
      std::snprintf(text, sizeof text, "%u %s", static_cast<unsigned>(e.value),
                    e.kind == PortEvent::Kind::WaitUs ? "us" : "ms");
  }
  *os << text;
}

using EventLog = std::vector<PortEvent>;

class RecordingPort : public Port {
 public:
  explicit RecordingPort(EventLog& log) : log_(log) {}

  // Status byte for each read; by default a read echoes the data line the
  // way a present adapter does: line high (data bit set) reads below 80h.
  std::function<std::uint8_t(std::uint16_t address)> answer;
  bool opened = true;
  std::string failureReason;

  bool Opened() const override { return opened; }
  void SetOpened(bool open) override { opened = open; }
  std::uint8_t ReadPort(std::uint16_t address) override {
    std::uint8_t value = 0;
    if (opened) value = answer ? answer(address) : ((lastWritten_ & 0x02) ? 0x00 : 0x80);
    log_.push_back(R(address, value));
    return value;
  }
  void WritePort(std::uint16_t address, std::uint8_t value) override {
    if (opened) lastWritten_ = value;
    log_.push_back(W(address, value));
  }
  std::uint32_t LastError() const override { return opened ? 0 : 6; }
  bool LastIoOk() const override { return opened; }
  std::string FailureReason() const override { return failureReason; }

 private:
  EventLog& log_;
  std::uint8_t lastWritten_ = 0;
};

class LoggingClock : public VirtualClock {
 public:
  explicit LoggingClock(EventLog& log) : log_(log) {}
  void WaitMs(std::uint32_t ms) override {
    log_.push_back(Ms(ms));
    VirtualClock::WaitMs(ms);
  }
  void WaitUs(std::uint32_t us) override {
    log_.push_back(Us(us));
    VirtualClock::WaitUs(us);
  }

 private:
  EventLog& log_;
};

// The texts of the failures a user would read, by kind; a failed presence
// test is an error.
class RecordingHooks : public Hooks {
 public:
  std::vector<std::string> errorBoxes;
  std::vector<std::string> plainBoxes;
  void Failed(const Failure& failure) override {
    (failure.kind == FailureKind::Plain ? plainBoxes : errorBoxes).push_back(failure.message);
  }
  void AdapterNotFound(const std::string& reason) override {
    errorBoxes.push_back(AdapterNotFoundMessage(reason));
  }
};

// Only the values written, in order.
inline std::vector<std::uint8_t> WrittenValues(const EventLog& log) {
  std::vector<std::uint8_t> values;
  for (const PortEvent& e : log)
    if (e.kind == PortEvent::Kind::Write) values.push_back(static_cast<std::uint8_t>(e.value));
  return values;
}

// Only the waits, in order.
inline EventLog Waits(const EventLog& log) {
  EventLog waits;
  for (const PortEvent& e : log)
    if (e.kind == PortEvent::Kind::WaitUs || e.kind == PortEvent::Kind::WaitMs) waits.push_back(e);
  return waits;
}

}  // namespace lpt::testing
