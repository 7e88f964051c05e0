// SPDX-License-Identifier: GPL-2.0-or-later
#include "hw/adapter_file.h"

#include <cctype>
#include <filesystem>
#include <unordered_set>

#include "fileio/bounded_read.h"

namespace lpt {
namespace {

enum class Sense {
  DrivesChip,  // on while the PC drives: the signal itself
  ChipDrives,  // data-rw: on while the chip drives, the enable's opposite
  NotASignal,  // clock-delay-us, vpp-volts
};

struct Key {
  const char* key;
  AdapterPin Adapter::*pin;  // nullptr: not a pin
  bool required;
  bool groundIsNone;  // a ground pin means "not switched"
  Sense sense;
};

constexpr Key kKeys[] = {
    {"clock", &Adapter::clock, true, false, Sense::DrivesChip},
    {"data-out", &Adapter::dataOut, true, false, Sense::DrivesChip},
    {"data-in", &Adapter::dataIn, true, false, Sense::DrivesChip},
    {"vpp", &Adapter::vpp, true, false, Sense::DrivesChip},
    {"vdd", &Adapter::vdd, true, true, Sense::DrivesChip},
    {"data-out-enable", &Adapter::dataOutEnable, false, true, Sense::DrivesChip},
    {"data-rw", &Adapter::dataOutEnable, false, true, Sense::ChipDrives},
    {"pgm", &Adapter::pgm, false, true, Sense::DrivesChip},
    {"clock-delay-us", nullptr, false, false, Sense::NotASignal},
    {"vpp-volts", nullptr, false, false, Sense::NotASignal},
};

constexpr const char* kKeyList =
    "clock, data-out, data-in, vpp, vdd, data-out-enable, data-rw, pgm, clock-delay-us, "
    "vpp-volts";

// "13", "8.5", "12.75": volts with up to three decimals, in millivolts.
std::optional<std::uint32_t> ParseMillivolts(std::string_view text) {
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  if (whole.empty() || whole.size() > 2 || fraction.size() > 3) return std::nullopt;
  if (point != std::string_view::npos && fraction.empty()) return std::nullopt;
  std::uint32_t millivolts = 0;
  for (char c : whole) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    millivolts = millivolts * 10 + static_cast<std::uint32_t>(c - '0');
  }
  millivolts *= 1000;
  std::uint32_t scale = 100;
  for (char c : fraction) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    millivolts += scale * static_cast<std::uint32_t>(c - '0');
    scale /= 10;
  }
  return millivolts;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

std::string Quoted(const std::string& text) { return "\"" + Shorten(text) + "\""; }

// Splits a line into words; a word may be "quoted" to hold spaces, and a
// word that starts with "#" begins a comment. False when a quote is not
// closed.
bool Words(std::string_view line, std::vector<std::string>* words) {
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && IsSpace(line[i])) ++i;
    if (i >= line.size() || line[i] == '#') return true;
    std::size_t end;
    if (line[i] == '"') {
      end = line.find('"', i + 1);
      if (end == std::string_view::npos) return false;
      words->emplace_back(line.substr(i + 1, end - i - 1));
      i = end + 1;
    } else {
      end = i;
      while (end < line.size() && !IsSpace(line[end])) ++end;
      words->emplace_back(line.substr(i, end - i));
      i = end;
    }
  }
}

// A pin value as written: its sign and number; number 0 for "none".
struct Written {
  char sign = 0;  // 0, '~' or '-'
  int pin = 0;
};

std::optional<Written> ParsePin(const std::string& value) {
  if (Lower(value) == "none") return Written{};
  Written w;
  std::string_view digits = value;
  if (!digits.empty() && (digits[0] == '~' || digits[0] == '-')) {
    w.sign = digits[0];
    digits.remove_prefix(1);
  }
  if (digits.empty() || digits.size() > 2) return std::nullopt;
  for (char c : digits) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    w.pin = w.pin * 10 + (c - '0');
  }
  if (w.pin < 1 || w.pin > 25) return std::nullopt;
  return w;
}

// Whether the board inverts the pin at the connector. `tables`: the line
// is written in the published tables' sense, so a plain number is the
// register bit too.
bool InvertedAtConnector(const Written& w, bool tables) {
  if (w.sign == '~') return true;
  if (w.sign == '-') return !PortInvertsPin(w.pin);
  return tables && PortInvertsPin(w.pin);
}

// Earlier versions took both signs as an inversion at the connector and a
// plain number as no inversion.
bool ReadTheOtherWayBefore(const Written& w, bool tables) {
  if (!PortInvertsPin(w.pin)) return false;
  return w.sign == '-' || (w.sign == 0 && tables);
}

struct Field {
  const Key* key;
  std::string value;
};

class LineParser {
 public:
  explicit LineParser(const std::vector<std::string>& words) : words_(words) {}

  // The reason the line cannot be used, or empty with *out set and
  // *changed naming the pins earlier versions read the other way.
  std::string Parse(Adapter* out, std::string* changed) {
    if (Lower(words_[0]) != "adapter")
      return "expected \"adapter NAME signal=pin ...\", found " + Quoted(words_[0]);
    if (words_.size() < 2 || words_[1].empty()) return "the adapter has no name";
    // A quote inside a name could not be written back to the file.
    if (words_[1].find('"') != std::string::npos)
      return "the name " + Quoted(words_[1]) + " holds a quote";
    std::vector<Field> fields;
    bool minus = false, tilde = false;
    for (std::size_t i = 2; i < words_.size(); ++i) {
      const std::string& word = words_[i];
      const std::size_t eq = word.find('=');
      if (eq == std::string::npos) return Quoted(word) + " is not signal=pin";
      const std::string key = Lower(std::string_view(word).substr(0, eq));
      const Key* found = nullptr;
      for (const Key& k : kKeys)
        if (key == k.key) found = &k;
      if (!found) return "unknown signal " + Quoted(key) + " (" + kKeyList + ")";
      for (const Field& f : fields) {
        if (f.key == found) return "signal " + Quoted(key) + " is given twice";
        if (f.key->pin != nullptr && f.key->pin == found->pin)
          return std::string(f.key->key) + " and " + key + " are the same line: give one";
      }
      fields.push_back({found, word.substr(eq + 1)});
      if (found->pin != nullptr && !fields.back().value.empty()) {
        minus = minus || fields.back().value[0] == '-';
        tilde = tilde || fields.back().value[0] == '~';
      }
    }
    const bool tables = minus && !tilde;
    Adapter a;
    a.name = words_[1];
    for (const Field& f : fields)
      if (std::string why = Apply(f, tables, &a, changed); !why.empty()) return why;
    for (const Key& k : kKeys) {
      bool given = false;
      for (const Field& f : fields) given = given || f.key == &k;
      if (k.required && !given) return "signal \"" + std::string(k.key) + "\" is missing";
    }
    if (std::string why = CheckAdapter(a); !why.empty()) return why;
    *out = std::move(a);
    return {};
  }

 private:
  static std::string Apply(const Field& f, bool tables, Adapter* a, std::string* changed) {
    if (f.key->sense == Sense::NotASignal && std::string_view(f.key->key) == "vpp-volts") {
      const std::optional<std::uint32_t> mv = ParseMillivolts(f.value);
      if (!mv || *mv < kLeastVppMillivolts || *mv > kMostVppMillivolts)
        return std::string(f.key->key) + ": " + Quoted(f.value) + " is not a voltage of " +
               VoltsText(kLeastVppMillivolts) + " to " + VoltsText(kMostVppMillivolts);
      a->vppMillivolts = *mv;
      return {};
    }
    if (f.key->sense == Sense::NotASignal) {
      std::uint32_t us = 0;
      bool ok = !f.value.empty() && f.value.size() <= 4;
      for (char c : f.value) {
        ok = ok && std::isdigit(static_cast<unsigned char>(c));
        if (ok) us = us * 10 + static_cast<std::uint32_t>(c - '0');
      }
      if (!ok || us > kMaxClockDelayUs)
        return std::string(f.key->key) + ": " + Quoted(f.value) + " is not a wait of 0 to " +
               std::to_string(kMaxClockDelayUs) + " microseconds";
      a->clockDelayUs = us;
      return {};
    }
    const std::optional<Written> w = ParsePin(f.value);
    if (!w)
      return std::string(f.key->key) + ": " + Quoted(f.value) +
             " is not a pin (1-25, ~ or - before it for inverted, none)";
    AdapterPin& pin = a->*(f.key->pin);
    if (w->pin == 0 || (IsGroundPin(w->pin) && f.key->groundIsNone)) {
      pin = AdapterPin{};
      return {};
    }
    if (IsGroundPin(w->pin))
      return std::string(f.key->key) + ": pin " + std::to_string(w->pin) + " is a ground pin";
    const bool inverted = InvertedAtConnector(*w, tables);
    pin = AdapterPin{w->pin, f.key->sense == Sense::ChipDrives ? !inverted : inverted};
    if (f.key->sense == Sense::DrivesChip && ReadTheOtherWayBefore(*w, tables))
      *changed += std::string(changed->empty() ? "" : ", ") + f.key->key +
                  (inverted ? " is pin " + std::to_string(w->pin) + " inverted"
                            : " follows pin " + std::to_string(w->pin));
    return {};
  }

  const std::vector<std::string>& words_;
};

std::string WarningFor(const std::string& changed) {
  return "read as in the published tables, where \"-\" inverts the register bit and the port "
         "itself inverts pins 1, 14, 17 and 11: at the connector " +
         changed +
         ". Earlier versions read these pins the other way; write ~ for a pin the board "
         "inverts.";
}

}  // namespace

std::optional<AdapterFile> ParseAdapters(std::string_view text, const std::string& fileName,
                                         std::string* error) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    text.remove_prefix(kByteOrderMark.size());
  AdapterFile file;
  std::unordered_set<std::string> taken;
  for (const Adapter& builtIn : BuiltInAdapters()) taken.insert(Lower(builtIn.name));
  int lineNumber = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    const std::string where = fileName + ", line " + std::to_string(lineNumber) + ": ";
    const auto fail = [&](const std::string& why) -> std::optional<AdapterFile> {
      if (error) *error = where + why;
      return std::nullopt;
    };
    std::vector<std::string> words;
    if (!Words(line, &words)) return fail("a quote is not closed");
    if (words.empty()) continue;
    Adapter a;
    std::string changed;
    if (std::string why = LineParser(words).Parse(&a, &changed); !why.empty()) return fail(why);
    if (!taken.insert(Lower(a.name)).second)
      return fail("the name " + Quoted(a.name) + " is already taken");
    if (!changed.empty()) file.warnings.push_back(where + WarningFor(changed));
    a.source = fileName + ", line " + std::to_string(lineNumber);
    file.adapters.push_back(std::move(a));
  }
  return file;
}

std::string AdapterLine(const Adapter& a) {
  std::string line = "adapter \"" + a.name + "\"";
  const auto pin = [&](const char* key, const AdapterPin& p) {
    line += std::string(" ") + key + "=" + PinText(p);
  };
  pin("vpp", a.vpp);
  pin("vdd", a.vdd);
  pin("clock", a.clock);
  pin("data-out", a.dataOut);
  pin("data-in", a.dataIn);
  if (a.dataOutEnable.pin != 0) pin("data-out-enable", a.dataOutEnable);
  if (a.pgm.pin != 0) pin("pgm", a.pgm);
  if (a.clockDelayUs != 0) line += " clock-delay-us=" + std::to_string(a.clockDelayUs);
  if (a.vppMillivolts != kClassicBoardVppMillivolts) {
    std::string volts = VoltsText(a.vppMillivolts);
    line += " vpp-volts=" + volts.substr(0, volts.size() - 2);
  }
  return line;
}

std::optional<AdapterFile> LoadAdapterFile(const std::string& path, bool missingOk,
                                           std::string* error) {
  std::error_code ec;
  if (missingOk && path != fileio::kStandardStream && !std::filesystem::exists(path, ec) && !ec)
    return AdapterFile{};
  const std::string name = path == fileio::kStandardStream ? "standard input" : path;
  std::string text, reason;
  if (!fileio::ReadWholeFile(path, fileio::kMaxInputBytes, &text, &reason)) {
    if (error) *error = "Cannot read the adapters file " + name + ": " + reason;
    return std::nullopt;
  }
  return ParseAdapters(text, name, error);
}

}  // namespace lpt
