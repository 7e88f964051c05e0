// SPDX-License-Identifier: GPL-2.0-or-later
// A Protocol wired to the recording fakes: every port write, status read and
// wait of an operation lands in one event log, in order.
#pragma once

#include "devices/active_device.h"
#include "hw/protocol.h"
#include "hw/wired_pins.h"
#include "support/recording_port.h"

namespace lpt::testing {

struct ProtocolRig {
  explicit ProtocolRig(std::uint16_t base = 0x378) : pins(port, base, DefaultAdapter()) {}

  EventLog log;
  RecordingPort port{log};
  LoggingClock clock{log};
  RecordingHooks hooks;
  ActiveDevice device;
  WiredPins pins;
  Protocol proto{pins, clock, hooks, device};
};

}  // namespace lpt::testing
