#include "ops/compare_walk.h"

#include "devices/family.h"
#include "ops/family_methods.h"
#include "ops/row_walk.h"
#include "ops/word_text.h"

namespace lpt {
namespace {

std::uint32_t WordAddress(int row, int col) {
  return static_cast<std::uint32_t>(8 * row + col - 1);
}

}  // namespace

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
    std::string want = expected(row, col);
    if (word == want) return WordStep::Next;
    ctx.failure =
        FailureDetail{MemoryKind::Program, WordAddress(row, col), std::move(want), std::move(word)};
    return WordStep::Fail;
  });
}

bool CompareDataMemory(OpContext& ctx, Family family, const ExpectedCell& expected) {
  if (!HasDataEeprom(family)) return true;
  ctx.proto.ResetPic();
  const RowWalk walk{.rows = ctx.device.dataRows, .rowEvents = true};
  return WalkRows(ctx, walk, [&](int row, int col) {
    std::string byte = ctx.proto.ReadDataFromDataMemory();
    std::string want = expected(row, col);
    if (byte == want) return WordStep::Next;
    ctx.failure =
        FailureDetail{MemoryKind::Data, WordAddress(row, col), std::move(want), std::move(byte)};
    return WordStep::Fail;
  });
}

bool CompareConfigWord(OpContext& ctx, Family family, std::uint16_t expected) {
  if (!FindFamily(family)) return true;
  if (StopBefore(ctx, ConfigWordAddress(ctx))) return false;
  const std::uint16_t mask = ctx.device.configMask;
  const auto read = static_cast<std::uint16_t>(ReadBackValue(ReadConfigWord(ctx, family)) & mask);
  const auto want = static_cast<std::uint16_t>(expected & mask);
  if (read == want) return true;
  ctx.failure =
      FailureDetail{MemoryKind::Config, ConfigWordAddress(family), Hex4Text(want), Hex4Text(read)};
  return false;
}

bool CompareIdDigits(OpContext& ctx, Family family, const std::string& digits, bool compare) {
  const FamilyTraits* traits = FindFamily(family);
  if (!traits) return true;
  ctx.proto.ResetPic();
  const int programWords = 8 * ctx.device.programRows;
  if (traits->word12) {
    Clocks(ctx.proto, 1 + programWords);  // the ID words follow program memory
  } else {
    ctx.proto.LoadConfiguration("3FFF");  // 2000h
  }
  const std::uint32_t first = traits->word12 ? static_cast<std::uint32_t>(programWords) : 0x2000;
  for (std::size_t i = 0; i < 4; ++i) {
    if (StopBefore(ctx, IdWordAddress(ctx, static_cast<int>(i)))) return false;
    const char digit = i < digits.size() ? digits[i] : '\0';
    const char read = LastDigit(ctx.proto.ReadDataFromProgramMemory());
    if (compare && read != digit) {
      ctx.failure = FailureDetail{MemoryKind::Id, first + static_cast<std::uint32_t>(i),
                                  digit ? std::string(1, digit) : std::string(),
                                  read ? std::string(1, read) : std::string()};
      return false;
    }
    ctx.proto.IncrementAddress();
  }
  return true;
}

}  // namespace lpt
