// SPDX-License-Identifier: GPL-2.0-or-later
// A PIC18 part on the simulated adapter, driven through the 4-bit link on
// the virtual clock: the part, its chip, the session of a timing profile.
// Header-only.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "devices/pic18_parts.h"
#include "hw/pic18_link.h"
#include "hw/virtual_clock.h"
#include "ops/pic18_commands.h"
#include "sim/pic18_port.h"
#include "support/temp_dir.h"

namespace lpt::pic18test {

struct Pic18Rig {
  explicit Pic18Rig(const std::string& name, TimingProfile profile = TimingProfile::Standard,
                    const std::string& chipName = {})
      : part(*FindPic18Part(name)),
        port(clock,
             sim::Pic18Chip(ChipPart(name, chipName), BlankPic18Image(ChipPart(name, chipName)))),
        link(port, clock),
        session{link, clock, part, Pic18WaitsIn(profile)} {}

  static const Pic18Part& ChipPart(const std::string& name, const std::string& chipName) {
    return *FindPic18Part(chipName.empty() ? name : chipName);
  }
  sim::Pic18Chip& chip() { return port.chip(); }

  const Pic18Part& part;
  VirtualClock clock;
  sim::Pic18Port port;
  Pic18Link link;
  Pic18Session session;
};

// tests/data/hex/ops_<base>.asm assembled by gpasm for `part` (its "list
// p=" and include replaced) into `dir`; the HEX file's path, empty when
// gpasm failed.
inline std::string AssemblePic18(const std::filesystem::path& dir, const std::string& base,
                                 const std::string& part) {
  std::string text = testing_files::ReadFile(LPTPIC_TEST_DATA "/hex/ops_" + base + ".asm");
  for (std::size_t at = 0; (at = text.find(base, at)) != std::string::npos; at += part.size())
    text.replace(at, base.size(), part);
  const std::filesystem::path source = dir / (part + ".asm");
  const std::filesystem::path hex = dir / (part + ".hex");
  std::ofstream(source) << text;
  const std::string command = "gpasm -o '" + hex.string() + "' '" + source.string() + "' > '" +
                              (dir / "gpasm.log").string() + "' 2>&1";
  return std::system(command.c_str()) == 0 ? hex.string() : std::string();
}

}  // namespace lpt::pic18test
