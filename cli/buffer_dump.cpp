// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/buffer_dump.h"

#include <algorithm>

#include "buffers/hex_text.h"

namespace lpt::cli {

void DumpBuffers(std::ostream& out, const ActiveDevice& device, const EditBuffers& buffers) {
  out << "device " << device.name << "\n";
  out << "fuses " << ToHex(buffers.FuseWord, 4);
  if (device.secondConfigMask != 0) out << ' ' << ToHex(buffers.SecondFuseWord, 4);
  out << "\n";
  out << "id " << buffers.IdDigits() << "\n";
  out << "program\n";
  const int programRows = std::min(device.programRows, buffers.ProgramRows());
  for (int r = 0; r < programRows; ++r) {
    out << EditBuffers::ProgramAddressLabel(r);
    for (int j = 1; j <= 8; ++j) out << ' ' << buffers.ProgramCell(r, j);
    out << "\n";
  }
  out << "data\n";
  const int dataRows = std::min(device.dataRows, buffers.DataGridRows());
  for (int r = 0; r < dataRows; ++r) {
    out << EditBuffers::DataAddressLabel(r);
    for (int j = 1; j <= 8; ++j) out << ' ' << buffers.DataCell(r, j);
    out << "\n";
  }
}

}  // namespace lpt::cli
