// SPDX-License-Identifier: GPL-2.0-or-later
// dump, checksum and convert: a HEX file through the buffers of --device.
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "buffers/checksum.h"
#include "cli/buffer_dump.h"
#include "cli/checksum_report.h"
#include "cli/cli_app.h"
#include "cli/cli_device.h"
#include "cli/file_words_report.h"
#include "cli/json_report.h"
#include "cli/standard_streams.h"
#include "hexfile/hex_file.h"

namespace lpt::cli {
namespace {

// Loads `path` into freshly set-up buffers; prints why on standard error
// and returns false when the device, the ID or the file is bad.
bool LoadForCommand(const GlobalOptions& options, const std::string& path, ActiveDevice& device,
                    EditBuffers& buffers, bool whole = false) {
  return SelectDeviceFromOptions(options, device, buffers) &&
         LoadHexForCommand(path, device, buffers, whole);
}

struct ConvertFiles {
  std::string in, out;
  bool allowTruncated = false;
};

// A file without its end record may be cut off: converted, it would come
// out complete, with an end record of its own, and pass for whole.
int Convert(const GlobalOptions& options, const ConvertFiles& files) {
  ActiveDevice device;
  EditBuffers buffers;
  if (!SelectDeviceFromOptions(options, device, buffers)) return kExitUsage;
  const HexLoadResult result = LoadHexFile(files.in, device, buffers);
  if (result.status != HexLoadResult::Status::Ok) {
    std::cerr << result.message << "\n";
    if (!result.detail.empty()) std::cerr << result.detail << "\n";
    return kExitUsage;
  }
  if (!result.endRecordSeen) {
    std::cerr << IncompleteHexWarning(files.in, result) << "\n";
    if (!files.allowTruncated) {
      std::cerr << "Nothing written: give --allow-truncated to convert it all the same.\n";
      return kExitUsage;
    }
  }
  TellFileWords(files.in, device, buffers, result, options, UnheldWords::Warn, false);
  std::string error;
  if (!SaveHexOutput(files.out, device, buffers, &error)) {
    std::cerr << error << "\n";
    return kExitUsage;
  }
  return kExitOk;
}

}  // namespace

void AddHexFileCommands(CLI::App& app, Action& action) {
  // The file names live as long as the parsed command line.
  auto dumpFile = std::make_shared<std::string>();
  auto* dump = app.add_subcommand("dump", "load a HEX file into the buffers and print them");
  dump->add_option("FILE", *dumpFile, "Intel HEX file (INHX8M or INHX32)")->required();
  dump->callback([&action, dumpFile] {
    action = [dumpFile](const GlobalOptions& options) {
      ActiveDevice device;
      EditBuffers buffers;
      if (!LoadForCommand(options, *dumpFile, device, buffers)) return kExitUsage;
      std::ostringstream text;
      DumpBuffers(text, device, buffers);
      return WriteStandardOutput(text.str()) ? kExitOk : kExitUsage;
    };
  });

  auto sumFile = std::make_shared<std::string>();
  auto* checksum = app.add_subcommand(
      "checksum", "the makers' checksum of a HEX file loaded for --device (four hex digits)");
  checksum->add_option("FILE", *sumFile, "Intel HEX file (INHX8M or INHX32)")->required();
  checksum->callback([&action, sumFile] {
    action = [sumFile](const GlobalOptions& options) {
      ActiveDevice device;
      EditBuffers buffers;
      // The sum of an empty or cut-off file would pass for the image's.
      if (!LoadForCommand(options, *sumFile, device, buffers, true)) return kExitUsage;
      const std::uint16_t sum = BuffersChecksum(device, buffers);
      json_report::SetChecksum(sum);
      return WriteStandardOutput(ChecksumText(sum) + "\n") ? kExitOk : kExitUsage;
    };
  });

  auto files = std::make_shared<ConvertFiles>();
  auto* convert = app.add_subcommand("convert", "load a HEX file and save it as INHX8M");
  convert->add_option("IN", files->in, "Intel HEX file to read")->required();
  convert->add_option("OUT", files->out, "Intel HEX file to write")->required();
  convert->add_flag("--allow-truncated", files->allowTruncated,
                    "convert a file without its end-of-file record (it may be cut off)");
  convert->callback([&action, files] {
    action = [files](const GlobalOptions& options) { return Convert(options, *files); };
  });
}

}  // namespace lpt::cli
