// SPDX-License-Identifier: GPL-2.0-or-later
#include "ops/blank_passes.h"

#include "buffers/cell_entry.h"
#include "ops/compare_walk.h"

namespace lpt {
namespace {

// Every address expects the blank word of the format: 3FFFh, FFFh or FFh.
ExpectedWords EveryWordBlank(CellFormat format) {
  return {[format](int) {
            return CellWord{format.blank, true};
          },
          [format](int) { return BlankCellText(format); }};
}

}  // namespace

bool BlankProgramMemory(OpContext& ctx, Family family) {
  return CompareProgramMemory(ctx, family, EveryWordBlank(ProgramCellFormat(family)));
}

bool BlankDataMemory(OpContext& ctx, Family family) {
  return CompareDataMemory(ctx, family, EveryWordBlank(DataCellFormat()));
}

bool BlankFuses(OpContext& ctx, Family family) {
  return CompareConfigWords(ctx, family, {0x3FFF, 0x3FFF});
}

bool BlankID(OpContext& ctx, Family family) { return CompareIdDigits(ctx, family, "FFFF"); }

}  // namespace lpt
