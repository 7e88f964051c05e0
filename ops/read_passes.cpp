#include "ops/read_passes.h"

#include "devices/family.h"
#include "ops/row_walk.h"
#include "ops/stop_check.h"
#include "ops/word_text.h"

namespace lpt {

void ReadProgramMemory(OpContext& ctx, Family family) {
  const FamilyTraits* traits = FindFamily(family);
  if (!traits) return;
  ctx.proto.ResetPic();
  if (traits->word12) ctx.proto.IncrementAddress();  // the counter starts on the configuration word
  const RowWalk walk{.rows = ctx.device.programRows, .rowProgress = true};
  WalkRows(ctx, walk, [&](int row, int col) {
    std::string word = ctx.proto.ReadDataFromProgramMemory();
    StoreProgramCell(ctx.buffers, row, col, traits->word12 ? Drop1(word) : std::move(word));
    return WordStep::Next;
  });
}

void ReadDataMemory(OpContext& ctx, Family family) {
  if (!HasDataEeprom(family)) return;
  ctx.proto.ResetPic();
  WalkRows(ctx, RowWalk{.rows = ctx.device.dataRows}, [&](int row, int col) {
    StoreDataCell(ctx.buffers, row, col, ctx.proto.ReadDataFromDataMemory());
    return WordStep::Next;
  });
}

namespace {

// Four ID words from the counter's position; only the lowest digit of each
// is the ID.
void ReadIdWords(OpContext& ctx) {
  std::string digits;
  for (int i = 0; i < 4; ++i) {
    if (StopBefore(ctx, IdWordAddress(ctx, i))) return;  // the caption stays as it was
    const std::string word = ctx.proto.ReadDataFromProgramMemory();
    if (!word.empty()) digits += word.back();
    ctx.proto.IncrementAddress();
  }
  ctx.buffers.SetIdDigits(digits);
}

void TakeFuseWord(OpContext& ctx, const std::string& word) {
  ctx.buffers.FuseWord = ReadBackValue(word);  // the whole 14-bit value, no mask
  ctx.hooks.ConfigurationRead(ctx.buffers.FuseWord);
}

}  // namespace

void ReadFusesID(OpContext& ctx, Family family) {
  const FamilyTraits* traits = FindFamily(family);
  if (!traits) return;
  if (traits->word12) {
    if (StopBefore(ctx, ConfigWordAddress(ctx))) return;
    ctx.proto.ResetPic();
    TakeFuseWord(ctx, ctx.proto.ReadDataFromProgramMemory());
    // Program address 0, then past program memory to the first ID word.
    Clocks(ctx.proto, 1 + 8 * ctx.device.programRows);
    ReadIdWords(ctx);
  } else {
    ctx.proto.ResetPic();
    ctx.proto.LoadConfiguration("3FFF");  // 2000h, the first ID word
    ReadIdWords(ctx);
    Clocks(ctx.proto, 3);  // 2004h .. 2007h
    if (StopBefore(ctx, ConfigWordAddress(ctx))) return;
    TakeFuseWord(ctx, ctx.proto.ReadDataFromProgramMemory());
  }
}

}  // namespace lpt
