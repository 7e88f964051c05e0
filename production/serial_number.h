// SPDX-License-Identifier: GPL-2.0-or-later
// Serial numbers for a production line: where a chip's number goes and how
// it is written into the buffers before the chip is programmed, so the
// grids show it and Verify compares it.
//
// Places:
// - "id": the user ID, as four hex digits (numbers up to FFFFh);
// - an address ("0x3F0", "3F0h", "1008"): a RETLW table of the number's
//   bytes, least significant first, one RETLW k per word, as the makers'
//   serial-number (SQTP) files give it;
// - "raw:ADDRESS": the same bytes as plain words, without the RETLW.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"

namespace lpt {

struct SerialPlace {
  enum class Kind { Id, RetlwTable, RawWords };
  Kind kind = Kind::Id;
  int address = 0;
  int bytes = 2;  // of the table or the raw words
};

struct SerialRange {
  std::uint32_t start = 0;
  std::uint32_t step = 1;
};

// "START" or "START:STEP", each decimal or hex (0x1000, 1000h); the step
// from 1 to FFFFh. nullopt with *error naming what is wrong.
std::optional<SerialRange> ParseSerialRange(const std::string& text, std::string* error);

// "id", "ADDRESS" or "raw:ADDRESS"; `bytes` is the table's length (1 to 4).
std::optional<SerialPlace> ParseSerialPlace(const std::string& text, int bytes, std::string* error);

// Whether `number` fits the place on the device (the ID's four digits, the
// table's bytes, the table inside program memory); false with *error.
bool SerialFits(const SerialPlace& place, std::uint32_t number, const ActiveDevice& device,
                std::string* error);

// Whether the place's words in program memory clash with the image the
// file loaded (a word it sets, not the erased value) or with the factory
// calibration word the chip keeps in its last word; the message naming the
// addresses, empty when they are clear. Checked before the first chip.
std::string SerialPlaceClash(const SerialPlace& place, const ActiveDevice& device,
                             const EditBuffers& image);

// Writes `number` into the buffers at the place (SerialFits must hold).
void StampSerial(const SerialPlace& place, std::uint32_t number, const ActiveDevice& device,
                 EditBuffers& buffers);

// The number as the log and the summary show it: "0x1000".
std::string SerialText(std::uint32_t number);

}  // namespace lpt
