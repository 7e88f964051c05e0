// Intel HEX files in and out of the edit buffers: INHX8M and INHX32 read,
// INHX8M written. The user ID is never part of a file.
#pragma once

#include <string>
#include <string_view>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"
#include "hexfile/hex_record.h"  // CheckSum, ApplyHexRecord: one line at a time
#include "hexfile/hex_writer.h"  // WriteProgramRecords, WriteConfigRecords, WriteDataRecords

namespace lpt {

struct HexLoadResult {
  enum class Status { Ok, ChecksumError, FileError };
  Status status = Status::Ok;
  int line = 0;         // ChecksumError: 1-based line number
  std::string message;  // the text to show: "Error CheckSum on line N !" or the system message
  bool fuseWordLoaded = false;  // a configuration record set FuseWord
};

// File > Open without the dialog: SetUpBuffers, then decode line by line
// until the end record. Buffers filled before an error stay filled.
HexLoadResult LoadHexText(std::string_view text, const ActiveDevice& device, EditBuffers& buffers);
HexLoadResult LoadHexFile(const std::string& path, const ActiveDevice& device,
                          EditBuffers& buffers);

// The whole INHX8M text the writer produces for the buffers.
std::string FormatHex(const ActiveDevice& device, const EditBuffers& buffers);

// File > Save without the dialog. The target is replaced only when
// the whole file was written; false with *error (the system message) else.
bool SaveHexFile(const std::string& path, const ActiveDevice& device, const EditBuffers& buffers,
                 std::string* error);

}  // namespace lpt
