// SPDX-License-Identifier: GPL-2.0-or-later
#include "ops/pic18_commands.h"

#include "buffers/hex_text.h"
#include "hw/pic18_command.h"

namespace lpt {
namespace {

// Entry, the work, and the chip switched off whatever the work answered.
template <typename Work>
Pic18Outcome Session(Pic18Session& s, Work work) {
  s.link.Enter(s.waits.entryUs);
  Pic18Outcome outcome = work();
  s.link.Exit();
  return outcome;
}

Pic18Outcome Failed(std::string message) {
  Pic18Outcome outcome;
  outcome.message = std::move(message);
  return outcome;
}

// A chip that reads FFFFh or 0000h is no chip: nothing answered, or PGM
// floated high on a part with LVP set, which then never enters.
std::string NoAnswer(const Pic18Part& part) {
  return "No " + std::string(part.name) +
         " answers. Is it in the socket? With LVP set (as it leaves the factory) its PGM pin " +
         std::to_string(part.pgmPin) +
         " must be held low: connect it to Vss through a resistor if the adapter does not drive "
         "it.";
}

// The device ID check before a write.
std::optional<std::string> WrongChip(Pic18Session& s, std::uint16_t* read) {
  const std::uint16_t id = ReadPic18DeviceId(s);
  *read = id;
  if (id == 0xFFFF || id == 0x0000) return NoAnswer(s.part);
  if ((id & s.part.deviceIdMask) == s.part.deviceId) return std::nullopt;
  const Pic18Part* other = IdentifyPic18(id);
  return "The chip is not a " + std::string(s.part.name) + ": its device ID " + ToHex(id, 4) +
         "h names " + (other ? std::string(other->name) : std::string("no known part")) + ".";
}

Pic18Outcome Compare(Pic18Session& s, const Pic18Image& want, const char* what) {
  const Pic18Image read = ReadPic18Memories(s);
  Pic18Outcome outcome;
  outcome.difference = FirstPic18Difference(s.part, want, read);
  outcome.ok = !outcome.difference;
  if (!outcome.ok) outcome.message = DescribePic18Difference(what, *outcome.difference);
  return outcome;
}

}  // namespace

std::string DescribePic18Difference(const char* what, const Pic18Difference& d) {
  return std::string(what) + " failed at " + ToHex(d.address, 6) + "h: expected " +
         ToHex(d.expected, 2) + "h, read " + ToHex(d.found, 2) + "h";
}

Pic18Outcome DetectPic18(Pic18Session& s) {
  return Session(s, [&] {
    Pic18Outcome outcome;
    outcome.deviceId = ReadPic18DeviceId(s);
    const Pic18Part* part = IdentifyPic18(outcome.deviceId);
    outcome.ok = part != nullptr;
    if (!part) outcome.message = NoAnswer(s.part);
    return outcome;
  });
}

Pic18Outcome ReadPic18(Pic18Session& s, Pic18Image& into) {
  return Session(s, [&] {
    into = ReadPic18Memories(s);
    Pic18Outcome outcome;
    outcome.ok = true;
    return outcome;
  });
}

Pic18Outcome ProgramAllPic18(Pic18Session& s, const Pic18Image& image, bool anyChip) {
  return Session(s, [&] {
    std::uint16_t id = 0;
    if (auto wrong = WrongChip(s, &id); wrong && !anyChip) return Failed(*wrong);
    BulkErasePic18(s, pic18::kChipErase);
    const int buffers = WritePic18Program(s, image);
    WritePic18Ids(s, image);
    const int bytes = WritePic18Eeprom(s, image, true);
    WritePic18Config(s, image);
    Pic18Outcome outcome = Compare(s, image, "Verify");
    outcome.deviceId = id;
    outcome.buffersWritten = buffers;
    outcome.eepromBytesWritten = bytes;
    return outcome;
  });
}

Pic18Outcome ProgramDataPic18(Pic18Session& s, const Pic18Image& image) {
  return Session(s, [&] {
    std::uint16_t id = 0;
    if (auto wrong = WrongChip(s, &id)) return Failed(*wrong);
    BulkErasePic18(s, pic18::kEraseDataEeprom);
    Pic18Outcome outcome;
    outcome.eepromBytesWritten = WritePic18Eeprom(s, image, true);
    Pic18Image want = ReadPic18Memories(s);
    const Pic18Image read = want;
    want.eeprom = image.eeprom;
    outcome.difference = FirstPic18Difference(s.part, want, read);
    outcome.ok = !outcome.difference;
    if (!outcome.ok) outcome.message = DescribePic18Difference("Verify", *outcome.difference);
    return outcome;
  });
}

Pic18Outcome ProgramConfigPic18(Pic18Session& s, const Pic18Image& image) {
  return Session(s, [&] {
    std::uint16_t id = 0;
    if (auto wrong = WrongChip(s, &id)) return Failed(*wrong);
    WritePic18Config(s, image);
    Pic18Image want = ReadPic18Memories(s);
    const Pic18Image read = want;
    want.config = image.config;
    Pic18Outcome outcome;
    outcome.difference = FirstPic18Difference(s.part, want, read);
    outcome.ok = !outcome.difference;
    if (!outcome.ok) outcome.message = DescribePic18Difference("Verify", *outcome.difference);
    return outcome;
  });
}

Pic18Outcome VerifyPic18(Pic18Session& s, const Pic18Image& image) {
  return Session(s, [&] { return Compare(s, image, "Verify"); });
}

Pic18Outcome BlankCheckPic18(Pic18Session& s) {
  return Session(s, [&] { return Compare(s, BlankPic18Image(s.part), "Blank check"); });
}

Pic18Outcome ErasePic18(Pic18Session& s) {
  return Session(s, [&] {
    BulkErasePic18(s, pic18::kChipErase);
    Pic18Outcome outcome;
    outcome.ok = true;
    return outcome;
  });
}

}  // namespace lpt
