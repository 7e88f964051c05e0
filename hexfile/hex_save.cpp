// File > Save without the dialog. The three writing steps go into a new file
// beside the target; only when all of them succeeded does it replace the
// target, so a failing write (full disk, read-only folder) never leaves a
// truncated file and never destroys the file that was there.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include "hexfile/hex_file.h"
#include "hexfile/hex_writer.h"

namespace lpt {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr const char* kCreateNew = "wb";  // the C runtime knows no "x"; the name was free just now
#else
constexpr const char* kCreateNew = "wbx";  // fails instead of reusing a file made meanwhile
#endif

std::string SystemMessage(const std::string& path, const std::string& reason) {
  return "Cannot create file \"" + path + "\". " + reason;
}

std::string ErrnoText(int error) { return std::strerror(error != 0 ? error : EIO); }

// Creates a file that did not exist, in the folder of `target`.
std::FILE* CreateTempBeside(const std::string& target, std::string& tempPath, int& error) {
  std::random_device seed;
  std::mt19937 random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = target + ".tmp" + std::to_string(random() % 1000000);
    if (fs::exists(tempPath)) continue;
    errno = 0;
    if (std::FILE* file = std::fopen(tempPath.c_str(), kCreateNew)) return file;
    error = errno;
    if (error != EEXIST) return nullptr;
  }
  return nullptr;
}

bool WriteAll(std::FILE* file, const std::string& text, int& error) {
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), file) == text.size()) return true;
  error = errno != 0 ? errno : EIO;
  return false;
}

}  // namespace

bool SaveHexFile(const std::string& path, const ActiveDevice& device, const EditBuffers& buffers,
                 std::string* error) {
  std::string tempPath;
  int code = 0;
  std::FILE* file = CreateTempBeside(path, tempPath, code);
  if (file == nullptr) {
    if (error) *error = SystemMessage(path, ErrnoText(code));
    return false;
  }
  // The three steps in their order; the first failure stops the rest.
  std::string program, fuses, data;
  WriteProgramRecords(device.family, buffers, program);
  WriteConfigRecords(device.family, buffers, fuses);
  WriteDataRecords(device.family, buffers, data);
  bool ok =
      WriteAll(file, program, code) && WriteAll(file, fuses, code) && WriteAll(file, data, code);
  errno = 0;
  if (std::fflush(file) != 0 && ok) {
    ok = false;
    code = errno;
  }
  errno = 0;
  if (std::fclose(file) != 0 && ok) {
    ok = false;
    code = errno;
  }
  std::string reason = ok ? std::string() : ErrnoText(code);
  std::error_code ec;
  if (ok) {
    // A replaced file keeps its permissions.
    const fs::file_status old = fs::status(path, ec);
    if (!ec && fs::exists(old)) fs::permissions(tempPath, old.permissions(), ec);
    fs::rename(tempPath, path, ec);
    if (ec) {
      ok = false;
      reason = ec.message();
    }
  }
  if (!ok) {
    fs::remove(tempPath, ec);
    if (error) *error = SystemMessage(path, reason);
  }
  return ok;
}

}  // namespace lpt
