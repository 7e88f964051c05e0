// SPDX-License-Identifier: GPL-2.0-or-later
// lptpic-cli devices: the catalogue, one TAB-separated line per name in
// table order: name, family number, program words, data bytes,
// configuration mask (four upper-case hex digits; a second word's mask after
// a "/"), fuse layout number, information page number, and how far the part
// has been tested ("simulator" or "silicon").
#include <sstream>

#include "buffers/hex_text.h"
#include "cli/cli_app.h"
#include "cli/standard_streams.h"
#include "devices/catalogue.h"

namespace lpt::cli {

void AddDevicesCommand(CLI::App& app, Action& action) {
  auto* cmd =
      app.add_subcommand("devices",
                         "list the device catalogue: name, family, program words, data bytes, "
                         "configuration mask, fuse layout, information page, tested");
  cmd->callback([&action] {
    action = [](const GlobalOptions&) {
      std::ostringstream text;
      for (const DeviceRecord& r : AllDevices()) {
        text << r.name << '\t' << r.family << '\t' << r.programWords << '\t' << r.dataBytes << '\t'
             << ToHex(r.configMasks[0], 4);
        if (r.configMasks[1] != 0) text << '/' << ToHex(r.configMasks[1], 4);
        text << '\t' << FuseLayoutNumber(r.fuseLayout) << '\t' << InfoPageNumber(r.infoPage) << '\t'
             << (r.tested == Tested::RealSilicon ? "silicon" : "simulator") << '\n';
      }
      return WriteStandardOutput(text.str()) ? kExitOk : kExitUsage;
    };
  });
}

}  // namespace lpt::cli
