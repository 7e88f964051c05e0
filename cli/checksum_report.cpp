// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/checksum_report.h"

#include <cstdio>
#include <iostream>

#include "buffers/checksum.h"
#include "cli/json_report.h"

namespace lpt::cli {

std::string ChecksumText(std::uint16_t checksum) {
  char text[5];
  std::snprintf(text, sizeof text, "%04X", checksum);
  return text;
}

void ReportChecksum(const GlobalOptions& options, const ActiveDevice& device,
                    const EditBuffers& buffers) {
  const std::uint16_t checksum = BuffersChecksum(device, buffers);
  json_report::SetChecksum(checksum);
  if (!options.quiet && !options.json) std::cerr << "Checksum " << ChecksumText(checksum) << "\n";
}

}  // namespace lpt::cli
