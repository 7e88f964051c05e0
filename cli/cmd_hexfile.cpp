// dump and convert: a HEX file through the buffers of --device.
#include <iostream>
#include <memory>
#include <string>

#include "cli/buffer_dump.h"
#include "cli/cli_app.h"
#include "cli/cli_device.h"
#include "hexfile/hex_file.h"

namespace lpt::cli {
namespace {

// Loads `path` into freshly set-up buffers; prints why on standard error
// and returns false when the device, the ID or the file is bad.
bool LoadForCommand(const GlobalOptions& options, const std::string& path, ActiveDevice& device,
                    EditBuffers& buffers) {
  return SelectDeviceFromOptions(options, device, buffers) &&
         LoadHexForCommand(path, device, buffers);
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
      DumpBuffers(std::cout, device, buffers);
      return kExitOk;
    };
  });

  auto inFile = std::make_shared<std::string>();
  auto outFile = std::make_shared<std::string>();
  auto* convert = app.add_subcommand("convert", "load a HEX file and save it as INHX8M");
  convert->add_option("IN", *inFile, "Intel HEX file to read")->required();
  convert->add_option("OUT", *outFile, "Intel HEX file to write")->required();
  convert->callback([&action, inFile, outFile] {
    action = [inFile, outFile](const GlobalOptions& options) {
      ActiveDevice device;
      EditBuffers buffers;
      if (!LoadForCommand(options, *inFile, device, buffers)) return kExitUsage;
      std::string error;
      if (!SaveHexFile(*outFile, device, buffers, &error)) {
        std::cerr << error << "\n";
        return kExitUsage;
      }
      return kExitOk;
    };
  });
}

}  // namespace lpt::cli
