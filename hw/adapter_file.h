// The user's adapters file (adapters.conf beside path.dat, or --adapters
// FILE): one adapter per line, written by hand.
//
//   # my board: transistor on Vpp, inverting buffer on data in
//   adapter myboard  clock=2 data-out=3 data-in=~10 vpp=~4 vdd=5
//   adapter "Bench board"  clock=1 data-out=17 data-in=13 vpp=16 vdd=none
//
// Signals: clock, data-out, data-in, vpp, vdd (all required; vdd may be
// "none" for an adapter that cannot switch the supply) and data-out-enable
// (optional). A value is a connector pin, "~" or "-" before it for an
// inverted line. Blank lines and lines starting with "#" are ignored.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hw/adapter.h"

namespace lpt {

// The adapters in `text`; nullopt with *error ("FILE, line N: reason") at
// the first line that cannot be used. `fileName` only names the file in
// the message.
std::optional<std::vector<Adapter>> ParseAdapters(std::string_view text,
                                                  const std::string& fileName, std::string* error);

// Reads and parses `path`. A file that does not exist holds no adapters
// when `missingOk`; otherwise it is an error like any other.
std::optional<std::vector<Adapter>> LoadAdapterFile(const std::string& path, bool missingOk,
                                                    std::string* error);

}  // namespace lpt
