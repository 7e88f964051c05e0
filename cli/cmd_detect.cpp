// SPDX-License-Identifier: GPL-2.0-or-later
// detect: which part sits in the socket, by its device ID; with --select it
// becomes the chosen part, as the window's "Select it" makes it.
#include <iostream>
#include <memory>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "ops/device_id.h"
#include "settings/settings_file.h"

namespace lpt::cli {
namespace {

// path.dat's device line, the rest of the file as it was: the part the
// window opens with. False with the reason in *error.
bool SaveChosenPart(const std::string& name, std::string* error) {
  const app::SettingsLocation location(app::ProgramFolder(), app::UserSettingsFolder());
  app::Settings settings = app::ReadSettingsFile(location.PathToRead(), location.ExeDir());
  settings.deviceName = name;
  return location.Write(settings, error);
}

}  // namespace

void AddDetectCommand(CLI::App& app, Action& action) {
  auto* detect = app.add_subcommand(
      "detect", "read the chip's device ID and name the part and its silicon revision");
  auto select = std::make_shared<bool>(false);
  detect->add_flag("--select", *select,
                   "make the part found the chosen one (path.dat, as the window's Select it)");
  detect->callback([&action, select] {
    action = [select](const GlobalOptions& options) {
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
      if (*select && code == kExitOk) {
        std::string error;
        if (!SaveChosenPart(std::string(found.chip.record->name), &error)) {
          std::cerr << "The chosen part could not be saved: " << error << "\n";
          return kExitUsage;
        }
      }
      return code;
    };
  });
}

}  // namespace lpt::cli
