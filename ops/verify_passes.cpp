#include "ops/verify_passes.h"

#include "ops/compare_walk.h"
#include "ops/row_walk.h"

namespace lpt {

// The passes read the cells when they reach them: the window may repaint and
// take edits while a pass handles messages.

bool VerifyProgramMemory(OpContext& ctx, Family family) {
  return CompareProgramMemory(
      ctx, family, [&](int row, int col) { return ProgramCellText(ctx.buffers, row, col); });
}

bool VerifyDataMemory(OpContext& ctx, Family family) {
  return CompareDataMemory(ctx, family,
                           [&](int row, int col) { return DataCellText(ctx.buffers, row, col); });
}

bool VerifyFuses(OpContext& ctx, Family family) {
  return CompareConfigWord(ctx, family, ctx.buffers.FuseWord);
}

bool VerifyID(OpContext& ctx, Family family) {
  return CompareIdDigits(ctx, family, ctx.buffers.IdDigits(), ctx.compareId);
}

}  // namespace lpt
