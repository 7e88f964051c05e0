// File > Open without the dialog: blank the grids, then decode the file line
// by line until the end record.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "hexfile/hex_file.h"
#include "hexfile/hex_record.h"

namespace lpt {

HexLoadResult LoadHexText(std::string_view text, const ActiveDevice& device, EditBuffers& buffers) {
  HexLoadResult result;
  // Resize is a no-op for buffers already set up for the device; it keeps a
  // mismatched pair from indexing outside the grids.
  buffers.Resize(device);
  buffers.SetUpBuffers(device);
  int lineNumber = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    // Both CR LF and LF files are read; the CR is not part of the record.
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // An empty line carries no record (a blank line at the end of a file
    // written by hand is common); it still counts for the line numbers.
    if (line.empty()) continue;
    if (!RecordFitsLine(line) || !CheckSum(line)) {
      result.status = HexLoadResult::Status::ChecksumError;
      result.line = lineNumber;
      result.message = "Error CheckSum on line " + std::to_string(lineNumber) + " !";
      return result;
    }
    if (!ApplyHexRecord(line, device, buffers, &result.fuseWordLoaded)) break;
  }
  return result;
}

HexLoadResult LoadHexFile(const std::string& path, const ActiveDevice& device,
                          EditBuffers& buffers) {
  // The whole file is read before the buffers are touched: a file that
  // cannot be opened or read (a folder, no permission) leaves them as they
  // were.
  std::string content;
  int error = 0;
  errno = 0;
  if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
    char chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) content.append(chunk, got);
    if (std::ferror(file)) error = errno != 0 ? errno : EIO;
    std::fclose(file);
  } else {
    error = errno != 0 ? errno : ENOENT;
  }
  if (error != 0) {
    HexLoadResult result;
    result.status = HexLoadResult::Status::FileError;
    result.message = "Cannot open file \"" + path + "\". " + std::strerror(error);
    return result;
  }
  return LoadHexText(content, device, buffers);
}

}  // namespace lpt
