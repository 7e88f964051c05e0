// SPDX-License-Identifier: GPL-2.0-or-later
// Text that came from a file, a file name or the command line, made safe
// to put into a message: a control character (ESC, BEL, NUL, a line break)
// could otherwise drive the terminal, hide the rest of the message or fake
// a line of its own.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lpt::fileio {

// `text` with every control character (00h-1Fh, 7Fh) written as \xNN.
std::string Shown(std::string_view text);

// Shown, cut after `maxChars` characters of the text with "..." added: for
// quoting a line of a file, which may be megabytes long.
std::string ShownShort(std::string_view text, std::size_t maxChars = 80);

}  // namespace lpt::fileio
