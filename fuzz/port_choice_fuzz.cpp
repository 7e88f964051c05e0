// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzzes the port text (--port, the GUI's --port) with any bytes. Parsing
// must never crash; a refusal says why, and an address it accepts is one
// the protocol can use (the status and control registers above it fit) and
// reads back the same from its decimal form.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "hw/port_choice.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lpt;
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::string error;
  const std::optional<PortChoice> choice = ParsePortChoice(text, &error);
  if (!choice) {
    if (error.empty()) std::abort();
    return 0;
  }
  switch (choice->kind) {
    case PortChoice::Kind::Address: {
      if (choice->address > 0xFFFD) std::abort();
      if (choice->address == 0) break;  // "00" and the like: the simulator's address
      const auto back = ParsePortChoice(std::to_string(choice->address), nullptr);
      if (!back || back->kind != PortChoice::Kind::Address || back->address != choice->address)
        std::abort();
      break;
    }
    case PortChoice::Kind::SimulatorFile:
    case PortChoice::Kind::DevicePath:
      if (choice->path.empty()) std::abort();
      break;
    case PortChoice::Kind::Simulator:
      break;
  }
  return 0;
}
