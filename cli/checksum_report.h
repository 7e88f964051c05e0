// SPDX-License-Identifier: GPL-2.0-or-later
// The checksum of the buffers after Read and Program: "Checksum 1A2B" on
// standard error (not with --quiet, where scripts take it from --json),
// and the "checksum" of the JSON object.
#pragma once

#include <cstdint>
#include <string>

#include "buffers/edit_buffers.h"
#include "cli/cli_app.h"
#include "devices/active_device.h"

namespace lpt::cli {

// Four upper-case hex digits.
std::string ChecksumText(std::uint16_t checksum);

void ReportChecksum(const GlobalOptions& options, const ActiveDevice& device,
                    const EditBuffers& buffers);

}  // namespace lpt::cli
