// SPDX-License-Identifier: GPL-2.0-or-later
// The data EEPROM, ID and configuration-word passes of Program; the
// program-memory pass lives in program_memory_pass.cpp.
#include "ops/program_passes.h"

#include "devices/family.h"
#include "ops/family_methods.h"
#include "ops/flash12.h"
#include "ops/id_and_config_words.h"
#include "ops/row_walk.h"
#include "ops/stop_check.h"
#include "ops/write_cycle.h"

namespace lpt {
namespace {

constexpr int kEpromFusePulses = 101;
constexpr int kAtConfigWordClocks = 7;  // from 2000h, where LoadConfiguration leaves the counter
// KeepBandgap: the chip's bits 13 and 12, the buffer's bits 11 to 0.
constexpr std::uint16_t kBandgapBits = 0x3000;
constexpr std::uint16_t kBelowBandgapBits = 0x0FFF;

// One byte of the pass; `read` ends holding the last read-back.
WordStep ProgramByte(OpContext& ctx, const FamilyMethods& methods, DataMethod method,
                     const CellWord& b, std::uint16_t& read) {
  const auto cycle = [&](bool eraseFirst) {
    ++ctx.summary.dataBytes;
    ctx.proto.LoadDataForDataMemory(b.value);
    if (eraseFirst) {
      ctx.proto.BeginEraseProgrammingCycle();
    } else {
      ctx.proto.BeginProgrammingOnlyCycle();
    }
    WaitAfter(ctx, WaitKind::DataByte, 20);
    read = ctx.proto.ReadDataFromDataMemory();
    return b.Matches(read) ? WordStep::Next : WordStep::Fail;
  };
  if (ErasedCellsNeedNoWrite(ctx) && b.Matches(kErasedByte)) return WordStep::Next;
  switch (method) {
    case DataMethod::None:
      return WordStep::Next;
    case DataMethod::ReadCompareWrite:
      // An erased byte cannot already hold the byte to write.
      if (!ErasedCellsNeedNoWrite(ctx)) {
        read = ctx.proto.ReadDataFromDataMemory();
        if (b.Matches(read)) return WordStep::Next;
      }
      return cycle(true);
    case DataMethod::ProgramOnly:
      return b.Matches(kErasedByte) ? WordStep::Next : cycle(false);
    case DataMethod::EraseProgram:
      return b.Matches(kErasedByte) ? WordStep::Next : cycle(true);
    case DataMethod::ReadCompareCycle:
      read = ctx.proto.ReadDataFromDataMemory();
      if (b.Matches(read)) return WordStep::Next;
      ++ctx.summary.dataBytes;
      ctx.proto.LoadDataForDataMemory(b.value);
      RunWriteCycle(ctx, methods.dataCycle, WaitKind::DataByte);
      read = ctx.proto.ReadDataFromDataMemory();
      return b.Matches(read) ? WordStep::Next : WordStep::Fail;
    case DataMethod::WriteEveryByte:
      ++ctx.summary.dataBytes;
      ctx.proto.LoadDataForDataMemory(
          b.value);  // loaded once; each attempt programs the latch again
      for (int attempt = 0; attempt < kFlashAttempts; ++attempt) {
        ctx.proto.BeginProgrammingOnlyCycle();
        WaitAfter(ctx, WaitKind::DataByte, 2);
        ctx.proto.EndProgramming16F87xA();
        read = ctx.proto.ReadDataFromDataMemory();
        if (b.Matches(read)) return WordStep::Next;
      }
      return WordStep::Fail;
  }
  return WordStep::Fail;
}

// One ID word by erase/program cycles; the whole read-back (left in `read`)
// must match.
bool WriteIdWord(OpContext& ctx, const CellWord& word, int attempts, std::uint32_t waitMs,
                 std::uint16_t& read) {
  for (int attempt = 0; attempt < attempts; ++attempt) {
    ctx.proto.LoadDataForProgramMemory(word.value);
    ctx.proto.BeginEraseProgrammingCycle();
    WaitAfter(ctx, WaitKind::IdWord, waitMs);
    read = ctx.proto.ReadDataFromProgramMemory();
    if (word.Matches(read)) return true;
  }
  return false;
}

// One ID word by the family's method; `read` ends holding the last read-back.
bool ProgramIdWord(OpContext& ctx, const FamilyMethods& methods, const CellWord& id,
                   std::uint16_t& read) {
  const auto sameDigit = [&id, &read](std::uint16_t back) {
    read = back;
    return id.MatchesLowDigit(back);
  };
  switch (methods.id) {
    case IdMethod::None:
      return true;
    case IdMethod::Flash:
      return WriteIdWord(ctx, id, 1, methods.idWaitMs, read);
    case IdMethod::FlashRetry:
      return WriteIdWord(ctx, id, kFlashAttempts, methods.idWaitMs, read);
    case IdMethod::EpromPulses:
      return PulseUntil(ctx, id.value, kEpromTries14, kEpromExtra14, sameDigit);
    case IdMethod::EpromPulses12:
      if (id.Matches(0x000F)) return true;  // digit F: the erased state, not written
      return PulseUntil(ctx, id.value, kEpromTries12, kEpromExtra12, sameDigit);
    case IdMethod::WordCycle:
      ctx.proto.LoadDataForProgramMemory(id.value);
      RunWriteCycle(ctx, methods.wordCycle, WaitKind::IdWord);
      read = ctx.proto.ReadDataFromProgramMemory();
      return id.Matches(read);
    case IdMethod::ProgramEndCycle:
      if (id.Matches(0x000F)) return true;  // digit F: the erased state, not written
      return sameDigit(WriteCycle12(ctx, id.value, WaitKind::IdWord, methods.idWaitMs));
  }
  return false;
}

// The ID words of a family whose word cycle only programs: a row erase
// aimed at them clears them first, unless they are blank already (after
// the erase that opens Program All).
void ClearWrittenIdWords(OpContext& ctx) {
  GoToIdWords(ctx.proto, ctx.device);
  bool blank = true;
  for (int i = 0; i < 4; ++i) {
    blank = blank && ctx.proto.ReadDataFromProgramMemory() == kErasedWord;
    ctx.proto.IncrementAddress();
  }
  if (blank) return;
  GoToIdWords(ctx.proto, ctx.device);
  ctx.proto.RowEraseProgramMemory();
  WaitFor(ctx, WaitKind::Erase);
}

// The configuration words by the family's word cycle, each checked under
// its own mask: 2007h, then 2008h on a part with two.
bool WriteConfigWords(OpContext& ctx, const FamilyMethods& methods) {
  GoToConfigWord(ctx.proto);
  const std::uint16_t words[] = {ctx.buffers.FuseWord, ctx.buffers.SecondFuseWord};
  for (int index = 0; index < ConfigWordCount(ctx.device); ++index) {
    if (index > 0) {
      if (StopBefore(ctx, ConfigWordAddress(ctx.device.family, index))) return false;
      ctx.proto.IncrementAddress();
    }
    ctx.proto.LoadDataForProgramMemory(words[index]);
    RunWriteCycle(ctx, methods.wordCycle, WaitKind::ConfigWord);
    if (!FuseCheck(ctx, words[index], index)) return false;
  }
  return true;
}

}  // namespace

bool ProgramDataMemory(OpContext& ctx, Family family) {
  const FamilyMethods* methods = FindMethods(family);
  if (!methods || methods->data == DataMethod::None) return true;
  const DataMethod method = DataMethodIn(*methods, ctx.state.timing);
  const int bytes = WalkEnd(ctx, 8 * ctx.device.dataRows, [&](int a) {
    return !ctx.buffers.DataByteValue(a).Matches(kErasedByte);
  });
  if (bytes == 0) return true;
  ctx.proto.ResetPic();
  return WalkRows(
      ctx,
      RowWalk{.rows = ctx.device.dataRows, .rowProgress = true, .freshBar = true, .words = bytes},
      [&](int address) {
        std::uint16_t read = 0;
        const WordStep step =
            ProgramByte(ctx, *methods, method, ctx.buffers.DataByteValue(address), read);
        if (step == WordStep::Fail)
          ctx.failure = FailureDetail{MemoryKind::Data, static_cast<std::uint32_t>(address),
                                      ctx.buffers.DataText(address), DataCellText(read)};
        return step;
      });
}

bool ProgramID(OpContext& ctx, Family family) {
  const FamilyMethods* methods = FindMethods(family);
  if (!methods || methods->id == IdMethod::None) return true;
  ctx.summary.id = ctx.buffers.IdDigits();
  if (methods->idRowErase) {
    if (StopBefore(ctx, IdWordAddress(ctx.device, 0))) return false;
    ClearWrittenIdWords(ctx);
  }
  GoToIdWords(ctx.proto, ctx.device);
  for (int i = 0; i < 4; ++i) {
    const int address = IdWordAddress(ctx.device, i);
    if (StopBefore(ctx, address)) return false;
    std::uint16_t read = 0;
    if (!ProgramIdWord(ctx, *methods, ctx.buffers.IdWordValue(i, family), read)) {
      ctx.failure =
          FailureDetail{MemoryKind::Id, static_cast<std::uint32_t>(address),
                        IdDigitText(ctx.buffers.IdDigits(), i), std::string(1, IdDigitOf(read))};
      return false;
    }
    ctx.proto.IncrementAddress();
  }
  return true;
}

bool ProgramFuses(OpContext& ctx, Family family) {
  const FamilyMethods* methods = FindMethods(family);
  if (!methods || methods->fuses == FuseMethod::None) return true;
  if (StopBefore(ctx, ConfigWordAddress(family))) return false;
  std::uint16_t& fuseWord = ctx.buffers.FuseWord;
  fuseWord = static_cast<std::uint16_t>((fuseWord & methods->fuseAnd) | methods->fuseOr);
  ctx.summary.configuration = fuseWord;
  if (ctx.device.secondConfigMask != 0)
    ctx.summary.secondConfiguration = ctx.buffers.SecondFuseWord;

  switch (methods->fuses) {
    case FuseMethod::None:
      return true;
    case FuseMethod::Flash:
    case FuseMethod::FlashRetry: {
      // LoadConfiguration leaves the word in the data latch; a begin command at 2007h writes it.
      ctx.proto.ResetPic();
      ctx.proto.LoadConfiguration(fuseWord);
      Clocks(ctx.proto, kAtConfigWordClocks);
      const bool retry = methods->fuses == FuseMethod::FlashRetry;
      for (int attempt = 0; attempt < (retry ? kFlashAttempts : 1); ++attempt) {
        ctx.proto.BeginEraseProgrammingCycle();
        WaitAfter(ctx, WaitKind::ConfigWord, retry ? 10 : 20);
        if (FuseCheck(ctx, fuseWord)) return true;
      }
      return false;
    }
    case FuseMethod::KeepBandgap: {
      GoToConfigWord(ctx.proto);
      const std::uint16_t current = ctx.proto.ReadDataFromProgramMemory();
      ctx.proto.ResetPic();
      ctx.proto.LoadConfiguration(
          static_cast<std::uint16_t>((current & kBandgapBits) | (fuseWord & kBelowBandgapBits)));
      Clocks(ctx.proto, kAtConfigWordClocks);
      ctx.proto.BeginEraseProgrammingCycle();
      WaitAfter(ctx, WaitKind::ConfigWord, 20);
      return FuseCheck(ctx, fuseWord);  // ConfigMask keeps the bandgap bits out
    }
    case FuseMethod::EpromPulses:
      ctx.proto.ResetPic();
      ctx.proto.LoadConfiguration(fuseWord);
      Clocks(ctx.proto, kAtConfigWordClocks);
      for (int i = 0; i < kEpromFusePulses; ++i) {
        ctx.proto.BeginEraseProgrammingCycle();
        ctx.delay.WaitUs(200);
        ctx.proto.EndProgrammingEprom();
      }
      return FuseCheck(ctx, fuseWord);
    case FuseMethod::WordCycle:
      return WriteConfigWords(ctx, *methods);
    case FuseMethod::ProgramEndCycle:
      ctx.proto.ResetPic();  // the counter is on the configuration word
      if (FuseCheck(ctx, fuseWord)) return true;
      WriteCycle12(ctx, fuseWord, WaitKind::ConfigWord, methods->idWaitMs);
      return FuseCheck(ctx, fuseWord);
    case FuseMethod::EpromPulses12:
      ctx.proto.ResetPic();  // the counter is on the configuration word
      if (FuseCheck(ctx, fuseWord)) return true;
      ctx.proto.LoadDataForProgramMemory(fuseWord);
      ctx.proto.BeginEraseProgrammingCycle();
      ctx.delay.WaitMs(20);  // one long pulse
      ctx.proto.EndProgrammingEprom();
      for (int i = 0; i < kEpromExtra12; ++i) EpromPulse(ctx, fuseWord);
      return FuseCheck(ctx, fuseWord);
  }
  return false;
}

}  // namespace lpt
