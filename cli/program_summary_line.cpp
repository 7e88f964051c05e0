// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/program_summary_line.h"

#include <cstdio>

#include "buffers/hex_text.h"

namespace lpt::cli {
namespace {

std::string Count(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string ProgramSummaryLine(const ProgramSummary& summary) {
  std::string line = "Programmed " + summary.device + ": " +
                     Count(summary.programWords, "program word", "program words") + ", " +
                     Count(summary.dataBytes, "data byte", "data bytes");
  if (summary.configuration) line += ", configuration " + ToHex(*summary.configuration, 4);
  if (summary.secondConfiguration) line += " " + ToHex(*summary.secondConfiguration, 4);
  if (summary.id) line += ", ID " + *summary.id;
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.2f s", static_cast<double>(summary.tookUs) / 1e6);
  return line + (summary.verified ? "; verified; " : "; not verified; ") + seconds;
}

}  // namespace lpt::cli
