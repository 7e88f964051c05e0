// SPDX-License-Identifier: GPL-2.0-or-later
#include "ops/compare_walk.h"

#include "buffers/hex_text.h"
#include "devices/family.h"
#include "ops/family_methods.h"
#include "ops/id_and_config_words.h"
#include "ops/row_walk.h"

namespace lpt {

bool CompareProgramMemory(OpContext& ctx, Family family, const ExpectedWords& expected) {
  const FamilyTraits* traits = FindFamily(family);
  const FamilyMethods* methods = FindMethods(family);
  if (!traits || !methods) return true;
  ctx.proto.ResetPic();
  if (traits->word12) ctx.proto.IncrementAddress();  // the counter starts on the configuration word
  const RowWalk walk{
      .rows = ctx.device.programRows, .lastWordRule = traits->lastWordRule, .rowProgress = true};
  const int comparedWords = 8 * methods->comparedRows;
  return WalkRows(ctx, walk, [&](int address) {
    if (comparedWords > 0 && address >= comparedWords) return WordStep::Next;
    const auto read =
        static_cast<std::uint16_t>(ctx.proto.ReadDataFromProgramMemory() & ProgramWordBits(family));
    if (expected.word(address).Matches(read)) return WordStep::Next;
    ctx.failure = FailureDetail{MemoryKind::Program, static_cast<std::uint32_t>(address),
                                expected.text(address), ProgramCellText(read, family)};
    return WordStep::Fail;
  });
}

bool CompareDataMemory(OpContext& ctx, Family family, const ExpectedWords& expected) {
  if (!HasDataEeprom(family)) return true;
  ctx.proto.ResetPic();
  return WalkRows(ctx, RowWalk{.rows = ctx.device.dataRows, .rowProgress = true, .freshBar = true},
                  [&](int address) {
                    const std::uint16_t read = ctx.proto.ReadDataFromDataMemory();
                    if (expected.word(address).Matches(read)) return WordStep::Next;
                    ctx.failure =
                        FailureDetail{MemoryKind::Data, static_cast<std::uint32_t>(address),
                                      expected.text(address), DataCellText(read)};
                    return WordStep::Fail;
                  });
}

bool CompareConfigWords(OpContext& ctx, Family family, std::array<std::uint16_t, 2> expected) {
  if (!FindFamily(family)) return true;
  for (int index = 0; index < ConfigWordCount(ctx.device); ++index) {
    if (StopBefore(ctx, ConfigWordAddress(family, index))) return false;
    const std::uint16_t mask = ConfigWordMask(ctx.device, index);
    if (index > 0) ctx.proto.IncrementAddress();  // 2007h to 2008h
    const std::uint16_t word =
        index == 0 ? ReadConfigWord(ctx, family) : ctx.proto.ReadDataFromProgramMemory();
    const auto read = static_cast<std::uint16_t>(word & mask);
    const auto want = static_cast<std::uint16_t>(expected[static_cast<std::size_t>(index)] & mask);
    if (read == want) continue;
    ctx.failure = FailureDetail{MemoryKind::Config,
                                static_cast<std::uint32_t>(ConfigWordAddress(family, index)),
                                ToHex(want, 4), ToHex(read, 4)};
    return false;
  }
  return true;
}

bool CompareIdDigits(OpContext& ctx, Family family, std::string_view digits, bool compare) {
  if (!FindFamily(family)) return true;
  GoToIdWords(ctx.proto, ctx.device);
  for (int i = 0; i < 4; ++i) {
    const int address = IdWordAddress(ctx.device, i);
    if (StopBefore(ctx, address)) return false;
    const std::uint16_t read = ctx.proto.ReadDataFromProgramMemory();
    if (compare && !IdCellWord(digits, i, family).MatchesLowDigit(read)) {
      ctx.failure = FailureDetail{MemoryKind::Id, static_cast<std::uint32_t>(address),
                                  IdDigitText(digits, i), std::string(1, IdDigitOf(read))};
      return false;
    }
    ctx.proto.IncrementAddress();
  }
  return true;
}

}  // namespace lpt
