// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzzes the chip-file reader with any bytes as a file. The reader must
// never crash or hang, and a chip it accepts must survive the writer: the
// written text reads back to a chip that writes the very same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "sim/chip_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lpt::sim;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::string error;
  const std::optional<ChipState> chip = ParseChipText(in, &error);
  if (!chip) {
    if (error.empty()) std::abort();  // a refusal always says why
    return 0;
  }
  const std::string text = ChipText(*chip);
  std::istringstream again(text);
  const std::optional<ChipState> back = ParseChipText(again, &error);
  if (!back || ChipText(*back) != text) std::abort();
  return 0;
}
