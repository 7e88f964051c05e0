// SPDX-License-Identifier: GPL-2.0-or-later
// The buffers as text, exactly as the grids hold them: the output of
// `dump`, and of `read` without a file.
#pragma once

#include <ostream>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"

namespace lpt::cli {

// "device NAME", "fuses XXXX", "id XXXX", "program", every program row
// (address label and eight cells, single spaces), "data", every data row
// (none for a device without data EEPROM).
void DumpBuffers(std::ostream& out, const ActiveDevice& device, const EditBuffers& buffers);

}  // namespace lpt::cli
