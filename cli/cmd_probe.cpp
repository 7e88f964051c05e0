// SPDX-License-Identifier: GPL-2.0-or-later
// probe: the adapter presence test on its own.
#include <iostream>

#include "cli/cli_app.h"
#include "cli/cli_session.h"

namespace lpt::cli {

void AddProbeCommand(CLI::App& app, Action& action) {
  auto* probe = app.add_subcommand("probe", "run the adapter presence test");
  probe->callback([&action] {
    action = [](const GlobalOptions& options) {
      int code = kExitOk;
      auto session = CliSession::Open(options, &code);
      if (!session) return code;
      // A failure is told through the session's hooks, with the port's reason.
      const bool found = session->protocol().AdapterPresent();
      // Nothing follows the presence test: switch the chip off now, so the
      // trace shows it before the file is checked.
      session->protocol().Idle();
      code = session->Finish(found ? kExitOk : kExitNoDevice, options.trace);
      if (code == kExitOk) std::cout << "Device found.\n";
      return code;
    };
  });
}

}  // namespace lpt::cli
