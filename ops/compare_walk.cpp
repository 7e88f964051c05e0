#include "ops/compare_walk.h"

#include "devices/family.h"
#include "ops/family_methods.h"
#include "ops/row_walk.h"
#include "ops/word_text.h"

namespace lpt {

bool CompareProgramMemory(OpContext& ctx, Family family, const ExpectedCell& expected) {
  const FamilyTraits* traits = FindFamily(family);
  const FamilyMethods* methods = FindMethods(family);
  if (!traits || !methods) return true;
  ctx.proto.ResetPic();
  if (traits->word12) ctx.proto.IncrementAddress();  // the counter starts on the configuration word
  const RowWalk walk{.rows = ctx.device.programRows,
                     .lastWordRule = traits->lastWordRule,
                     .rowProgress = true,
                     .rowEvents = !traits->word12};
  return WalkRows(ctx, walk, [&](int row, int col) {
    if (methods->comparedRows > 0 && row >= methods->comparedRows) return WordStep::Next;
    std::string word = ctx.proto.ReadDataFromProgramMemory();
    if (traits->word12) word = Drop1(word);
    return word == expected(row, col) ? WordStep::Next : WordStep::Fail;
  });
}

bool CompareDataMemory(OpContext& ctx, Family family, const ExpectedCell& expected) {
  if (!HasDataEeprom(family)) return true;
  ctx.proto.ResetPic();
  const RowWalk walk{.rows = ctx.device.dataRows, .rowEvents = true};
  return WalkRows(ctx, walk, [&](int row, int col) {
    return ctx.proto.ReadDataFromDataMemory() == expected(row, col) ? WordStep::Next
                                                                    : WordStep::Fail;
  });
}

bool CompareConfigWord(OpContext& ctx, Family family, std::uint16_t expected) {
  if (!FindFamily(family)) return true;
  if (StopBefore(ctx, ConfigWordAddress(ctx))) return false;
  const std::uint16_t mask = ctx.device.configMask;
  return (ReadBackValue(ReadConfigWord(ctx, family)) & mask) == (expected & mask);
}

bool CompareIdDigits(OpContext& ctx, Family family, const std::string& digits) {
  const FamilyTraits* traits = FindFamily(family);
  if (!traits) return true;
  ctx.proto.ResetPic();
  if (traits->word12) {
    Clocks(ctx.proto, 1 + 8 * ctx.device.programRows);  // the ID words follow program memory
  } else {
    ctx.proto.LoadConfiguration("3FFF");  // 2000h
  }
  for (std::size_t i = 0; i < 4; ++i) {
    if (StopBefore(ctx, IdWordAddress(ctx, static_cast<int>(i)))) return false;
    const char digit = i < digits.size() ? digits[i] : '\0';
    if (LastDigit(ctx.proto.ReadDataFromProgramMemory()) != digit) return false;
    ctx.proto.IncrementAddress();
  }
  return true;
}

}  // namespace lpt
