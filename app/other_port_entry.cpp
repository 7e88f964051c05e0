// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/other_port_entry.h"

#include <cctype>
#include <cstdio>

namespace lpt::app {
namespace {

std::string Trim(const std::string& text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
  return text.substr(begin, end - begin);
}

std::optional<int> Fail(std::string* error, std::string why) {
  if (error) *error = std::move(why);
  return std::nullopt;
}

}  // namespace

std::string OtherPortItem(const FoundPort& port) {
  char base[16];
  std::snprintf(base, sizeof base, "%04Xh", port.base);
  return port.device + "  " + base + "  " + StateText(port);
}

std::optional<int> ParseOtherPort(const std::string& raw, const std::vector<FoundPort>& ports,
                                  std::string* error) {
  const std::string text = Trim(raw);
  if (text.empty()) return Fail(error, "Type a port address such as D010 or choose a port.");
  for (const FoundPort& port : ports)
    if (text == OtherPortItem(port) || text == port.device) return port.base;
  if (text.rfind("/dev/", 0) == 0)
    return Fail(error, "There is no parallel port " + text + " on this machine.");
  if (text == "0") return 0;

  std::string digits = text;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
    digits.erase(0, 2);
  else if (digits.size() > 1 && (digits.back() == 'h' || digits.back() == 'H'))
    digits.pop_back();
  long value = 0;
  for (char c : digits) {
    const int d = std::isdigit(static_cast<unsigned char>(c))
                      ? c - '0'
                      : (std::isxdigit(static_cast<unsigned char>(c))
                             ? std::toupper(static_cast<unsigned char>(c)) - 'A' + 10
                             : -1);
    if (d < 0 || value > 0xFFFFF)
      return Fail(error, "\"" + text + "\" is not a hex port address or a device path.");
    value = value * 16 + d;
  }
  if (digits.empty() || value < kLowestOtherAddress || value > kHighestOtherAddress)
    return Fail(error, "Port address \"" + text + "\" is out of range (0100h to FFF8h).");
  return static_cast<int>(value);
}

}  // namespace lpt::app
