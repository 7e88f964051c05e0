#include "hw/adapter_file.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace lpt {
namespace {

struct SignalKey {
  const char* key;
  AdapterPin Adapter::*pin;
  bool required;
};

constexpr SignalKey kKeys[] = {
    {"clock", &Adapter::clock, true},    {"data-out", &Adapter::dataOut, true},
    {"data-in", &Adapter::dataIn, true}, {"vpp", &Adapter::vpp, true},
    {"vdd", &Adapter::vdd, true},        {"data-out-enable", &Adapter::dataOutEnable, false},
};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Splits a line into words; a word may be "quoted" to hold spaces.
// False when a quote is not closed.
bool Words(std::string_view line, std::vector<std::string>* words) {
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && IsSpace(line[i])) ++i;
    if (i >= line.size()) return true;
    std::string word;
    if (line[i] == '"') {
      const std::size_t end = line.find('"', i + 1);
      if (end == std::string_view::npos) return false;
      word = line.substr(i + 1, end - i - 1);
      i = end + 1;
    } else {
      while (i < line.size() && !IsSpace(line[i])) word += line[i++];
    }
    words->push_back(std::move(word));
  }
}

// "3", "~10", "-5", "none".
std::optional<AdapterPin> ParsePin(const std::string& value) {
  if (value == "none") return AdapterPin{};
  AdapterPin pin;
  std::string digits = value;
  if (!digits.empty() && (digits[0] == '~' || digits[0] == '-')) {
    pin.inverted = true;
    digits.erase(0, 1);
  }
  if (digits.empty() || digits.size() > 2) return std::nullopt;
  for (char c : digits)
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
  pin.pin = std::stoi(digits);
  if (pin.pin < 1 || pin.pin > 25) return std::nullopt;
  // Pins 18-25 are ground: an adapter line there is not connected.
  if (pin.pin >= 18) pin = AdapterPin{};
  return pin;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// One "adapter" line into *out; the reason when it cannot be used.
std::string ParseLine(const std::vector<std::string>& words, Adapter* out) {
  if (words[0] != "adapter")
    return "expected \"adapter NAME signal=pin ...\", found \"" + words[0] + "\"";
  if (words.size() < 2 || words[1].empty()) return "the adapter has no name";
  Adapter a;
  a.name = words[1];
  a.vdd = AdapterPin{};
  std::vector<std::string> seen;
  for (std::size_t i = 2; i < words.size(); ++i) {
    const std::size_t eq = words[i].find('=');
    if (eq == std::string::npos) return "\"" + words[i] + "\" is not signal=pin";
    const std::string key = Lower(words[i].substr(0, eq));
    const std::string value = words[i].substr(eq + 1);
    const SignalKey* found = nullptr;
    for (const SignalKey& k : kKeys)
      if (key == k.key) found = &k;
    if (!found)
      return "unknown signal \"" + key + "\" (clock, data-out, data-in, vpp, vdd, data-out-enable)";
    for (const std::string& s : seen)
      if (s == key) return "signal \"" + key + "\" is given twice";
    seen.push_back(key);
    const std::optional<AdapterPin> pin = ParsePin(value);
    if (!pin) return key + ": \"" + value + "\" is not a pin (1-25, ~ or - for inverted, none)";
    a.*(found->pin) = *pin;
  }
  for (const SignalKey& k : kKeys) {
    bool given = false;
    for (const std::string& s : seen) given = given || s == k.key;
    if (k.required && !given) return "signal \"" + std::string(k.key) + "\" is missing";
  }
  std::string why = CheckAdapter(a);
  if (!why.empty()) return why;
  *out = std::move(a);
  return {};
}

}  // namespace

std::optional<std::vector<Adapter>> ParseAdapters(std::string_view text,
                                                  const std::string& fileName, std::string* error) {
  std::vector<Adapter> adapters;
  int lineNumber = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    const auto fail = [&](const std::string& why) -> std::optional<std::vector<Adapter>> {
      if (error) *error = fileName + ", line " + std::to_string(lineNumber) + ": " + why;
      return std::nullopt;
    };
    std::vector<std::string> words;
    if (!Words(line, &words)) return fail("a quote is not closed");
    if (words.empty() || words[0][0] == '#') continue;
    Adapter a;
    if (std::string why = ParseLine(words, &a); !why.empty()) return fail(why);
    for (const std::vector<Adapter>* list :
         {&BuiltInAdapters(), static_cast<const std::vector<Adapter>*>(&adapters)})
      for (const Adapter& other : *list)
        if (Lower(other.name) == Lower(a.name))
          return fail("the name \"" + a.name + "\" is already taken");
    adapters.push_back(std::move(a));
  }
  return adapters;
}

std::optional<std::vector<Adapter>> LoadAdapterFile(const std::string& path, bool missingOk,
                                                    std::string* error) {
  std::error_code ec;
  if (missingOk && !std::filesystem::exists(path, ec)) return std::vector<Adapter>{};
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error) *error = "Cannot read the adapters file " + path + ".";
    return std::nullopt;
  }
  std::ostringstream text;
  text << in.rdbuf();
  return ParseAdapters(text.str(), path, error);
}

}  // namespace lpt
