// SPDX-License-Identifier: GPL-2.0-or-later
#include "sim/chip_file.h"

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <vector>

#include "fileio/bounded_read.h"
#include "fileio/replace_file.h"
#include "fileio/shown_text.h"

namespace lpt::sim {
namespace {

constexpr const char* kHeader = "# lptpic simulated chip";

std::string Hex(unsigned value, int digits) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*X", digits, value);
  return buf;
}

const char* SpaceName(Space s) {
  switch (s) {
    case Space::Program:
      return "program";
    case Space::Config:
      return "config";
    case Space::Data:
      return "data";
  }
  return "program";
}

std::string LocationText(Location at) {
  return std::string(SpaceName(at.space)) + " " + Hex(at.address, 4);
}

void WriteRows(std::ostream& out, const char* keyword, const std::vector<std::uint16_t>& words,
               std::uint16_t blank, int digits) {
  for (std::size_t row = 0; row < words.size(); row += 8) {
    bool allBlank = true;
    for (std::size_t i = row; i < row + 8 && i < words.size(); ++i) allBlank &= words[i] == blank;
    if (allBlank) continue;
    out << keyword << ' ' << Hex(static_cast<unsigned>(row), 4);
    for (std::size_t i = row; i < row + 8 && i < words.size(); ++i)
      out << ' ' << Hex(words[i], digits);
    out << '\n';
  }
}

}  // namespace

void WriteChip(std::ostream& out, const ChipState& chip) {
  const FamilyModel* family = FindFamilyModel(chip.family);
  const std::uint16_t blank = family ? WordMask(*family) : 0x3FFF;
  out << kHeader << "\n";
  out << "device " << chip.device << "\n";
  if (chip.factoryCalibration)
    out << "factory calibration " << Hex(*chip.factoryCalibration, 4) << "\n";
  if (chip.factoryBandgap)
    out << "factory bandgap " << static_cast<int>(*chip.factoryBandgap) << "\n";
  for (const auto& [address, word] : chip.factoryWords)
    out << "factory word " << Hex(address, 4) << ' ' << Hex(word, 4) << "\n";
  out << "config";
  for (std::uint16_t w : chip.config) out << ' ' << Hex(w, 4);
  out << "\n";
  WriteRows(out, "program", chip.program, blank, family && family->word12 ? 3 : 4);
  const std::vector<std::uint16_t> data(chip.data.begin(), chip.data.end());
  WriteRows(out, "data", data, 0xFF, 2);
  if (chip.socketEmpty) out << "fault no-chip\n";
  if (chip.adapterMissing) out << "fault no-adapter\n";
  if (chip.destroyed) out << "fault destroyed\n";
  for (const StuckBit& s : chip.stuckBits)
    out << "fault stuck " << LocationText(s.at) << ' ' << s.bit << ' ' << (s.level ? 1 : 0) << "\n";
  for (const Location& at : chip.neverPrograms)
    out << "fault never-programs " << LocationText(at) << "\n";
  if (chip.defaultPulsesNeeded != 1) out << "pulses default " << chip.defaultPulsesNeeded << "\n";
  for (const auto& [at, n] : chip.pulsesNeeded)
    out << "pulses " << LocationText(at) << ' ' << n << "\n";
}

std::string ChipText(const ChipState& chip) {
  std::ostringstream out;
  WriteChip(out, chip);
  return out.str();
}

std::optional<ChipState> LoadChipFile(const std::string& path, std::string* error) {
  if (error) error->clear();
  const std::string shown = fileio::Shown(path);
  std::error_code ec;
  if (!std::filesystem::exists(path, ec) && !ec) return std::nullopt;  // a new chip
  if (std::filesystem::is_directory(path, ec)) {
    if (error)
      *error = "Chip file " + shown + " is a folder, not a file (" + shown +
               "/ with the slash is a socket for a batch of chips).";
    return std::nullopt;
  }
  // Bounded and regular files only: /dev/zero or a FIFO is refused at once
  // instead of being read for ever.
  std::string text, reason;
  if (!fileio::ReadWholeFile(path, fileio::kMaxInputBytes, &text, &reason)) {
    if (error) *error = "Chip file " + shown + " cannot be read: " + reason;
    return std::nullopt;
  }
  // An empty file is a chip not saved yet: the lock that keeps one chip
  // file to one process at a time creates it empty until the first save.
  if (text.empty()) return std::nullopt;
  std::istringstream in(text);
  std::string why;
  std::optional<ChipState> chip = ParseChipText(in, &why);
  if (!chip && error) *error = "Chip file " + shown + ", " + why;
  return chip;
}

bool SaveChipFile(const std::string& path, const ChipState& chip, std::string* error,
                  fileio::FileLock* heldLock) {
  // With the lock held, temporary files beside the chip file are no one's:
  // a killed run left them.
  std::string reason;
  const fileio::ReplaceOptions options{.removeStaleTemporaries = heldLock != nullptr,
                                       .heldLock = heldLock};
  if (fileio::ReplaceFile(path, ChipText(chip), &reason, options)) return true;
  if (error) *error = "Cannot save chip file " + fileio::Shown(path) + ": " + reason;
  return false;
}

}  // namespace lpt::sim
