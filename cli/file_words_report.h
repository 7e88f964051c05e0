// SPDX-License-Identifier: GPL-2.0-or-later
// What of a loaded HEX file does not reach the chip, told on standard
// error and in --json: the words the part cannot hold and the file's user
// ID, which is written only with --id-from-file.
#pragma once

#include <string>

#include "buffers/edit_buffers.h"
#include "cli/cli_app.h"
#include "devices/active_device.h"
#include "hexfile/hex_file.h"

namespace lpt::cli {

// What the command does with a file the part cannot hold whole.
enum class UnheldWords {
  Warn,    // say so and go on (verify, convert, dump, checksum)
  Refuse,  // say so and write nothing (program without --allow-truncated)
};

// Tells the words of `result` the device cannot hold and, for `program`
// (`idIsWritten`), whether the file's ID is written; with --id-from-file
// puts the file's ID into the ID buffer. Returns kExitOk, or kExitUsage
// when the file is refused or --id-from-file finds no ID in it.
int TellFileWords(const std::string& path, const ActiveDevice& device, EditBuffers& buffers,
                  const HexLoadResult& result, const GlobalOptions& options, UnheldWords unheld,
                  bool idIsWritten);

}  // namespace lpt::cli
