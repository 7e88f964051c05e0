#include "devices/family.h"
#include "ops/erase_passes.h"
#include "ops/family_methods.h"
#include "ops/program_passes.h"
#include "ops/row_walk.h"
#include "ops/word_text.h"

namespace lpt {

void EpromPulse(OpContext& ctx, const std::string& word) {
  ctx.proto.LoadDataForProgramMemory(word);
  ctx.proto.BeginEraseProgrammingCycle();
  ctx.delay.WaitUs(200);
  ctx.proto.EndProgrammingEprom();
}

namespace {

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
  }
}

// One write cycle: load, begin, wait, read back (into `read`).
bool WriteCycle(OpContext& ctx, const std::string& word, bool eraseFirst, std::uint32_t waitMs,
                std::string& read) {
  ctx.proto.LoadDataForProgramMemory(word);
  if (eraseFirst) {
    ctx.proto.BeginEraseProgrammingCycle();
  } else {
    ctx.proto.BeginProgrammingOnlyCycle();
  }
  WaitAfter(ctx, WaitKind::ProgramWord, waitMs);
  read = ctx.proto.ReadDataFromProgramMemory();
  return read == word;
}

// One word of the pass; `read` ends holding the last read-back, which is
// what a failing word shows.
WordStep ProgramWord(OpContext& ctx, const FamilyMethods& m, const std::string& w,
                     std::string& read) {
  const auto verdict = [](bool ok) { return ok ? WordStep::Next : WordStep::Fail; };
  switch (m.program) {
    case ProgramMethod::None:
      return WordStep::Next;
    case ProgramMethod::ReadCompareWrite:
      read = ctx.proto.ReadDataFromProgramMemory();
      if (read == w) return WordStep::Next;
      return verdict(WriteCycle(ctx, w, true, m.programWaitMs, read));
    case ProgramMethod::ProgramOnly:
      if (w == "3FFF") return WordStep::Next;
      return verdict(WriteCycle(ctx, w, false, m.programWaitMs, read));
    case ProgramMethod::EraseProgram:
      if (w == "3FFF") return WordStep::Next;
      return verdict(WriteCycle(ctx, w, true, m.programWaitMs, read));
    case ProgramMethod::WriteEveryWord:
      for (int attempt = 0; attempt < kFlashAttempts; ++attempt) {
        ctx.proto.LoadDataForProgramMemory(w);
        ctx.proto.BeginProgrammingOnlyCycle();
        WaitAfter(ctx, WaitKind::ProgramWord, m.programWaitMs);
        ctx.proto.EndProgramming16F87xA();
        read = ctx.proto.ReadDataFromProgramMemory();
        if (read == w) return WordStep::Next;
      }
      return WordStep::Fail;
    case ProgramMethod::EpromPulses:
      if (w == "3FFF") return WordStep::Next;
      return verdict(PulseUntil(ctx, w, kEpromTries14, kEpromExtra14, [&](const std::string& back) {
        read = back;
        return back == w;
      }));
    case ProgramMethod::EpromPulses12:
      if (w == "FFF") return WordStep::Next;
      return verdict(
          PulseUntil(ctx, "0" + w, kEpromTries12, kEpromExtra12, [&](const std::string& back) {
            read = Drop1(back);
            return read == w;
          }));
  }
  return WordStep::Fail;
}

}  // namespace

bool ProgramProgramMemory(OpContext& ctx, Family family) {
  const FamilyMethods* methods = FindMethods(family);
  if (!methods) return true;
  if (methods->program == ProgramMethod::ProgramOnly) ctx.state.ContinueFlag = true;
  if (StopBefore(ctx, 0)) return false;  // before the erase some families start with
  RunPreErase(ctx, methods->preErase);
  ctx.proto.ResetPic();
  if (IsWord12Family(family))
    ctx.proto.IncrementAddress();  // the counter starts on the configuration word
  const RowWalk walk{.rows = ctx.device.programRows,
                     .lastWordRule = HasLastWordRule(family),
                     .rowProgress = true,
                     .rowEvents = true,
                     .wordEvents = methods->program == ProgramMethod::WriteEveryWord};
  return WalkRows(ctx, walk, [&](int row, int col) {
    // A cleared ContinueFlag is the user's stop, as Hooks::StopRequested is.
    if (!ctx.state.ContinueFlag && methods->program == ProgramMethod::ProgramOnly) {
      ctx.state.Stopped = true;
      ctx.state.StoppedAt = 8 * row + col - 1;
      return WordStep::Fail;
    }
    std::string word = ProgramCellText(ctx.buffers, row, col);
    std::string read;
    const WordStep step = ProgramWord(ctx, *methods, word, read);
    if (step == WordStep::Fail)
      ctx.failure =
          FailureDetail{MemoryKind::Program, static_cast<std::uint32_t>(8 * row + col - 1),
                        std::move(word), std::move(read)};
    return step;
  });
}

}  // namespace lpt
