// SPDX-License-Identifier: GPL-2.0-or-later
// ReplaceFile on Windows: the same steps with the Win32 calls; the rename
// is MoveFileExW with write-through, so it is on the disk when it returns.
#ifdef _WIN32

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "fileio/replace_file_os.h"

namespace lpt::fileio {
namespace {

namespace fs = std::filesystem;

std::string Utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string Win32Reason(DWORD error) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string reason =
      length > 0 && text ? std::string(text, length) : "Windows error " + std::to_string(error);
  if (text) LocalFree(text);
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r')) reason.pop_back();
  return reason;
}

}  // namespace

bool CanCreateFileIn(const std::string& folder) {
  const fs::path probe =
      fs::u8path(folder.empty() ? "." : folder) / fs::u8path(TemporaryName("probe"));
  HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

bool ReplaceFileOnThisSystem(const std::string& path, std::string_view content, std::string& reason,
                             const ReplaceOptions& options) {
  std::error_code ec;
  fs::path target = fs::u8path(path);
  if (fs::is_symlink(target, ec)) {
    const fs::path link = fs::read_symlink(target, ec);
    if (!ec) target = link.is_absolute() ? link : target.parent_path() / link;
  }
  const DWORD attributes = GetFileAttributesW(target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && !fs::is_regular_file(target, ec)) {
    reason = "It is not a regular file (a device, FIFO or folder).";
    return false;
  }
  if (exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    reason = "The file is read-only.";
    return false;
  }
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  const std::string name = Utf8(target.filename());
  if (options.removeStaleTemporaries) {
    for (const auto& entry : fs::directory_iterator(folder, ec))
      if (IsTemporaryNameOf(name, Utf8(entry.path().filename()))) fs::remove(entry.path(), ec);
  }

  fs::path tempPath;
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
    tempPath = folder / fs::u8path(TemporaryName(name));
    file = CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
  }
  if (file == INVALID_HANDLE_VALUE) {
    reason = Win32Reason(GetLastError());
    return false;
  }
  bool ok = true;
  DWORD error = 0;
  while (ok && !content.empty()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1u << 20));
    ok = WriteFile(file, content.data(), chunk, &written, nullptr) && written > 0;
    if (!ok) error = GetLastError();
    content.remove_prefix(written);
  }
  if (ok && !FlushFileBuffers(file)) {
    ok = false;
    error = GetLastError();
  }
  CloseHandle(file);
  if (ok && !MoveFileExW(tempPath.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ok = false;
    error = GetLastError();
  }
  if (!ok) {
    DeleteFileW(tempPath.c_str());
    reason = Win32Reason(error);
  }
  return ok;
}

}  // namespace lpt::fileio

#endif  // _WIN32
