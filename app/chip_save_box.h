// SPDX-License-Identifier: GPL-2.0-or-later
// The GUI's side of saving a simulated chip: the save is an explicit step
// (when the port is closed or replaced), and a save that fails is shown,
// never dropped.
#pragma once

#include <string>

#include "hexfile/hex_file.h"
#include "hw/port.h"

class QWidget;

namespace lpt::app {

// Saves the chip of a `sim:FILE` port; a failure is shown in a message box
// with the file and the reason. Nothing happens for other ports.
void SaveSimulatedChipOrTell(QWidget* parent, Port* port);

// After File > Open: a file with no data records or no end-of-file record
// is loaded as before, with a warning saying so.
void WarnIfIncompleteHex(QWidget* parent, const std::string& path, const HexLoadResult& result);

}  // namespace lpt::app
