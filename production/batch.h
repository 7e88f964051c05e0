// SPDX-License-Identifier: GPL-2.0-or-later
// Programming on a line: one chip after another from one HEX image, each
// with its serial number and its line in the log, until the count is
// reached or the user stops. Between chips the batch waits for the chip to
// be taken out and the next one put in: by the device ID on the parts that
// have one, otherwise by asking the operator (the front end's Enter).
// Everything it says goes through the hooks: Notice for its own lines,
// and the events of each Program All as the front end shows them anyway.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "buffers/edit_buffers.h"
#include "ops/device_commands.h"
#include "production/serial_counter.h"
#include "production/serial_number.h"

namespace lpt {

struct BatchSetup {
  std::string hexFile;    // for the log, as given
  std::string hexSha256;  // of the file's bytes
  std::optional<SerialPlace> serialPlace;
  SerialCounter* serials = nullptr;  // with serialPlace
  std::string logPath;               // empty: no log
  bool repeat = false;               // false: the one chip in the socket
  int count = 0;                     // with repeat: chips to program; 0 = until stopped
  // The parts without a device ID: waits until the operator says the next
  // chip is in; false ends the batch (end of input, or stopped).
  std::function<bool()> askForNextChip;
  // Called after each chip with what Program All left in the context.
  std::function<void(const OpContext&)> chipDone;
};

struct BatchSummary {
  int passed = 0;
  int failed = 0;
  std::vector<std::string> serials;  // the numbers written, in order
  CommandResult last = CommandResult::Ok;
  std::string error;       // a counter or log file that could not be written
  int failuresInARow = 0;  // set when that many failures in a row ended the batch
  bool Ok() const { return failed == 0 && error.empty() && last == CommandResult::Ok; }
};

// Runs the batch on `ctx`, whose buffers hold the file's image. The
// buffers end as the last chip was programmed.
BatchSummary RunBatch(OpContext& ctx, const BatchSetup& setup);

// "20 chips passed, 0 failed; serial numbers 0x1000 to 0x1013".
std::string BatchSummaryText(const BatchSummary& summary);

// A batch whose chips keep failing (a wrong board, a bad image) stops
// after this many failures in a row instead of using up the tray.
inline constexpr int kMostFailuresInARow = 5;

// How often the socket is looked at while waiting for a chip.
inline constexpr std::uint32_t kSocketPollMs = 200;

}  // namespace lpt
