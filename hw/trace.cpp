// SPDX-License-Identifier: GPL-2.0-or-later
#include "hw/trace.h"

#include <cstdio>

namespace lpt {
namespace {

void Line(std::ostream& sink, char kind, std::uint16_t address, std::uint8_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%c %04X %02X\n", kind, address, value);
  sink << text;
}

}  // namespace

std::uint8_t TracePort::ReadPort(std::uint16_t address) {
  const std::uint8_t value = inner_.ReadPort(address);
  Line(sink_, 'R', address, value);
  return value;
}

void TracePort::WritePort(std::uint16_t address, std::uint8_t value) {
  // Logged before the write so that a wait or read the backend itself does
  // (the simulated chip) can never appear ahead of it.
  Line(sink_, 'W', address, value);
  inner_.WritePort(address, value);
}

// The wait is logged before it is made: it is the request that is traced.
void TraceDelay::WaitMs(std::uint32_t ms) {
  sink_ << "M " << ms << '\n';
  inner_.WaitMs(ms);
}

void TraceDelay::WaitUs(std::uint32_t us) {
  sink_ << "U " << us << '\n';
  inner_.WaitUs(us);
}

}  // namespace lpt
