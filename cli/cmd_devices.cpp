#include <iostream>

#include "cli/cli_app.h"
#include "devices/catalogue.h"

namespace lpt::cli {

void AddDevicesCommand(CLI::App& app, Action& action) {
  auto* cmd = app.add_subcommand("devices", "list the device catalogue");
  cmd->callback([&action] {
    action = [](const GlobalOptions&) {
      for (auto name : CatalogueNames()) std::cout << name << "\n";
      return kExitOk;
    };
  });
}

}  // namespace lpt::cli
