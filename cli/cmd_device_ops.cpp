#include "cli/cli_app.h"

namespace lpt::cli {

// Filled in with its command.
void AddDeviceOpCommands(CLI::App& app, Action& action) {
  (void)app;
  (void)action;
}

}  // namespace lpt::cli
