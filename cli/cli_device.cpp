// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/cli_device.h"

#include <algorithm>
#include <cctype>
#include <iostream>

#include "cli/standard_streams.h"
#include "devices/catalogue.h"
#include "fileio/bounded_read.h"
#include "fileio/shown_text.h"
#include "hexfile/hex_file.h"

namespace lpt::cli {
namespace {

std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      const bool same = std::toupper(static_cast<unsigned char>(a[i - 1])) ==
                        std::toupper(static_cast<unsigned char>(b[j - 1]));
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

bool IsUpperHex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

}  // namespace

std::vector<std::string_view> NearestDeviceNames(std::string_view name, std::size_t count) {
  std::vector<std::string_view> names = CatalogueNames();
  std::stable_sort(names.begin(), names.end(), [name](std::string_view x, std::string_view y) {
    return EditDistance(name, x) < EditDistance(name, y);
  });
  names.resize(std::min(count, names.size()));
  return names;
}

bool SelectDeviceFromOptions(const GlobalOptions& options, ActiveDevice& device,
                             EditBuffers& buffers) {
  const DeviceRecord* record = FindDeviceAsTyped(options.device);
  if (record == nullptr) {
    std::cerr << "Unknown device \"" << fileio::Shown(options.device)
              << "\". Nearest catalogue names:";
    for (std::string_view n : NearestDeviceNames(options.device, 5)) std::cerr << ' ' << n;
    std::cerr << "\n";
    return false;
  }
  std::string id = options.id;
  std::transform(id.begin(), id.end(), id.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  if (id.empty() || id.size() > 4 || !std::all_of(id.begin(), id.end(), IsUpperHex)) {
    std::cerr << "Bad --id \"" << fileio::Shown(options.id) << "\": give 1 to 4 hex digits.\n";
    return false;
  }
  SetUpDevice(device, buffers, record->name);
  buffers.SetIdDigits(std::string(4 - id.size(), 'F') + id);
  return true;
}

bool LoadHexForCommand(const std::string& path, const ActiveDevice& device, EditBuffers& buffers,
                       bool whole) {
  const HexLoadResult result = LoadHexFile(path, device, buffers);
  const bool ok = result.status == HexLoadResult::Status::Ok;
  const std::string incomplete = whole && ok ? IncompleteHexWarning(path, result) : "";
  if (ok && incomplete.empty()) {
    if (const std::string unheld = UnheldWordsWarning(path, device, result.fileWords);
        !unheld.empty())
      std::cerr << unheld << "\n";
    return true;
  }
  if (!incomplete.empty()) {
    std::cerr << incomplete << "\n";
    return false;
  }
  std::cerr << result.message << "\n";
  if (!result.detail.empty()) std::cerr << result.detail << "\n";
  return false;
}

bool SaveHexOutput(const std::string& path, const ActiveDevice& device, const EditBuffers& buffers,
                   std::string* error) {
  if (path != fileio::kStandardStream) return SaveHexFile(path, device, buffers, error);
  if (WriteStandardOutput(FormatHex(device, buffers))) return true;
  *error = "Nothing written to standard output.";
  return false;
}

}  // namespace lpt::cli
