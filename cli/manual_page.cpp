// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/manual_page.h"

#include <regex>
#include <sstream>

namespace lpt::cli {
namespace {

// Help texts are short phrases ("no progress output", "sim, sim:FILE ..."
// where the case matters): kept as written, ended as sentences.
std::string Sentence(const std::string& text) {
  std::string s = RoffText(text);
  if (!s.empty() && s.back() != '.') s += '.';
  return s;
}

bool TakesValue(const CLI::Option& option) {
  return option.get_items_expected_max() > 0 && !option.get_type_name().empty();
}

std::string Bold(const std::string& text) { return "\\fB" + RoffText(text) + "\\fR"; }
std::string Italic(const std::string& text) { return "\\fI" + RoffText(text) + "\\fR"; }

bool IsHelp(const CLI::Option& option) {
  for (const std::string& name : option.get_lnames())
    if (name == "help" || name == "help-all") return true;
  return false;
}

// A value as a manual page writes it. The parser's type of a checked value
// reads "N:INT in [1 - 1000000]" or "TEXT:{data,fuses}": the page shows
// "N" and says "N is 1 to 1000000.", or lists the choices in bold,
// "data|fuses" (and "0|1" for a range that short).
struct ValueText {
  std::string tag;
  std::string sentence;
};

ValueText ValueOf(const CLI::Option& option) {
  const std::string type = option.get_type_name();
  const std::size_t colon = type.find(':');
  if (colon == std::string::npos) return {Italic(type), {}};
  const std::string name = type.substr(0, colon), check = type.substr(colon + 1);
  std::smatch range;
  static const std::regex kRange(R"(\w+ in \[(-?[0-9]+) - (-?[0-9]+)\])");
  if (std::regex_match(check, range, kRange)) {
    const long low = std::stol(range[1].str()), high = std::stol(range[2].str());
    if (high - low > 3)
      return {Italic(name), " " + Italic(name) + " is " + RoffText(range[1].str()) + " to " +
                                RoffText(range[2].str()) + "."};
    std::string choices;
    for (long v = low; v <= high; ++v)
      choices += (choices.empty() ? "" : "|") + Bold(std::to_string(v));
    return {choices, {}};
  }
  if (check.size() > 2 && check.front() == '{' && check.back() == '}') {
    std::string choices;
    std::stringstream list(check.substr(1, check.size() - 2));
    for (std::string choice; std::getline(list, choice, ',');)
      choices += (choices.empty() ? "" : "|") + Bold(choice);
    return {choices, {}};
  }
  return {Italic(type), {}};  // a colon of its own: "START[:STEP]"
}

// "-q, --quiet" or "--device NAME": the names in bold, the value in
// italics.
void WriteOption(const CLI::Option& option, std::ostream& out) {
  std::string tag;
  for (const std::string& s : option.get_snames()) tag += (tag.empty() ? "" : ", ") + Bold("-" + s);
  for (const std::string& l : option.get_lnames())
    tag += (tag.empty() ? "" : ", ") + Bold("--" + l);
  const ValueText value = TakesValue(option) ? ValueOf(option) : ValueText{};
  if (TakesValue(option)) tag += " " + value.tag;
  std::string text = Sentence(option.get_description()) + value.sentence;
  if (!option.get_default_str().empty() && TakesValue(option))
    text += " Default: " + RoffText(option.get_default_str()) + ".";
  out << ".TP\n" << tag << '\n' << text << '\n';
}

bool Visible(const CLI::Option* option) { return !option->get_group().empty(); }

}  // namespace

std::string RoffText(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\')
      out += "\\e";
    else if (c == '-')
      out += "\\-";
    else if (c == '\n')
      out += ' ';
    else
      out += c;
  }
  if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
  return out;
}

void WriteManualSections(const CLI::App& app, std::ostream& out) {
  out << ".SH GLOBAL OPTIONS\n";
  for (const CLI::Option* option : app.get_options()) {
    if (Visible(option) && !option->get_positional()) WriteOption(*option, out);
  }

  out << ".SH COMMANDS\n"
         "Every command also takes\n.BR \\-h \", \" \\-\\-help .\n";
  const auto commands = app.get_subcommands(
      [](const CLI::App* sub) { return !sub->get_group().empty() && !sub->get_name().empty(); });
  for (const CLI::App* command : commands) {
    out << ".TP\n" << Bold(command->get_name());
    for (const CLI::Option* arg : command->get_options()) {
      if (!Visible(arg) || !arg->get_positional()) continue;
      const std::string name = Italic(arg->get_name(true));
      out << (arg->get_required() ? " " + name : " [" + name + "]");
    }
    out << '\n' << Sentence(command->get_description()) << '\n';
    bool indented = false;
    for (const CLI::Option* option : command->get_options()) {
      if (!Visible(option) || IsHelp(*option)) continue;
      if (!indented) out << ".RS\n";
      indented = true;
      if (option->get_positional())
        out << ".TP\n"
            << Italic(option->get_name(true)) << '\n'
            << Sentence(option->get_description()) << '\n';
      else
        WriteOption(*option, out);
    }
    if (indented) out << ".RE\n";
  }
}

}  // namespace lpt::cli
