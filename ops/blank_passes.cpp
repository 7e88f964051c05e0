#include "ops/blank_passes.h"

#include "devices/family.h"
#include "ops/compare_walk.h"

namespace lpt {

bool BlankProgramMemory(OpContext& ctx, int family) {
  const std::string blank = BlankProgramText(family);  // "3FFF", or "FFF" for 12-bit words
  return CompareProgramMemory(ctx, family, [&](int, int) { return blank; });
}

bool BlankDataMemory(OpContext& ctx, int family) {
  return CompareDataMemory(ctx, family, [](int, int) { return std::string("FF"); });
}

bool BlankFuses(OpContext& ctx, int family) { return CompareConfigWord(ctx, family, 0x3FFF); }

bool BlankID(OpContext& ctx, int family) { return CompareIdDigits(ctx, family, "FFFF"); }

}  // namespace lpt
