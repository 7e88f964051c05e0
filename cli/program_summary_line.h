// SPDX-License-Identifier: GPL-2.0-or-later
// The line lptpic-cli prints on standard output at the end of Program All:
//   Programmed 16F877A: 5 program words, 0 data bytes, configuration 3F71,
//   ID FFFF; verified; 0.21 s
// (one line). The configuration and the ID are left out when their passes
// did not run; "not verified" stands in when the command did not end well.
#pragma once

#include <string>

#include "ops/program_summary.h"

namespace lpt::cli {

std::string ProgramSummaryLine(const ProgramSummary& summary);

}  // namespace lpt::cli
