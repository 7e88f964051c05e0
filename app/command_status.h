// SPDX-License-Identifier: GPL-2.0-or-later
// The line at the foot of the window that says how the last device command
// ended. A success shows no box; this line is its sign, and it stays until
// the next command starts.
#pragma once

#include <QString>
#include <cstdint>

#include "hw/hooks.h"
#include "ops/program_summary.h"

namespace lpt::app {

struct CommandOutcome {
  QString command;  // as its menu item reads, without the access key
  CommandResult result = CommandResult::Ok;
  // What a program command wrote; null for the other commands.
  const ProgramSummary* summary = nullptr;
  std::uint64_t tookUs = 0;
  // The command's own remark on its result ("Every word read blank: ...").
  QString notice;
};

// "Program All: 8192 words, 256 bytes, configuration, ID — verified, 40.6 s",
// "Verify: Ok, 2.1 s", "Read: stopped by the user, 0.4 s"; a remark follows
// ("Blank Check: Ok, 0.3 s — Every word read blank: ...").
QString CommandStatusText(const CommandOutcome& outcome);

// The command as the result line names it, from its menu text ("&Read"):
// "Read" in English; a language may name the act where the menu has the
// verb ("Čtení", not "Číst").
QString ResultCaption(const char* menuText);

}  // namespace lpt::app
