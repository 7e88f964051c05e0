// SPDX-License-Identifier: GPL-2.0-or-later
// adapters: every built-in and user wiring, each as the line adapters.conf
// would hold for it, with where it comes from and what to know about it.
#include <iostream>

#include "cli/cli_app.h"
#include "cli/cli_session.h"
#include "hw/adapter_file.h"

namespace lpt::cli {

void AddAdaptersCommand(CLI::App& app, Action& action) {
  auto* adapters =
      app.add_subcommand("adapters", "list every built-in and user adapter wiring with its source");
  adapters->callback([&action] {
    action = [](const GlobalOptions& options) {
      std::vector<Adapter> user;
      if (!LoadUserAdapters(options, &user)) return kExitUsage;
      for (const std::vector<Adapter>* list :
           {&BuiltInAdapters(), static_cast<const std::vector<Adapter>*>(&user)}) {
        for (const Adapter& a : *list) {
          std::cout << AdapterLine(a) << "\n  source: " << a.source << '\n';
          if (!a.notes.empty()) std::cout << "  note: " << a.notes << '\n';
        }
      }
      std::cout.flush();
      if (std::cout) return kExitOk;
      std::cerr << "Cannot write to standard output.\n";
      return kExitUsage;
    };
  });
}

}  // namespace lpt::cli
