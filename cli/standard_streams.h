// SPDX-License-Identifier: GPL-2.0-or-later
// lptpic-cli's standard streams, made safe before any command runs and
// checked after: no file the program opens can land on a closed standard
// descriptor, nothing a file or an argument holds can drive the terminal,
// standard input is read so that Ctrl+C still ends the wait, and output
// that could not be written is an error, never a silent success.
#pragma once

#include <string>

namespace lpt::cli {

// Run first in main: puts a placeholder on a closed standard descriptor
// (writes to it then fail as they would on the closed one), lets a
// file-size limit fail writes instead of killing the program (SIGXFSZ),
// and escapes control characters written through std::cout and std::cerr.
void PrepareStandardStreams();

// Reads all of standard input (at most the input limit). Returns false with
// *reason on a read error or an input too large, and false with *stopped
// set when Ctrl+C or SIGTERM came while it waited.
bool ReadStandardInput(std::string* content, std::string* reason, bool* stopped);

// Waits for one line on standard input (the operator's Enter). False at
// the end of the input, on a read error, or with *stopped set when Ctrl+C
// or SIGTERM came while it waited.
bool ReadStandardInputLine(bool* stopped);

// Writes `text` to standard output and flushes it; false with the system's
// message on standard error ("Cannot write to standard output: ...").
bool WriteStandardOutput(const std::string& text);

// Flushes whatever else went to standard output: the exit code of a run
// whose output was lost becomes 2, with the system's message.
int CheckStandardOutput(int code);

}  // namespace lpt::cli
