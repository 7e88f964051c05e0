#include "ops/read_passes.h"

#include "devices/family.h"
#include "ops/row_walk.h"
#include "ops/word_text.h"

namespace lpt {

void ReadProgramMemory(OpContext& ctx, int family) {
  const FamilyTraits* traits = FindFamily(family);
  if (!traits) return;
  ctx.proto.ResetPic();
  if (traits->word12) ctx.proto.CLK();  // the counter starts on the configuration word
  const RowWalk walk{.rows = ctx.device.ProgramRows, .rowProgress = true};
  WalkRows(ctx, walk, [&](int row, int col) {
    std::string word = ctx.proto.ReadDataM();
    StoreProgramCell(ctx.buffers, row, col, traits->word12 ? Drop1(word) : std::move(word));
    return WordStep::Next;
  });
}

void ReadDataMemory(OpContext& ctx, int family) {
  if (!HasDataEeprom(family)) return;
  ctx.proto.ResetPic();
  WalkRows(ctx, RowWalk{.rows = ctx.device.DataRows}, [&](int row, int col) {
    StoreDataCell(ctx.buffers, row, col, ctx.proto.ReadDataD());
    return WordStep::Next;
  });
}

namespace {

// Four ID words from the counter's position; only the lowest digit of each
// goes into the caption.
void ReadIdWords(OpContext& ctx) {
  std::string caption = kIdPrefix;
  for (int i = 0; i < 4; ++i) {
    const std::string word = ctx.proto.ReadDataM();
    if (!word.empty()) caption += word.back();
    ctx.proto.CLK();
  }
  ctx.buffers.IdCaption = caption;
}

void TakeFuseWord(OpContext& ctx, const std::string& word) {
  ctx.buffers.FuseWord = ReadBackValue(word);  // the whole 14-bit value, no mask
  ctx.hooks.ShowFuses(ctx.buffers.FuseWord);
}

}  // namespace

void ReadFusesID(OpContext& ctx, int family) {
  const FamilyTraits* traits = FindFamily(family);
  if (!traits) return;
  if (traits->word12) {
    ctx.proto.ResetPic();
    TakeFuseWord(ctx, ctx.proto.ReadDataM());
    // Program address 0, then past program memory to the first ID word.
    Clocks(ctx.proto, 1 + 8 * ctx.device.ProgramRows);
    ReadIdWords(ctx);
  } else {
    ctx.proto.ResetPic();
    ctx.proto.LoadConfig("3FFF");  // 2000h, the first ID word
    ReadIdWords(ctx);
    Clocks(ctx.proto, 3);  // 2004h .. 2007h
    TakeFuseWord(ctx, ctx.proto.ReadDataM());
  }
}

}  // namespace lpt
