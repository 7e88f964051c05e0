// SPDX-License-Identifier: GPL-2.0-or-later
// The option and command sections of lptpic-cli(1), written from the
// parser itself, so the manual page names exactly what the program takes.
// The build runs `lptpic-cli --manual-page` and places the sections into
// packaging/linux/lptpic-cli.1.in, which holds the prose around them.
#pragma once

#include <CLI/CLI.hpp>
#include <ostream>
#include <string>

namespace lpt::cli {

// The hidden option that prints the sections; never part of them.
inline constexpr const char* kManualPageOption = "--manual-page";

// "GLOBAL OPTIONS" (the options of `app`) and "COMMANDS" (each visible
// sub-command with its arguments and options), in groff man macros.
void WriteManualSections(const CLI::App& app, std::ostream& out);

// Text made safe for a groff line: backslashes and hyphens escaped, a
// leading dot or quote neutralised.
std::string RoffText(const std::string& text);

}  // namespace lpt::cli
