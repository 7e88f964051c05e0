// SPDX-License-Identifier: GPL-2.0-or-later
// adapters.conf(5) matches the parser: every key the parser takes has its
// entry under KEYS, and the page's example parses as it stands.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "hw/adapter_file.h"

namespace {

std::string ManualPage() {
  std::ifstream in(std::filesystem::path(LPTPIC_TEST_DATA) / ".." / ".." / "packaging" / "linux" /
                   "adapters.conf.5");
  EXPECT_TRUE(in) << "packaging/linux/adapters.conf.5 is missing";
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The text between `from` and the next section heading.
std::string Section(const std::string& page, const std::string& from) {
  const std::size_t start = page.find(from);
  if (start == std::string::npos) return {};
  return page.substr(start, page.find("\n.SH ", start + 1) - start);
}

std::string Unescaped(std::string text) {
  return std::regex_replace(text, std::regex(R"(\\-)"), "-");
}

TEST(AdaptersPage, EveryKeyHasItsEntry) {
  const std::string keys = Unescaped(Section(ManualPage(), ".SH KEYS"));
  ASSERT_FALSE(keys.empty());
  for (const std::string_view key : lpt::AdapterFileKeys())
    EXPECT_NE(keys.find(".TP\n.B " + std::string(key) + "\n"), std::string::npos) << key;
}

TEST(AdaptersPage, TheExampleParses) {
  const std::string example = Section(ManualPage(), ".SH EXAMPLE");
  const std::size_t start = example.find(".nf\n"), end = example.find("\n.fi", start);
  ASSERT_NE(start, std::string::npos);
  ASSERT_NE(end, std::string::npos);
  std::string error;
  const auto parsed = lpt::ParseAdapters(Unescaped(example.substr(start + 4, end + 1 - start - 4)),
                                         "example", &error);
  ASSERT_TRUE(parsed) << error;
  EXPECT_EQ(parsed->adapters.size(), 6u);
}

}  // namespace
