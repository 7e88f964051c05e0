// SPDX-License-Identifier: GPL-2.0-or-later
// Reading the chip file: strict, line-numbered errors, nothing half-read
// is ever returned.
#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>
#include <vector>

#include "fileio/shown_text.h"
#include "sim/chip_file.h"

namespace lpt::sim {
namespace {

constexpr std::size_t kMaxLine = 1024;

// getline that refuses an overlong line as soon as it is too long, without
// reading on to its end.
bool ReadLine(std::istream& in, std::string& line, bool* tooLong) {
  line.clear();
  *tooLong = false;
  char c;
  bool any = false;
  while (in.get(c)) {
    any = true;
    if (c == '\n') return true;
    if (line.size() >= kMaxLine) {
      *tooLong = true;
      return true;
    }
    if (c != '\r') line.push_back(c);
  }
  return any;
}

std::string AddressText(unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", value);
  return text;
}

std::vector<std::string> Split(const std::string& line) {
  std::istringstream s(line);
  std::vector<std::string> out;
  for (std::string t; s >> t;) out.push_back(t);
  return out;
}

bool ParseHex(const std::string& t, unsigned limit, unsigned* value) {
  if (t.empty() || t.size() > 4) return false;
  unsigned v = 0;
  for (char c : t) {
    int d;
    if (c >= '0' && c <= '9')
      d = c - '0';
    else if (c >= 'A' && c <= 'F')
      d = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
      d = c - 'a' + 10;
    else
      return false;
    v = v * 16 + static_cast<unsigned>(d);
  }
  if (v > limit) return false;
  *value = v;
  return true;
}

bool ParseDecimal(const std::string& t, int lo, int hi, int* value) {
  if (t.empty() || t.size() > 6) return false;
  int v = 0;
  for (char c : t) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  if (v < lo || v > hi) return false;
  *value = v;
  return true;
}

class Parser {
 public:
  explicit Parser(std::string* error) : error_(error) {}

  std::optional<ChipState> Run(std::istream& in) {
    std::string line;
    bool tooLong = false;
    while (ReadLine(in, line, &tooLong)) {
      ++lineNo_;
      if (tooLong) return Fail("line is too long");
      const std::vector<std::string> t = Split(line);
      if (t.empty() || t[0][0] == '#') continue;
      if (!Line(t)) return std::nullopt;
    }
    if (!chip_) {
      // Nothing on any line says which chip this is: name no line.
      if (error_) *error_ = "no \"device\" line: this is not a chip file";
      return std::nullopt;
    }
    return chip_;
  }

 private:
  std::nullopt_t Fail(const std::string& what) {
    if (error_) *error_ = "line " + std::to_string(lineNo_) + ": " + fileio::Shown(what);
    return std::nullopt;
  }

  // A place (a word, a fault on a bit, a setting) may be given once: a
  // second statement for it would silently win over the first.
  bool FirstFor(const std::string& place) {
    const auto [it, added] = placeLines_.emplace(place, lineNo_);
    if (added) return true;
    return Bad(place + " is already given on line " + std::to_string(it->second));
  }
  bool Bad(const std::string& what) {
    Fail(what);
    return false;
  }

  bool Line(const std::vector<std::string>& t) {
    const std::string& key = t[0];
    if (key == "device") return Device(t);
    if (!chip_) return Bad("the first line must be \"device NAME\"");
    if (key == "program") return Row(t, Space::Program);
    if (key == "data") return Row(t, Space::Data);
    if (key == "config") return Config(t);
    if (key == "factory") return Factory(t);
    if (key == "fault") return Fault(t);
    if (key == "pulses") return Pulses(t);
    return Bad("unknown keyword \"" + key + "\"");
  }

  bool Device(const std::vector<std::string>& t) {
    if (chip_) return Bad("a second \"device\" line");
    if (t.size() != 2) return Bad("expected \"device NAME\"");
    std::optional<ChipState> chip = MakeBlankChip(t[1]);
    if (!chip) return Bad("unknown device \"" + t[1] + "\"");
    family_ = FindFamilyModel(chip->family);
    // The file says everything: start from erased memories, not factory ones.
    std::fill(chip->program.begin(), chip->program.end(), WordMask(*family_));
    chip->factoryCalibration.reset();
    chip->factoryBandgap.reset();
    chip->factoryWords.clear();
    ConfigWord(*chip) = ErasedConfig(*family_);
    chip_ = std::move(chip);
    return true;
  }

  bool Row(const std::vector<std::string>& t, Space space) {
    const bool program = space == Space::Program;
    const std::size_t size = program ? chip_->program.size() : chip_->data.size();
    const unsigned limit = program ? WordMask(*family_) : 0xFF;
    unsigned address;
    if (t.size() < 3 || t.size() > 10)
      return Bad("expected \"" + t[0] + " ADDRESS\" and 1 to 8 values");
    if (!ParseHex(t[1], 0xFFFF, &address) || address >= size)
      return Bad("address \"" + t[1] + "\" is not in " + t[0] + " memory");
    if (address + (t.size() - 2) > size)
      return Bad("the row runs past the end of " + t[0] + " memory");
    for (std::size_t i = 2; i < t.size(); ++i) {
      unsigned v;
      if (!ParseHex(t[i], limit, &v)) return Bad("\"" + t[i] + "\" is not a " + t[0] + " value");
      if (!FirstFor(t[0] + " " + AddressText(static_cast<unsigned>(address + i - 2)))) return false;
      if (program)
        chip_->program[address + i - 2] = static_cast<std::uint16_t>(v);
      else
        chip_->data[address + i - 2] = static_cast<std::uint8_t>(v);
    }
    return true;
  }

  bool Config(const std::vector<std::string>& t) {
    const std::size_t words = chip_->config.size();
    if (t.size() != words + 1)
      return Bad("expected \"config\" and " + std::to_string(words) + " words");
    if (!FirstFor("config")) return false;
    for (std::size_t i = 0; i < words; ++i) {
      unsigned v;
      if (!ParseHex(t[i + 1], WordMask(*family_), &v))
        return Bad("\"" + t[i + 1] + "\" is not a word");
      chip_->config[i] = static_cast<std::uint16_t>(v);
    }
    return true;
  }

  bool Factory(const std::vector<std::string>& t) {
    unsigned v;
    if (t.size() == 3 && t[1] == "calibration" && ParseHex(t[2], 0x3FFF, &v)) {
      if (!FirstFor("factory calibration")) return false;
      chip_->factoryCalibration = static_cast<std::uint16_t>(v);
      return true;
    }
    if (t.size() == 3 && t[1] == "bandgap" && ParseHex(t[2], 3, &v)) {
      if (!FirstFor("factory bandgap")) return false;
      chip_->factoryBandgap = static_cast<std::uint8_t>(v);
      return true;
    }
    unsigned address;
    if (t.size() == 4 && t[1] == "word" && ParseHex(t[2], 0xFFFF, &address) &&
        ParseHex(t[3], 0x3FFF, &v)) {
      if (ConfigSlot(*chip_, *family_, static_cast<std::uint16_t>(address)) < 0)
        return Bad("address " + t[2] + " is not in config memory");
      if (!FirstFor("factory word " + AddressText(address))) return false;
      chip_->factoryWords[static_cast<std::uint16_t>(address)] = static_cast<std::uint16_t>(v);
      return true;
    }
    return Bad(
        "expected \"factory calibration WORD\", \"factory bandgap 0-3\" or \"factory word "
        "ADDRESS WORD\"");
  }

  // "program|config|data ADDRESS" starting at t[i].
  bool At(const std::vector<std::string>& t, std::size_t i, Location* at) {
    if (t.size() < i + 2) return Bad("expected a memory (program, config, data) and an address");
    const std::string& s = t[i];
    if (s == "program")
      at->space = Space::Program;
    else if (s == "config")
      at->space = Space::Config;
    else if (s == "data")
      at->space = Space::Data;
    else
      return Bad("unknown memory \"" + s + "\"");
    unsigned a;
    if (!ParseHex(t[i + 1], 0xFFFF, &a)) return Bad("\"" + t[i + 1] + "\" is not an address");
    at->address = static_cast<std::uint16_t>(a);
    const bool ok = at->space == Space::Program ? a < chip_->program.size()
                    : at->space == Space::Data  ? a < chip_->data.size()
                                                : ConfigSlot(*chip_, *family_, at->address) >= 0;
    if (!ok) return Bad("address " + t[i + 1] + " is not in " + s + " memory");
    return true;
  }

  bool Fault(const std::vector<std::string>& t) {
    const std::string kind = t.size() > 1 ? t[1] : "";
    if (kind == "no-chip" || kind == "no-adapter" || kind == "destroyed") {
      if (t.size() > 2) return Bad("unexpected \"" + t[2] + "\" after \"fault " + kind + "\"");
      if (!FirstFor("fault " + kind)) return false;
      (kind == "no-chip"      ? chip_->socketEmpty
       : kind == "no-adapter" ? chip_->adapterMissing
                              : chip_->destroyed) = true;
      return true;
    }
    if (kind == "stuck") {
      StuckBit s;
      int bit, level;
      if (!At(t, 2, &s.at)) return false;
      // A 12-bit part's words have no bits 12 and 13 to stick.
      const int topBit = family_->word12 ? 11 : 13;
      const std::string usage = "expected \"fault stuck MEMORY ADDRESS BIT(0-" +
                                std::to_string(topBit) + ") LEVEL(0|1)\"";
      if (t.size() != 6 || !ParseDecimal(t[4], 0, topBit, &bit) ||
          !ParseDecimal(t[5], 0, 1, &level))
        return Bad(usage);
      s.bit = bit;
      s.level = level == 1;
      if (!FirstFor("fault stuck " + t[2] + " " + AddressText(s.at.address) + " bit " +
                    std::to_string(bit)))
        return false;
      chip_->stuckBits.push_back(s);
      return true;
    }
    if (kind == "never-programs") {
      Location at;
      if (!At(t, 2, &at)) return false;
      if (t.size() != 4) return Bad("expected \"fault never-programs MEMORY ADDRESS\"");
      if (!FirstFor("fault never-programs " + t[2] + " " + AddressText(at.address))) return false;
      chip_->neverPrograms.push_back(at);
      return true;
    }
    return Bad("unknown fault \"" + kind + "\" (no-chip, no-adapter, stuck, never-programs)");
  }

  bool Pulses(const std::vector<std::string>& t) {
    int n;
    if (t.size() == 3 && t[1] == "default") {
      if (!ParseDecimal(t[2], 1, 10000, &n)) return Bad("pulse count must be 1 to 10000");
      if (!FirstFor("pulses default")) return false;
      chip_->defaultPulsesNeeded = n;
      return true;
    }
    Location at;
    if (!At(t, 1, &at)) return false;
    if (t.size() != 4 || !ParseDecimal(t[3], 1, 10000, &n))
      return Bad("expected \"pulses MEMORY ADDRESS COUNT(1-10000)\"");
    if (!FirstFor("pulses " + t[1] + " " + AddressText(at.address))) return false;
    chip_->pulsesNeeded[at] = n;
    return true;
  }

  std::string* error_;
  int lineNo_ = 0;
  std::optional<ChipState> chip_;
  const FamilyModel* family_ = nullptr;
  std::map<std::string, int> placeLines_;  // place -> the line that gave it
};

}  // namespace

std::optional<ChipState> ParseChipText(std::istream& in, std::string* error) {
  return Parser(error).Run(in);
}

}  // namespace lpt::sim
