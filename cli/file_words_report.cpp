// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/file_words_report.h"

#include <iostream>

#include "cli/json_report.h"

namespace lpt::cli {

int TellFileWords(const std::string& path, const ActiveDevice& device, EditBuffers& buffers,
                  const HexLoadResult& result, const GlobalOptions& options, UnheldWords unheld,
                  bool idIsWritten) {
  const FileWords& words = result.fileWords;
  if (words.unheldCount > 0) {
    std::cerr << UnheldWordsWarning(path, device, words) << "\n";
    json_report::SetUnheldWords(words.unheldCount, UnheldRangeTexts(words));
    if (unheld == UnheldWords::Refuse) {
      std::cerr << "Nothing written: give --allow-truncated to program what the " << device.name
                << " holds.\n";
      return kExitUsage;
    }
  }
  const std::optional<std::string> fileId = FileIdDigits(words);
  if (options.idFromFile) {
    if (!fileId) {
      std::cerr << "The file holds no user ID: --id-from-file has nothing to take.\n";
      return kExitUsage;
    }
    buffers.SetIdDigits(*fileId);
  } else if (fileId && idIsWritten) {
    std::cerr << "The file's user ID " << *fileId
              << " was not written; use --id-from-file to write it\n";
  }
  return kExitOk;
}

}  // namespace lpt::cli
