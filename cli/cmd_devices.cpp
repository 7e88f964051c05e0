// SPDX-License-Identifier: GPL-2.0-or-later
// lptpic-cli devices: the catalogue, one TAB-separated line per name in
// table order: name, family number, program words, data bytes,
// configuration mask (four upper-case hex digits; a second word's mask after
// a "/"), fuse layout number, information page number, and how far the part
// has been tested ("simulator" or "silicon"). With --long, lines starting
// with a TAB follow each part with what else the record knows. With
// --check, the catalogue's self-check instead: one line per fault found.
#include <bit>
#include <memory>
#include <sstream>

#include "buffers/hex_text.h"
#include "cli/cli_app.h"
#include "cli/standard_streams.h"
#include "devices/catalogue.h"
#include "devices/connection_help.h"

namespace lpt::cli {
namespace {

void WriteDetails(std::ostream& out, const DeviceRecord& r) {
  if (r.HasDeviceId()) {
    out << "\tdevice ID";
    for (std::size_t i = 0; i < r.deviceIds.size(); ++i) {
      if (r.deviceIds[i] == 0) continue;
      out << ' ';
      if (!r.partNames[i].empty()) out << r.partNames[i] << '=';
      out << ToHex(r.deviceIds[i], 4);
    }
    const int revisionBits =
        std::popcount(static_cast<unsigned>(~r.deviceIdMask & kDeviceIdWordBits));
    out << ", revision in bits " << revisionBits - 1 << ":0\n";
  }
  if (r.writeLatches > 1) out << "\twrites rows of " << r.writeLatches << " words\n";
  for (std::uint16_t address : r.calibrationWords)
    if (address != 0)
      out << "\tcalibration word at " << ToHex(address, 4) << " kept across erase\n";
  for (const std::string& line : ConnectionHelp(r)) out << '\t' << line << '\n';
}

}  // namespace

void AddDevicesCommand(CLI::App& app, Action& action) {
  auto* cmd =
      app.add_subcommand("devices",
                         "list the device catalogue: name, family, program words, data bytes, "
                         "configuration mask, fuse layout, information page, tested");
  auto longForm = std::make_shared<bool>(false);
  cmd->add_flag("--long", *longForm,
                "after each part, indented by a TAB: its device ID, write latches, calibration "
                "words and how it connects to the programmer");
  auto check = std::make_shared<bool>(false);
  cmd->add_flag("--check", *check,
                "check the catalogue's records instead (names, sizes, masks, IDs, layouts): one "
                "line per fault, exit status 1 when there is one")
      ->excludes("--long");
  cmd->callback([&action, longForm, check] {
    action = [longForm, check](const GlobalOptions&) {
      std::ostringstream text;
      if (*check) {
        const std::vector<std::string> problems = CatalogueProblems(AllDevices());
        for (const std::string& problem : problems) text << problem << '\n';
        if (!WriteStandardOutput(text.str())) return kExitUsage;
        return problems.empty() ? kExitOk : kExitFailed;
      }
      for (const DeviceRecord& r : AllDevices()) {
        text << r.name << '\t' << r.family << '\t' << r.programWords << '\t' << r.dataBytes << '\t'
             << ToHex(r.configMasks[0], 4);
        if (r.configMasks[1] != 0) text << '/' << ToHex(r.configMasks[1], 4);
        text << '\t' << FuseLayoutNumber(r.fuseLayout) << '\t' << InfoPageNumber(r.infoPage) << '\t'
             << (r.tested == Tested::RealSilicon ? "silicon" : "simulator") << '\n';
        if (*longForm) WriteDetails(text, r);
      }
      return WriteStandardOutput(text.str()) ? kExitOk : kExitUsage;
    };
  });
}

}  // namespace lpt::cli
