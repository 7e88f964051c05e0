// SPDX-License-Identifier: GPL-2.0-or-later
#include "devices/family.h"
#include "ops/erase_passes.h"
#include "ops/family_methods.h"
#include "ops/flash12.h"
#include "ops/program_passes.h"
#include "ops/row_walk.h"
#include "ops/write_cycle.h"

namespace lpt {

void EpromPulse(OpContext& ctx, std::uint16_t word) {
  ctx.proto.LoadDataForProgramMemory(word);
  ctx.proto.BeginEraseProgrammingCycle();
  ctx.delay.WaitUs(200);
  ctx.proto.EndProgrammingEprom();
}

namespace {

constexpr std::uint16_t kBlank14 = 0x3FFF;
constexpr std::uint16_t kBlank12 = 0x0FFF;
constexpr std::uint16_t kWord12Bits = 0x0FFF;

void RunPreErase(OpContext& ctx, PreErase erase) {
  switch (erase) {
    case PreErase::None:
      return;
    case PreErase::EraseChip16F62xA:
      return EraseChip16F62xA(ctx);
    case PreErase::EraseChip16F87x:
      return EraseChip16F87x(ctx);
    case PreErase::EraseKeepingCalibration:
      return EraseKeepingCalibration(ctx);
    case PreErase::ChipErase:
      return ChipEraseAll(ctx);
    case PreErase::ConfigurationArea:
      return EraseConfigurationArea(ctx);
    case PreErase::EraseKeepingOsccal:
      return EraseKeepingOsccal(ctx, true);
  }
}

// One write cycle: load, begin, wait, read back (into `read`).
bool WriteCycle(OpContext& ctx, const CellWord& word, bool eraseFirst, std::uint32_t waitMs,
                std::uint16_t& read) {
  ++ctx.summary.programWords;
  ctx.proto.LoadDataForProgramMemory(word.value);
  if (eraseFirst) {
    ctx.proto.BeginEraseProgrammingCycle();
  } else {
    ctx.proto.BeginProgrammingOnlyCycle();
  }
  WaitAfter(ctx, WaitKind::ProgramWord, waitMs);
  read = ctx.proto.ReadDataFromProgramMemory();
  return word.Matches(read);
}

// One word of the pass; `read` ends holding the last read-back (of a 12-bit
// part its 12 bits), which is what a failing word shows.
WordStep ProgramWord(OpContext& ctx, const FamilyMethods& m, ProgramMethod method,
                     const CellWord& w, std::uint16_t& read) {
  const auto verdict = [](bool ok) { return ok ? WordStep::Next : WordStep::Fail; };
  if (ErasedCellsNeedNoWrite(ctx) && w.Matches(kBlank14)) return WordStep::Next;
  switch (method) {
    case ProgramMethod::None:
    case ProgramMethod::LatchedRows:  // whole rows, by ProgramLatchedRows
      return WordStep::Next;
    case ProgramMethod::ReadCompareWrite:
      // An erased word cannot already hold the word to write.
      if (!ErasedCellsNeedNoWrite(ctx)) {
        read = ctx.proto.ReadDataFromProgramMemory();
        if (w.Matches(read)) return WordStep::Next;
      }
      return verdict(WriteCycle(ctx, w, true, m.programWaitMs, read));
    case ProgramMethod::ProgramOnly:
      if (w.Matches(kBlank14)) return WordStep::Next;
      return verdict(WriteCycle(ctx, w, false, m.programWaitMs, read));
    case ProgramMethod::EraseProgram:
      if (w.Matches(kBlank14)) return WordStep::Next;
      return verdict(WriteCycle(ctx, w, true, m.programWaitMs, read));
    case ProgramMethod::WriteEveryWord:
      ++ctx.summary.programWords;
      for (int attempt = 0; attempt < kFlashAttempts; ++attempt) {
        ctx.proto.LoadDataForProgramMemory(w.value);
        ctx.proto.BeginProgrammingOnlyCycle();
        WaitAfter(ctx, WaitKind::ProgramWord, m.programWaitMs);
        ctx.proto.EndProgramming16F87xA();
        read = ctx.proto.ReadDataFromProgramMemory();
        if (w.Matches(read)) return WordStep::Next;
      }
      return WordStep::Fail;
    case ProgramMethod::EpromPulses:
      if (w.Matches(kBlank14)) return WordStep::Next;
      ++ctx.summary.programWords;
      return verdict(
          PulseUntil(ctx, w.value, kEpromTries14, kEpromExtra14, [&](std::uint16_t back) {
            read = back;
            return w.Matches(read);
          }));
    case ProgramMethod::ProgramEndCycle:
      if (w.Matches(kBlank12)) return WordStep::Next;
      ++ctx.summary.programWords;
      read = WriteCycle12(ctx, w.value, WaitKind::ProgramWord, m.programWaitMs);
      return verdict(w.Matches(read));
    case ProgramMethod::EpromPulses12:
      if (w.Matches(kBlank12)) return WordStep::Next;
      ++ctx.summary.programWords;
      return verdict(
          PulseUntil(ctx, w.value, kEpromTries12, kEpromExtra12, [&](std::uint16_t back) {
            read = back & kWord12Bits;
            return w.Matches(read);
          }));
  }
  return WordStep::Fail;
}

}  // namespace

bool ProgramProgramMemory(OpContext& ctx, Family family) {
  const FamilyMethods* methods = FindMethods(family);
  if (!methods) return true;
  if (StopBefore(ctx, 0)) return false;  // before the erase some families start with
  RunPreErase(ctx, methods->preErase);
  ctx.chipErased = methods->preErase != PreErase::None;
  const bool lastWordRule = HasLastWordRule(family);
  const int words = WalkEnd(ctx, 8 * ctx.device.programRows - (lastWordRule ? 1 : 0), [&](int a) {
    return !ctx.buffers.ProgramWordValue(a, family).Matches(kBlank14);
  });
  if (words == 0) return true;
  const ProgramMethod method = ProgramMethodIn(*methods, ctx.state.timing);
  if (method == ProgramMethod::LatchedRows)
    return ProgramLatchedRows(ctx, family, ctx.device.record->writeLatches, methods->rowCycle,
                              words);
  ctx.proto.ResetPic();
  if (IsWord12Family(family))
    ctx.proto.IncrementAddress();  // the counter starts on the configuration word
  const RowWalk walk{.rows = ctx.device.programRows,
                     .lastWordRule = lastWordRule,
                     .rowProgress = true,
                     .words = words};
  return WalkRows(ctx, walk, [&](int address) {
    std::uint16_t read = 0;
    const WordStep step =
        ProgramWord(ctx, *methods, method, ctx.buffers.ProgramWordValue(address, family), read);
    if (step == WordStep::Fail)
      ctx.failure = FailureDetail{MemoryKind::Program, static_cast<std::uint32_t>(address),
                                  ctx.buffers.ProgramText(address), ProgramCellText(read, family)};
    return step;
  });
}

}  // namespace lpt
