// SPDX-License-Identifier: GPL-2.0-or-later
// The manual page's option and command sections come from the parser
// (lptpic-cli --manual-page): checked against CLI11's own --help of the
// program and of every command, both ways, and for lines groff would take
// as requests.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "support/cli_run.h"

namespace {

using lpt::testing_files::CliRun;
using lpt::testing_files::RunCliIn;
using lpt::testing_files::ScratchDir;

// "--port", "-q": option names where --help lists them (the start of an
// indented line, or after a comma there).
std::set<std::string> HelpOptions(const std::string& help) {
  std::set<std::string> names;
  std::istringstream lines(help);
  static const std::regex name(R"((?:^\s+|,\s*)(--?[A-Za-z][A-Za-z0-9-]*))");
  for (std::string line; std::getline(lines, line);)
    for (std::sregex_iterator m(line.begin(), line.end(), name), end; m != end; ++m)
      names.insert((*m)[1]);
  return names;
}

// The command names of --help's "Subcommands:" list.
std::set<std::string> HelpCommands(const std::string& help) {
  std::set<std::string> names;
  const std::size_t start = help.find("Subcommands:");
  if (start == std::string::npos) return names;
  std::istringstream lines(help.substr(start));
  static const std::regex command(R"(^\s+([a-z][a-z0-9-]*)\b)");
  std::smatch m;
  for (std::string line; std::getline(lines, line);)
    if (std::regex_search(line, m, command)) names.insert(m[1]);
  return names;
}

// A value's choices: "\fBdata\fR|\fBfuses\fR".
const std::regex kChoices(R"((\\fB[^\\]*\\fR\|)+\\fB[^\\]*\\fR)");

// Bold words of the page but a value's choices: "\fB\-\-port\fR" -> "--port".
std::set<std::string> PageBold(const std::string& text) {
  std::set<std::string> words;
  static const std::regex bold(R"(\\fB([^\\]*(?:\\-[^\\]*)*)\\fR)");
  const std::string page = std::regex_replace(text, kChoices, "");
  for (std::sregex_iterator m(page.begin(), page.end(), bold), end; m != end; ++m)
    words.insert(std::regex_replace(std::string((*m)[1]), std::regex(R"(\\-)"), "-"));
  return words;
}

TEST(ManualPageCli, NamesEveryCommandAndOptionTheParserKnowsAndNoOther) {
  const ScratchDir run("lptpic_manual_page_");
  const CliRun page = RunCliIn(run.path, "--manual-page");
  ASSERT_EQ(page.code, 0) << page.err;
  const CliRun help = RunCliIn(run.path, "--help");
  ASSERT_EQ(help.code, 0) << help.err;

  const std::set<std::string> commands = HelpCommands(help.out);
  ASSERT_GE(commands.size(), 10u) << help.out;
  std::set<std::string> expected = HelpOptions(help.out.substr(0, help.out.find("Subcommands:")));
  expected.insert(commands.begin(), commands.end());
  for (const std::string& command : commands) {
    const CliRun own = RunCliIn(run.path, command + " --help");
    ASSERT_EQ(own.code, 0) << command << ": " << own.err;
    for (const std::string& option : HelpOptions(own.out)) expected.insert(option);
  }
  EXPECT_EQ(PageBold(page.out), expected) << page.out;
}

// Values as a manual page shows them, not the parser's type strings.
TEST(ManualPageCli, ValuesAreNamedOrListed) {
  const ScratchDir run("lptpic_manual_page_values_");
  const std::string page = RunCliIn(run.path, "--manual-page").out;
  for (const char* parserText : {" in [", ":{", "TEXT"})
    EXPECT_EQ(page.find(parserText), std::string::npos) << parserText;
  for (const char* shown : {"\\fB\\-\\-only\\fR \\fBdata\\fR|\\fBfuses\\fR\n",
                            "\\fB\\-\\-count\\fR \\fIN\\fR\n", "\\fIN\\fR is 1 to 1000000.",
                            "\\fISTART[:STEP]\\fR", "\\fB\\-\\-clock\\fR \\fB0\\fR|\\fB1\\fR\n"})
    EXPECT_NE(page.find(shown), std::string::npos) << shown;
}

TEST(ManualPageCli, EveryLineIsTextOrAKnownRequest) {
  const ScratchDir run("lptpic_manual_page_lines_");
  const CliRun page = RunCliIn(run.path, "--manual-page");
  ASSERT_EQ(page.code, 0) << page.err;
  std::istringstream lines(page.out);
  static const std::regex request(R"(^\.(SH [A-Z ]+|TP|RS|RE|BR .*)$)");
  int requests = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '.' || line[0] == '\'') {
      EXPECT_TRUE(std::regex_match(line, request)) << "groff would read: " << line;
      ++requests;
    }
  }
  EXPECT_GT(requests, 20);
}

}  // namespace
