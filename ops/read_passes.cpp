// SPDX-License-Identifier: GPL-2.0-or-later
#include "ops/read_passes.h"

#include <array>

#include "devices/family.h"
#include "ops/id_and_config_words.h"
#include "ops/row_walk.h"
#include "ops/stop_check.h"

namespace lpt {

void ReadProgramMemory(OpContext& ctx, Family family) {
  const FamilyTraits* traits = FindFamily(family);
  if (!traits) return;
  ctx.proto.ResetPic();
  if (traits->word12) ctx.proto.IncrementAddress();  // the counter starts on the configuration word
  const RowWalk walk{.rows = ctx.device.programRows, .rowProgress = true};
  WalkRows(ctx, walk, [&](int address) {
    ctx.buffers.StoreProgramWord(address, family, ctx.proto.ReadDataFromProgramMemory());
    return WordStep::Next;
  });
}

void ReadDataMemory(OpContext& ctx, Family family) {
  if (!HasDataEeprom(family)) return;
  ctx.proto.ResetPic();
  WalkRows(ctx, RowWalk{.rows = ctx.device.dataRows, .rowProgress = true, .freshBar = true},
           [&](int address) {
             ctx.buffers.StoreDataByte(address, ctx.proto.ReadDataFromDataMemory());
             return WordStep::Next;
           });
}

namespace {

// Four ID words from the counter's position; only the lowest digit of each
// is the ID.
void ReadIdWords(OpContext& ctx) {
  std::array<std::uint16_t, 4> words{};
  for (int i = 0; i < 4; ++i) {
    if (StopBefore(ctx, IdWordAddress(ctx.device, i))) return;  // the ID stays as it was
    words[static_cast<std::size_t>(i)] = ctx.proto.ReadDataFromProgramMemory();
    ctx.proto.IncrementAddress();
  }
  ctx.buffers.StoreIdWords(words);
}

void TakeFuseWord(OpContext& ctx, std::uint16_t word) {
  ctx.buffers.FuseWord = word;  // the whole 14-bit value, no mask
  ctx.hooks.ConfigurationRead(ctx.buffers.FuseWord);
}

}  // namespace

void ReadFusesID(OpContext& ctx, Family family) {
  const FamilyTraits* traits = FindFamily(family);
  if (!traits) return;
  if (traits->word12) {
    if (StopBefore(ctx, ConfigWordAddress(family))) return;
    ctx.proto.ResetPic();
    TakeFuseWord(ctx, ctx.proto.ReadDataFromProgramMemory());
    StepToIdWords(ctx.proto, ctx.device);  // a read leaves the counter where it was
    ReadIdWords(ctx);
  } else {
    GoToIdWords(ctx.proto, ctx.device);
    ReadIdWords(ctx);
    Clocks(ctx.proto, 3);  // 2004h .. 2007h
    if (StopBefore(ctx, ConfigWordAddress(family))) return;
    TakeFuseWord(ctx, ctx.proto.ReadDataFromProgramMemory());
    if (ConfigWordCount(ctx.device) < 2 || StopBefore(ctx, ConfigWordAddress(family, 1))) return;
    ctx.proto.IncrementAddress();
    ctx.buffers.SecondFuseWord = ctx.proto.ReadDataFromProgramMemory();  // whole, as the first
  }
}

}  // namespace lpt
