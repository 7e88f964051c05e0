// SPDX-License-Identifier: GPL-2.0-or-later
// The erase of the flash parts with write latches that have no chip erase:
// a bulk erase aimed at configuration memory, which clears program memory,
// the ID and configuration words and the code protection, protected or
// not; then the data EEPROM. The part's factory calibration words are read
// first and written back where the erase took them.
#include <vector>

#include "buffers/hex_text.h"
#include "ops/erase_passes.h"
#include "ops/id_and_config_words.h"
#include "ops/row_walk.h"
#include "ops/write_cycle.h"

namespace lpt {
namespace {

struct CalibrationWord {
  std::uint16_t address;
  std::uint16_t word;
};

// From a fresh entry: Load Configuration (2000h), then up to each address
// in turn. The addresses are in ascending order in every record.
std::vector<CalibrationWord> ReadCalibrationWords(OpContext& ctx) {
  std::vector<CalibrationWord> words;
  std::uint16_t at = ConfigSpaceAddress(ctx.device.family);
  for (std::uint16_t address : ctx.device.record->calibrationWords) {
    if (address == 0) continue;
    if (words.empty()) {
      ctx.proto.ResetPic();
      ctx.proto.LoadConfiguration(kErasedWord);
    }
    Clocks(ctx.proto, address - at);
    at = address;
    words.push_back({address, ctx.proto.ReadDataFromProgramMemory()});
  }
  return words;
}

void ReportLost(OpContext& ctx, const CalibrationWord& saved, const std::string& what) {
  ctx.hooks.Failed(Failure("Error calibration word " + ToHex(saved.address, 4) + "h! " + what));
  ctx.calibrationLost = true;
}

// A word the erase changed goes back as it was, by the family's word
// cycle, and must read back.
void RestoreCalibrationWords(OpContext& ctx, const std::vector<CalibrationWord>& saved) {
  const std::vector<CalibrationWord> now = ReadCalibrationWords(ctx);
  const FamilyMethods* methods = FindMethods(ctx.device.family);
  for (std::size_t i = 0; i < saved.size() && i < now.size() && methods; ++i) {
    if (now[i].word == saved[i].word) continue;
    ctx.proto.ResetPic();
    ctx.proto.LoadConfiguration(kErasedWord);
    Clocks(ctx.proto, saved[i].address - ConfigSpaceAddress(ctx.device.family));
    ctx.proto.LoadDataForProgramMemory(saved[i].word);
    RunWriteCycle(ctx, methods->wordCycle, WaitKind::ConfigWord);
    const std::uint16_t back = ctx.proto.ReadDataFromProgramMemory();
    if (back != saved[i].word)
      ReportLost(ctx, saved[i],
                 "Written back " + ToHex(saved[i].word, 4) + ", read " + ToHex(back, 4) + ".");
  }
}

}  // namespace

void EraseConfigurationArea(OpContext& ctx) {
  const std::vector<CalibrationWord> saved = ReadCalibrationWords(ctx);
  // A blank calibration word was lost before: no erase of ours took it,
  // and no file can give it back.
  for (const CalibrationWord& word : saved)
    if (word.word == kErasedWord) ReportLost(ctx, word, "It reads 3FFF: lost before this erase.");

  ctx.proto.ResetPic();
  ctx.proto.LoadConfiguration(kErasedWord);
  ctx.proto.BulkEraseProgramMemory();
  WaitFor(ctx, WaitKind::Erase);
  if (HasDataEeprom(ctx.device.family)) {
    ctx.proto.BulkEraseDataMemory();
    WaitFor(ctx, WaitKind::Erase);
  }
  RestoreCalibrationWords(ctx, saved);
}

}  // namespace lpt
