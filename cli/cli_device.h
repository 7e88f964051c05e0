// SPDX-License-Identifier: GPL-2.0-or-later
// Setting up the device and the ID buffer from the global options.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "buffers/edit_buffers.h"
#include "cli/cli_app.h"
#include "devices/active_device.h"

namespace lpt::cli {

// Catalogue names closest to `name` (case-insensitive edit distance), best first.
std::vector<std::string_view> NearestDeviceNames(std::string_view name, std::size_t count);

// Makes --device the active device with blank buffers and puts --id into
// the ID. The name is taken as users type it (FindDeviceAsTyped: any case,
// "PIC" or not, a group's part name). On an unknown name or a bad ID prints
// why on standard error and
// returns false (the caller exits with kExitUsage); never falls back to
// another device.
bool SelectDeviceFromOptions(const GlobalOptions& options, ActiveDevice& device,
                             EditBuffers& buffers);

// Loads the Intel HEX file at `path` into the buffers of `device`. On an
// error prints the reader's message on standard error and returns false
// (the caller exits with kExitUsage).
// Saves the buffers as INHX8M at `path`; "-" writes them through
// WriteStandardOutput, so that with --json the HEX text goes into the one
// object instead of before it. False with *error.
bool SaveHexOutput(const std::string& path, const ActiveDevice& device, const EditBuffers& buffers,
                   std::string* error);

// `whole`: a file that is empty, holds nothing for the device or has no
// end record (cut off) is refused too, as `program` refuses it.
bool LoadHexForCommand(const std::string& path, const ActiveDevice& device, EditBuffers& buffers,
                       bool whole = false);

}  // namespace lpt::cli
