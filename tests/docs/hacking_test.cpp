// SPDX-License-Identifier: GPL-2.0-or-later
// docs/HACKING.md stays true: every repository path it names in backticks
// exists, and every #include follows its table of what may include what.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path kRoot = fs::path(LPTPIC_TEST_DATA) / ".." / "..";

std::string Hacking() {
  std::ifstream in(kRoot / "docs" / "HACKING.md");
  EXPECT_TRUE(in) << "docs/HACKING.md is missing";
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// `ops/`, `tests/data/devices/catalogue.tsv`, `tests/data/hex/ops_<part>.asm`
// name repository paths; `kDevices`, `--adapters`, `p<part>.inc` do not.
bool LooksLikeRepoPath(const std::string& text) {
  static const std::regex path(R"([A-Za-z0-9_][A-Za-z0-9_.<>-]*(/[A-Za-z0-9_.<>-]*)+)");
  static const std::regex file(R"([A-Za-z0-9_-]+\.(cpp|h|md|txt|tsv|sh|py|asm|xml))");
  return std::regex_match(text, path) || std::regex_match(text, file);
}

TEST(Hacking, EveryPathItNamesExists) {
  const std::string text = Hacking();
  const std::regex quoted("`([^`\n]+)`");
  int checked = 0;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), quoted);
       it != std::sregex_iterator(); ++it) {
    const std::string name = (*it)[1];
    if (!LooksLikeRepoPath(name)) continue;
    // A placeholder stands for a file still to be written: its folder exists.
    const bool placeholder = name.find('<') != std::string::npos;
    const fs::path path = kRoot / (placeholder ? fs::path(name).parent_path() : fs::path(name));
    EXPECT_TRUE(fs::exists(path)) << "docs/HACKING.md names `" << name << "`";
    ++checked;
  }
  EXPECT_GT(checked, 40) << "the recipes name the files to touch";
}

// The table's rows: "| `ops/` | `hw/` `buffers/` `devices/` |".
std::map<std::string, std::set<std::string>> IncludeRules(const std::string& text) {
  std::map<std::string, std::set<std::string>> rules;
  const std::regex row(R"(\n\| `(\w+)/` \|([^\n]*)\|)");
  const std::regex folder("`(\\w+)/`");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), row); it != std::sregex_iterator();
       ++it) {
    std::set<std::string>& allowed = rules[(*it)[1]];
    const std::string cells = (*it)[2];
    for (auto f = std::sregex_iterator(cells.begin(), cells.end(), folder);
         f != std::sregex_iterator(); ++f)
      allowed.insert((*f)[1]);
  }
  return rules;
}

TEST(Hacking, IncludesFollowTheTable) {
  const auto rules = IncludeRules(Hacking());
  ASSERT_EQ(rules.size(), 10u) << "the table lists every source folder";
  const std::regex include(R"(#include [<"](\w+)/)");
  const std::regex qt("#include <Q");
  for (const auto& [folder, allowed] : rules) {
    ASSERT_TRUE(fs::is_directory(kRoot / folder)) << folder;
    for (const auto& entry : fs::recursive_directory_iterator(kRoot / folder)) {
      const std::string ext = entry.path().extension().string();
      if (ext != ".cpp" && ext != ".h") continue;
      std::ifstream in(entry.path());
      std::stringstream source;
      source << in.rdbuf();
      const std::string code = source.str();
      const std::string file = folder + "/" + entry.path().filename().string();
      for (auto it = std::sregex_iterator(code.begin(), code.end(), include);
           it != std::sregex_iterator(); ++it) {
        const std::string target = (*it)[1];
        if (target == folder || !rules.count(target)) continue;  // own folder, system headers
        EXPECT_TRUE(allowed.count(target)) << file << " includes " << target << "/";
      }
      if (folder != "app") {
        EXPECT_FALSE(std::regex_search(code, qt)) << file << " uses Qt outside app/";
      }
    }
  }
}

}  // namespace
