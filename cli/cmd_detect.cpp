// SPDX-License-Identifier: GPL-2.0-or-later
// detect: which part sits in the socket, by its device ID.
#include <iostream>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "ops/device_id.h"

namespace lpt::cli {

void AddDetectCommand(CLI::App& app, Action& action) {
  auto* detect = app.add_subcommand(
      "detect", "read the chip's device ID and name the part and its silicon revision");
  detect->callback([&action] {
    action = [](const GlobalOptions& options) {
      int code = kExitOk;
      auto session = CliSession::Open(options, &code);
      if (!session) return code;
      Detection found;
      OpContext ctx = session->Context();
      const CommandResult result = DetectChip(ctx, &found);
      code = ExitCodeFor(result);
      if (result == CommandResult::Ok && found.outcome != Detection::Outcome::Found)
        code = kExitFailed;
      code = session->Finish(code, options.trace);
      if (result != CommandResult::Ok) return code;
      // A part is the command's output; that none answers is its failure.
      (found.outcome == Detection::Outcome::Found ? std::cout : std::cerr)
          << DetectionText(found) << "\n";
      return code;
    };
  });
}

}  // namespace lpt::cli
