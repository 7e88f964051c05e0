// SPDX-License-Identifier: GPL-2.0-or-later
// Where a Program, Verify or Blank check pass found the chip different from
// what it expected: the first failing location, for the line under the
// failure's message ("Program memory 01A3h: expected 2805, read 3FFF").
#pragma once

#include <cstdint>
#include <string>

namespace lpt {

enum class MemoryKind { Program, Data, Config, Id };

struct FailureDetail {
  MemoryKind memory = MemoryKind::Program;
  std::uint32_t address = 0;  // word address; data EEPROM: byte offset
  std::string expected;       // as the pass compared them: hex text
  std::string read;

  bool operator==(const FailureDetail&) const = default;
};

// "Program memory 01A3h: expected 2805, read 3FFF"; data addresses in two
// digits, the others in four.
std::string DescribeFailure(const FailureDetail& detail);

}  // namespace lpt
