// SPDX-License-Identifier: GPL-2.0-or-later
// How to connect a part to the programmer, in words: where it sits in the
// socket, or which of its pins an ICSP cable joins to the adapter's lines.
// The device dialog shows it for a part that does not sit in the socket as
// drawn; `lptpic-cli devices --long` prints it for every part.
#pragma once

#include <string>
#include <vector>

#include "devices/catalogue.h"

namespace lpt {

// One sentence per line: the package and where it sits, or that it is
// wired; then the pins an ICSP cable takes (the socket's own for a part
// that sits in it, the record's for one that is cabled) where they are known.
std::vector<std::string> ConnectionHelp(const DeviceRecord& record);

}  // namespace lpt
