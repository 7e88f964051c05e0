// lptpic-cli devices: the catalogue, one TAB-separated line per name in
// table order: name, family number, program words, data bytes,
// configuration mask (four upper-case hex digits), fuse layout number,
// information page.
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
                         "configuration mask, fuse layout, information page");
  cmd->callback([&action] {
    action = [](const GlobalOptions&) {
      std::ostringstream text;
      for (const CatalogueRow& row : CatalogueRows())
        for (std::string_view name : row.names)
          text << name << '\t' << row.family << '\t' << row.programRows * 8 << '\t'
               << row.dataRows * 8 << '\t' << ToHex(row.configMask, 4) << '\t'
               << FuseLayoutNumber(row.layout) << '\t' << row.infoPage << '\n';
      return WriteStandardOutput(text.str()) ? kExitOk : kExitUsage;
    };
  });
}

}  // namespace lpt::cli
