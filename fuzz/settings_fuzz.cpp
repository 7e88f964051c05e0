// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzzes the path.dat parser with any bytes as a file. Parsing must never
// crash, and settings it accepts must come back unchanged from the text
// the program writes for them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lpt::app;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<Settings> settings = ParseSettings(text);
  if (!settings) return 0;
  const std::optional<Settings> back = ParseSettings(FormatSettings(*settings));
  if (!back || !(*back == *settings)) std::abort();
  return 0;
}
