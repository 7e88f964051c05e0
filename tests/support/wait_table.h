// SPDX-License-Identifier: GPL-2.0-or-later
// The makers' least waits as tests/data/devices/wait_times.tsv transcribes
// them, looked up by the family a catalogue part belongs to. Header-only.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "devices/catalogue.h"
#include "support/data_table.h"

namespace lpt::testing_data {

struct TableWait {
  std::string family;  // the table's family column
  std::vector<std::string> parts;
  std::string command;             // "08h", "18h", "09h,0Bh" ...
  std::vector<std::string> cells;  // program, configuration, data, erase
  std::uint32_t leastUs = 0;       // the document's value, else the longest peer's
};

inline std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> items;
  std::stringstream in(text);
  for (std::string item; std::getline(in, item, ',');) items.push_back(item);
  return items;
}

// Every row that times a write or an erase.
inline std::vector<TableWait> WaitTable() {
  std::vector<TableWait> rows;
  for (const Fields& f : ReadTable("devices/wait_times.tsv", 11)) {
    if (f[10] == "-") continue;
    const std::string& least = f[6] != "-" ? f[6] : f[8];
    EXPECT_NE(least, "-") << "no wait for " << f[0] << " " << f[3];
    if (least == "-") continue;
    rows.push_back({f[0], SplitCommas(f[1]), f[4], SplitCommas(f[10]),
                    static_cast<std::uint32_t>(std::stoul(least))});
  }
  return rows;
}

// The catalogue record a part is, or belongs to as a member of a group.
inline const DeviceRecord* RecordOfPart(std::string_view part) {
  for (const DeviceRecord& record : AllDevices()) {
    if (record.name == part) return &record;
    for (std::string_view member : record.partNames)
      if (member == part) return &record;
  }
  return nullptr;
}

inline bool Covers(const TableWait& row, Family family) {
  return std::any_of(row.parts.begin(), row.parts.end(), [family](const std::string& part) {
    const DeviceRecord* record = RecordOfPart(part);
    return record != nullptr && record->family == family;
  });
}

inline bool Has(const std::vector<std::string>& list, std::string_view item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

// The longest least wait of the family's rows for `cell` ("program",
// "configuration", "data", "erase") started by `command`; an erase is
// matched whatever its command. nullopt when the table has no such row.
inline std::optional<std::uint32_t> LeastWait(const std::vector<TableWait>& table, Family family,
                                              std::string_view cell, std::string_view command) {
  std::optional<std::uint32_t> least;
  for (const TableWait& row : table) {
    if (!Has(row.cells, cell) || !Covers(row, family)) continue;
    if (cell != "erase" && row.command != command) continue;
    least = std::max(least.value_or(0), row.leastUs);
  }
  return least;
}

}  // namespace lpt::testing_data
