// SPDX-License-Identifier: GPL-2.0-or-later
#include "ops/failure_detail.h"

#include <cstdio>

namespace lpt {

std::string DescribeFailure(const FailureDetail& detail) {
  const char* memory = "Program memory";
  int digits = 4;
  switch (detail.memory) {
    case MemoryKind::Program:
      break;
    case MemoryKind::Data:
      memory = "Data memory";
      digits = 2;
      break;
    case MemoryKind::Config:
      memory = "Configuration word";
      break;
    case MemoryKind::Id:
      memory = "ID";
      break;
  }
  char address[16];
  std::snprintf(address, sizeof address, "%0*X", digits, static_cast<unsigned>(detail.address));
  const auto shown = [](const std::string& text) { return text.empty() ? std::string("-") : text; };
  return std::string(memory) + " " + address + "h: expected " + shown(detail.expected) + ", read " +
         shown(detail.read);
}

}  // namespace lpt
