// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzzes the adapters-file parser with any bytes as a file. Parsing must
// never crash or hang; a refusal says why in a message of bounded length
// (quoted text is cut), every adapter accepted can drive a port, and the
// line written for it reads back to the same wiring.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "hw/adapter_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lpt;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // File name, line number, reason and a few quotes of 80 characters.
  constexpr std::size_t kLongestMessage = 1024;
  std::string error;
  const std::optional<AdapterFile> file = ParseAdapters(text, "fuzz.conf", &error);
  if (!file) {
    if (error.empty() || error.size() > kLongestMessage) std::abort();
    return 0;
  }
  for (const std::string& warning : file->warnings)
    if (warning.size() > kLongestMessage) std::abort();
  for (const Adapter& adapter : file->adapters) {
    if (!CheckAdapter(adapter).empty()) std::abort();
    const std::optional<AdapterFile> back = ParseAdapters(AdapterLine(adapter), "again", &error);
    if (!back || back->adapters.size() != 1 || !SameWiring(back->adapters[0], adapter) ||
        back->adapters[0].clockDelayUs != adapter.clockDelayUs || !back->warnings.empty())
      std::abort();
  }
  return 0;
}
