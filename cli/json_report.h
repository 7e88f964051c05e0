// SPDX-License-Identifier: GPL-2.0-or-later
// --json: a run prints exactly one JSON object on standard output, whatever
// the command and however it ends:
//   {"command": "program", "result": "failed", "exit_code": 1,
//    "message": "Error verify Program Memory!", "location": "...",
//    "checksum": "1A2B", "duration_ms": 210, "output": "..."}
// What the command would print on standard output goes into "output";
// standard error still gets every message, and "message" repeats them.
// "checksum" and "location" are null when the command has none. A batch
// adds its summary ("chips_passed", "chips_failed", "serials"); a file with
// words the part cannot hold adds "words_not_held" and "ranges_not_held".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lpt::cli::json_report {

// Switches the run to JSON output: standard output is kept for the object
// from now on. Call once, before the command line is parsed.
void Enable();
bool Enabled();

void SetCommand(const std::string& name);
void SetLocation(const std::string& location);
void SetChecksum(std::uint16_t checksum);
void SetBatch(int passed, int failed, const std::vector<std::string>& serials);
// A loaded file held words the part cannot hold: their count and word
// ranges ("words_not_held": 2048, "ranges_not_held": ["0800h-0FFFh"]).
void SetUnheldWords(std::uint32_t count, const std::vector<std::string>& ranges);

// Takes what a command writes to standard output; false when not enabled.
bool TakeOutput(const std::string& text);

// Prints the object for exit code `code`; returns the exit code of the run
// (2 when standard output could not be written).
int Finish(int code, double durationMs);

}  // namespace lpt::cli::json_report
