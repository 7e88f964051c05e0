#include "ops/compare_walk.h"

#include "devices/family.h"
#include "ops/family_methods.h"
#include "ops/row_walk.h"
#include "ops/word_text.h"

namespace lpt {

bool CompareProgramMemory(OpContext& ctx, int family, const ExpectedCell& expected) {
  const FamilyTraits* traits = FindFamily(family);
  const FamilyMethods* methods = FindMethods(family);
  if (!traits || !methods) return true;
  ctx.proto.ResetPic();
  if (traits->word12) ctx.proto.CLK();  // the counter starts on the configuration word
  const RowWalk walk{.rows = ctx.device.ProgramRows,
                     .lastWordRule = traits->lastWordRule,
                     .rowProgress = true,
                     .rowEvents = !traits->word12};
  return WalkRows(ctx, walk, [&](int row, int col) {
    if (methods->comparedRows > 0 && row >= methods->comparedRows) return WordStep::Next;
    std::string word = ctx.proto.ReadDataM();
    if (traits->word12) word = Drop1(word);
    return word == expected(row, col) ? WordStep::Next : WordStep::Fail;
  });
}

bool CompareDataMemory(OpContext& ctx, int family, const ExpectedCell& expected) {
  if (!HasDataEeprom(family)) return true;
  ctx.proto.ResetPic();
  const RowWalk walk{.rows = ctx.device.DataRows, .rowEvents = true};
  return WalkRows(ctx, walk, [&](int row, int col) {
    return ctx.proto.ReadDataD() == expected(row, col) ? WordStep::Next : WordStep::Fail;
  });
}

bool CompareConfigWord(OpContext& ctx, int family, std::uint16_t expected) {
  if (!FindFamily(family)) return true;
  const std::uint16_t mask = ctx.device.ConfigMask;
  return (ReadBackValue(ReadConfigWord(ctx, family)) & mask) == (expected & mask);
}

bool CompareIdDigits(OpContext& ctx, int family, const std::string& digits) {
  const FamilyTraits* traits = FindFamily(family);
  if (!traits) return true;
  ctx.proto.ResetPic();
  if (traits->word12) {
    Clocks(ctx.proto, 1 + 8 * ctx.device.ProgramRows);  // the ID words follow program memory
  } else {
    ctx.proto.LoadConfig("3FFF");  // 2000h
  }
  for (std::size_t i = 0; i < 4; ++i) {
    const char digit = i < digits.size() ? digits[i] : '\0';
    if (LastDigit(ctx.proto.ReadDataM()) != digit) return false;
    ctx.proto.CLK();
  }
  return true;
}

}  // namespace lpt
