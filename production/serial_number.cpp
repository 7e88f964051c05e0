// SPDX-License-Identifier: GPL-2.0-or-later
#include "production/serial_number.h"

#include <cstdio>

#include "buffers/hex_text.h"
#include "devices/family.h"

namespace lpt {
namespace {

// Decimal, "0x" hex or "h"-suffixed hex, up to FFFFFFFFh.
std::optional<std::uint32_t> ParseNumber(std::string text) {
  int base = 10;
  if (text.size() > 2 && (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0)) {
    text = text.substr(2);
    base = 16;
  } else if (text.size() > 1 && (text.back() == 'h' || text.back() == 'H')) {
    text.pop_back();
    base = 16;
  }
  if (text.empty() || text.size() > 10) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) return std::nullopt;
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    if (value > 0xFFFFFFFFu) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

std::uint16_t TableWord(const SerialPlace& place, std::uint32_t number, int k, Family family) {
  const auto byte = static_cast<std::uint16_t>((number >> (8 * k)) & 0xFF);
  if (place.kind == SerialPlace::Kind::RawWords) return byte;
  // RETLW k: 34kkh on the 14-bit parts, 8kkh on the 12-bit ones.
  return static_cast<std::uint16_t>((IsWord12Family(family) ? 0x0800 : 0x3400) | byte);
}

}  // namespace

std::optional<SerialRange> ParseSerialRange(const std::string& text, std::string* error) {
  const std::size_t colon = text.find(':');
  const auto start = ParseNumber(text.substr(0, colon));
  std::optional<std::uint32_t> step = 1;
  if (colon != std::string::npos) step = ParseNumber(text.substr(colon + 1));
  if (!start || !step || *step == 0 || *step > 0xFFFF) {
    *error = "Bad serial number \"" + text +
             "\": give START or START:STEP, decimal or hex (0x1000:1), the step 1 to 65535.";
    return std::nullopt;
  }
  return SerialRange{*start, *step};
}

std::optional<SerialPlace> ParseSerialPlace(const std::string& text, int bytes,
                                            std::string* error) {
  if (bytes < 1 || bytes > 4) {
    *error = "A serial number has 1 to 4 bytes.";
    return std::nullopt;
  }
  if (text == "id") return SerialPlace{SerialPlace::Kind::Id, 0, bytes};
  const bool raw = text.rfind("raw:", 0) == 0;
  const auto address = ParseNumber(raw ? text.substr(4) : text);
  if (!address || *address > 0xFFFF) {
    *error = "Bad serial number place \"" + text + "\": give id, an address, or raw:ADDRESS.";
    return std::nullopt;
  }
  return SerialPlace{raw ? SerialPlace::Kind::RawWords : SerialPlace::Kind::RetlwTable,
                     static_cast<int>(*address), bytes};
}

bool SerialFits(const SerialPlace& place, std::uint32_t number, const ActiveDevice& device,
                std::string* error) {
  if (place.kind == SerialPlace::Kind::Id) {
    if (number <= 0xFFFF) return true;
    *error = "Serial number " + SerialText(number) + " does not fit the ID's four hex digits.";
    return false;
  }
  if (place.bytes < 4 && (number >> (8 * place.bytes)) != 0) {
    *error = "Serial number " + SerialText(number) + " does not fit in " +
             std::to_string(place.bytes) + " bytes.";
    return false;
  }
  if (place.address + place.bytes > 8 * device.programRows) {
    *error = "The serial number's words at " + ToHex(place.address, 3) +
             "h run past the end of program memory of " + device.name + ".";
    return false;
  }
  return true;
}

std::string SerialPlaceClash(const SerialPlace& place, const ActiveDevice& device,
                             const EditBuffers& image) {
  if (place.kind == SerialPlace::Kind::Id) return {};
  const int last = 8 * device.programRows - 1;
  const int end = place.address + place.bytes - 1;
  const std::string words =
      "The serial number's words at " + ToHex(place.address, 3) + "h-" + ToHex(end, 3) + "h";
  if (end > last) return words + " run past the end of program memory of " + device.name + ".";
  const std::uint16_t erased = IsWord12Family(device.family) ? 0x0FFF : 0x3FFF;
  for (int address = place.address; address <= end; ++address) {
    if (address == last && HasLastWordRule(device.family))
      return words + " overlap the oscillator calibration word at " + ToHex(address, 3) +
             "h, which the chip keeps.";
    const CellWord word = image.ProgramWordValue(address, device.family);
    if (!word.spelt || word.value != erased)
      return words + " overlap the HEX file's data at " + ToHex(address, 3) + "h.";
  }
  return {};
}

void StampSerial(const SerialPlace& place, std::uint32_t number, const ActiveDevice& device,
                 EditBuffers& buffers) {
  if (place.kind == SerialPlace::Kind::Id) {
    buffers.SetIdDigits(ToHex(static_cast<int>(number & 0xFFFF), 4));
    return;
  }
  const int digits = IsWord12Family(device.family) ? 3 : 4;
  for (int k = 0; k < place.bytes; ++k)
    buffers.ProgramWord(place.address + k) =
        ToHex(TableWord(place, number, k, device.family), digits);
}

std::string SerialText(std::uint32_t number) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(number));
  return text;
}

}  // namespace lpt
