// File > Save without the dialog. The three writing steps make the whole
// text first; it then replaces the target in one step, so a failing write
// (full disk, read-only folder) never leaves a truncated file and never
// destroys the file that was there.
#include <cstdio>

#include "fileio/bounded_read.h"
#include "fileio/replace_file.h"
#include "hexfile/hex_file.h"
#include "hexfile/hex_writer.h"

namespace lpt {

bool SaveHexFile(const std::string& path, const ActiveDevice& device, const EditBuffers& buffers,
                 std::string* error) {
  const std::string text = FormatHex(device, buffers);
  std::string reason;
  if (path == fileio::kStandardStream) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0)
      return true;
    reason = "Standard output cannot be written.";
  } else if (fileio::ReplaceFile(path, text, &reason)) {
    return true;
  }
  if (error) *error = "Cannot create file \"" + path + "\". " + reason;
  return false;
}

std::string IncompleteHexWarning(const std::string& path, const HexLoadResult& result) {
  if (result.status != HexLoadResult::Status::Ok) return {};
  if (!result.endRecordSeen) return path + " has no end-of-file record: it may be cut off";
  if (result.dataRecords == 0) return path + " has no data records";
  return {};
}

}  // namespace lpt
