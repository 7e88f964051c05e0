#include "ops/blank_passes.h"

#include "devices/family.h"
#include "ops/compare_walk.h"

namespace lpt {

bool BlankProgramMemory(OpContext& ctx, Family family) {
  const std::string blank = BlankProgramText(family);  // "3FFF", or "FFF" for 12-bit words
  return CompareProgramMemory(ctx, family, [&](int, int) { return blank; });
}

bool BlankDataMemory(OpContext& ctx, Family family) {
  return CompareDataMemory(ctx, family, [](int, int) { return std::string("FF"); });
}

bool BlankFuses(OpContext& ctx, Family family) { return CompareConfigWord(ctx, family, 0x3FFF); }

bool BlankID(OpContext& ctx, Family family) { return CompareIdDigits(ctx, family, "FFFF"); }

}  // namespace lpt
