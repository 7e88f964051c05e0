// SPDX-License-Identifier: GPL-2.0-or-later
// The user's adapters file (adapters.conf beside path.dat, or --adapters
// FILE): one adapter per line, written by hand or pasted from a published
// preset table.
//
//   # my board: transistor on Vpp, inverting buffer on data in
//   adapter myboard  clock=2 data-out=3 data-in=~10 vpp=~4 vdd=5
//   adapter cheapo  vpp=16 vdd=25 clock=1 data-out=17 data-in=-13  # as published
//
// Signals: clock, data-out, data-in, vpp, vdd (required; vdd "none" or a
// ground pin for a supply the board does not switch), data-out-enable
// or data-rw (optional: the board's data direction, on while the PC drives
// or while the chip drives), clock-delay-us (0 to 1000, a wait after every
// clock edge), vpp-volts (what the board's Vpp puts on MCLR, 1 to 20;
// 13 when not given). "~" before a pin: the board inverts it at the connector.
// "-" before a pin: the register bit is inverted, as the published tables
// write it; a line that uses "-" and no "~" is read wholly in the tables'
// sense, so its plain numbers are register bits too. The two readings
// differ only on pins 1, 14, 17 and 11, which the port itself inverts.
// Keys and the word "adapter" in any case; "#" starts a comment; a UTF-8
// byte-order mark and CR LF line ends are accepted.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hw/adapter.h"

namespace lpt {

struct AdapterFile {
  std::vector<Adapter> adapters;
  // "FILE, line N: ..." for each line whose pins 1, 14, 17 or 11 an
  // earlier version read the other way.
  std::vector<std::string> warnings;
};

// The adapters in `text`; nullopt with *error ("FILE, line N: reason") at
// the first line that cannot be used. `fileName` names the file in the
// messages and in each adapter's source. Time grows with the length of
// the text, not faster.
std::optional<AdapterFile> ParseAdapters(std::string_view text, const std::string& fileName,
                                         std::string* error);

// The line adapters.conf holds for `adapter`, written at the connector:
// adapter "Tait classic" vpp=~5 vdd=~4 clock=3 data-out=2 data-in=10
std::string AdapterLine(const Adapter& adapter);

// Reads `path` like every other input (a regular file, or "-" for standard
// input; at most 16 MB; never a wait on a FIFO or a device) and parses it.
// A file that does not exist holds no adapters when `missingOk`; otherwise
// it is an error like any other.
std::optional<AdapterFile> LoadAdapterFile(const std::string& path, bool missingOk,
                                           std::string* error);

// Every key=value word the parser takes, in its table's order (for the
// documentation and its test).
std::vector<std::string_view> AdapterFileKeys();

}  // namespace lpt
