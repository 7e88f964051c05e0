// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzzes the HEX reader with any bytes as a file. The reader must never
// crash or read outside a line, and whatever it puts into the buffers must
// survive the writer and read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "devices/active_device.h"
#include "devices/catalogue.h"
#include "devices/family.h"
#include "hexfile/hex_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lpt;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  // A first byte other than ':' chooses the device, so every family's
  // mapping gets its share; a plain HEX file is read for the 16F84.
  static const auto names = CatalogueNames();
  std::string_view name = "16F84";
  if (!text.empty() && text.front() != ':') {
    name = names[static_cast<unsigned char>(text.front()) % names.size()];
    text.remove_prefix(1);
  }
  // Kept between runs: the load sizes and blanks them itself.
  static ActiveDevice device;
  static EditBuffers buffers, back;
  SelectDevice(device, name);
  buffers.FuseWord = back.FuseWord = 0x3FFF;
  const HexLoadResult loaded = LoadHexText(text, device, buffers);
  const bool lineError = loaded.status == HexLoadResult::Status::ChecksumError ||
                         loaded.status == HexLoadResult::Status::BadRecord;
  if (lineError && loaded.line < 1) std::abort();

  // Round trip: the writer's records always pass the reader's checksum and
  // put every cell back (a 12-bit FuseWord loses its top digit in files).
  if (LoadHexText(FormatHex(device, buffers), device, back).status != HexLoadResult::Status::Ok)
    std::abort();
  for (int a = 0; a < 8 * device.programRows; ++a)
    if (back.ProgramWord(a) != buffers.ProgramWord(a)) std::abort();
  for (int a = 0; a < 8 * device.dataRows; ++a)
    if (back.DataByte(a) != buffers.DataByte(a)) std::abort();
  const std::uint16_t fuseMask = IsWord12Family(device.family) ? 0x0FFF : 0xFFFF;
  if ((back.FuseWord & fuseMask) != (buffers.FuseWord & fuseMask)) std::abort();
  return 0;
}
