// SPDX-License-Identifier: GPL-2.0-or-later
// Program memory of a chip with write latches: after the erase, each
// aligned row of words is loaded into the latches (Increment Address
// between the words) and programmed by one write cycle of the family. A row whose words are all
// still erased is passed with Increment Address only. The address counter
// only counts up, so the words are read back in a second walk from the
// start, every word compared.
#include "ops/id_and_config_words.h"
#include "ops/program_passes.h"
#include "ops/row_walk.h"
#include "ops/write_cycle.h"

namespace lpt {
namespace {

bool RowIsErased(const OpContext& ctx, Family family, int first, int latches) {
  if (!ctx.chipErased) return false;
  for (int i = 0; i < latches; ++i)
    if (!ctx.buffers.ProgramWordValue(first + i, family).Matches(kErasedWord)) return false;
  return true;
}

// Loads and programs the row from `first`; the counter ends on its last word.
void ProgramRow(OpContext& ctx, Family family, int first, int latches, const WriteCycle& cycle) {
  for (int i = 0; i < latches; ++i) {
    const CellWord word = ctx.buffers.ProgramWordValue(first + i, family);
    // Every latch of the row is loaded, the erased words too: no latch may
    // hold what an earlier row left in it.
    ctx.proto.LoadDataForProgramMemory(word.value);
    if (!word.Matches(kErasedWord)) ++ctx.summary.programWords;
    if (i + 1 < latches) ctx.proto.IncrementAddress();
  }
  RunWriteCycle(ctx, cycle, WaitKind::ProgramWord);
}

bool ReadBack(OpContext& ctx, Family family, int words) {
  ctx.proto.ResetPic();
  return WalkRows(ctx, RowWalk{.rows = ctx.device.programRows, .words = words}, [&](int address) {
    const std::uint16_t read = ctx.proto.ReadDataFromProgramMemory();
    if (ctx.buffers.ProgramWordValue(address, family).Matches(read)) return WordStep::Next;
    ctx.failure = FailureDetail{MemoryKind::Program, static_cast<std::uint32_t>(address),
                                ctx.buffers.ProgramText(address), ProgramCellText(read, family)};
    return WordStep::Fail;
  });
}

}  // namespace

bool ProgramLatchedRows(OpContext& ctx, Family family, int latches, const WriteCycle& cycle,
                        int words) {
  if (words < 0) words = 8 * ctx.device.programRows;
  ctx.proto.ResetPic();
  for (int first = 0; first < words; first += latches) {
    if (StopBefore(ctx, first)) return false;
    if (RowIsErased(ctx, family, first, latches)) {
      Clocks(ctx.proto, latches - 1);
    } else {
      ProgramRow(ctx, family, first, latches, cycle);
    }
    ctx.proto.IncrementAddress();
    const int done = first + latches;
    if (done % 8 == 0) ctx.hooks.Progress(done / 8 - 1, ctx.device.programRows - 1);
  }
  return ReadBack(ctx, family, words);
}

}  // namespace lpt
