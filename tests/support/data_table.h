// SPDX-License-Identifier: GPL-2.0-or-later
// The tables transcribed by hand into tests/data: tab-separated rows, "#"
// lines are comments, a field in double quotes keeps its spaces and loses
// the quotes. A row with another number of fields fails the test that reads it.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace lpt::testing_data {

using Fields = std::vector<std::string>;

// Rows of tests/data/<file>; each must have `columns` fields.
inline std::vector<Fields> ReadTable(const std::string& file, std::size_t columns) {
  std::ifstream in(std::string(LPTPIC_TEST_DATA) + "/" + file);
  EXPECT_TRUE(in) << file;
  std::vector<Fields> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    Fields fields;
    std::stringstream split(line);
    for (std::string field; std::getline(split, field, '\t');) {
      if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = field.substr(1, field.size() - 2);
      fields.push_back(field);
    }
    EXPECT_EQ(fields.size(), columns) << file << ": " << line;
    if (fields.size() == columns) rows.push_back(fields);
  }
  return rows;
}

inline int Hex(const std::string& text) { return static_cast<int>(std::stoul(text, nullptr, 16)); }

}  // namespace lpt::testing_data
