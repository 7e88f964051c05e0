// The data EEPROM, ID and configuration-word passes of Program; the
// program-memory pass lives in program_memory_pass.cpp.
#include "ops/program_passes.h"

#include "devices/family.h"
#include "ops/family_methods.h"
#include "ops/row_walk.h"
#include "ops/stop_check.h"
#include "ops/word_text.h"

namespace lpt {
namespace {

constexpr int kEpromFusePulses = 101;

// One byte of the pass; `read` ends holding the last read-back.
WordStep ProgramByte(OpContext& ctx, DataMethod method, const std::string& b, std::string& read) {
  const auto cycle = [&](bool eraseFirst) {
    ctx.proto.LoadDataForDataMemory(b);
    if (eraseFirst) {
      ctx.proto.BeginEraseProgrammingCycle();
    } else {
      ctx.proto.BeginProgrammingOnlyCycle();
    }
    WaitAfter(ctx, WaitKind::DataByte, 20);
    read = ctx.proto.ReadDataFromDataMemory();
    return read == b ? WordStep::Next : WordStep::Fail;
  };
  switch (method) {
    case DataMethod::None:
      return WordStep::Next;
    case DataMethod::ReadCompareWrite:
      read = ctx.proto.ReadDataFromDataMemory();
      if (read == b) return WordStep::Next;
      return cycle(true);
    case DataMethod::ProgramOnly:
      return b == "FF" ? WordStep::Next : cycle(false);
    case DataMethod::EraseProgram:
      return b == "FF" ? WordStep::Next : cycle(true);
    case DataMethod::WriteEveryByte:
      ctx.proto.LoadDataForDataMemory(b);  // loaded once; each attempt programs the latch again
      for (int attempt = 0; attempt < kFlashAttempts; ++attempt) {
        ctx.proto.BeginProgrammingOnlyCycle();
        WaitAfter(ctx, WaitKind::DataByte, 2);
        ctx.proto.EndProgramming16F87xA();
        read = ctx.proto.ReadDataFromDataMemory();
        if (read == b) return WordStep::Next;
      }
      return WordStep::Fail;
  }
  return WordStep::Fail;
}

// One ID word by erase/program cycles; the whole read-back (left in `read`)
// must match.
bool WriteIdWord(OpContext& ctx, const std::string& word, int attempts, std::uint32_t waitMs,
                 std::string& read) {
  for (int attempt = 0; attempt < attempts; ++attempt) {
    ctx.proto.LoadDataForProgramMemory(word);
    ctx.proto.BeginEraseProgrammingCycle();
    WaitAfter(ctx, WaitKind::IdWord, waitMs);
    read = ctx.proto.ReadDataFromProgramMemory();
    if (read == word) return true;
  }
  return false;
}

}  // namespace

bool ProgramDataMemory(OpContext& ctx, Family family) {
  const FamilyMethods* methods = FindMethods(family);
  if (!methods || methods->data == DataMethod::None) return true;
  ctx.proto.ResetPic();
  const RowWalk walk{.rows = ctx.device.dataRows,
                     .rowEvents = methods->dataRowEvents,
                     .wordEvents = methods->data == DataMethod::WriteEveryByte};
  return WalkRows(ctx, walk, [&](int row, int col) {
    std::string byte = DataCellText(ctx.buffers, row, col);
    std::string read;
    const WordStep step = ProgramByte(ctx, methods->data, byte, read);
    if (step == WordStep::Fail)
      ctx.failure = FailureDetail{MemoryKind::Data, static_cast<std::uint32_t>(8 * row + col - 1),
                                  std::move(byte), std::move(read)};
    return step;
  });
}

bool ProgramID(OpContext& ctx, Family family) {
  const FamilyMethods* methods = FindMethods(family);
  if (!methods || methods->id == IdMethod::None) return true;
  ctx.proto.ResetPic();
  const int programWords = 8 * ctx.device.programRows;
  if (methods->id == IdMethod::EpromPulses12) {
    Clocks(ctx.proto, 1 + programWords);  // the ID words follow program memory
  } else {
    ctx.proto.LoadConfiguration("3FFF");  // 2000h
  }
  const std::uint32_t first =
      methods->id == IdMethod::EpromPulses12 ? static_cast<std::uint32_t>(programWords) : 0x2000;
  const std::string digits = ctx.buffers.IdDigits();
  for (std::size_t i = 0; i < 4; ++i) {
    if (StopBefore(ctx, IdWordAddress(ctx, static_cast<int>(i)))) return false;
    const char d = i < digits.size() ? digits[i] : '\0';
    const std::string digit = d ? std::string(1, d) : std::string();
    std::string read;
    const auto lastDigitIs = [d, &read](const std::string& back) {
      read = back;
      return LastDigit(back) == d;
    };
    bool ok = true;
    switch (methods->id) {
      case IdMethod::None:
        break;
      case IdMethod::Flash:
        ok = WriteIdWord(ctx, "3FF" + digit, 1, methods->idWaitMs, read);
        break;
      case IdMethod::FlashRetry:
        ok = WriteIdWord(ctx, "3FF" + digit, kFlashAttempts, methods->idWaitMs, read);
        break;
      case IdMethod::EpromPulses:
        ok = PulseUntil(ctx, "3FF" + digit, kEpromTries14, kEpromExtra14, lastDigitIs);
        break;
      case IdMethod::EpromPulses12:
        if (d != 'F')
          ok = PulseUntil(ctx, "000" + digit, kEpromTries12, kEpromExtra12, lastDigitIs);
        break;
    }
    if (!ok) {
      const char got = LastDigit(read);
      ctx.failure = FailureDetail{MemoryKind::Id, first + static_cast<std::uint32_t>(i), digit,
                                  got ? std::string(1, got) : std::string()};
      return false;
    }
    ctx.proto.IncrementAddress();
    if (methods->idWordEvents) ctx.hooks.ProcessEvents();
  }
  return true;
}

bool ProgramFuses(OpContext& ctx, Family family) {
  const FamilyMethods* methods = FindMethods(family);
  if (!methods || methods->fuses == FuseMethod::None) return true;
  if (StopBefore(ctx, ConfigWordAddress(ctx))) return false;
  std::uint16_t& fuseWord = ctx.buffers.FuseWord;
  fuseWord = static_cast<std::uint16_t>((fuseWord & methods->fuseAnd) | methods->fuseOr);
  const std::string fuseText = Hex4Text(fuseWord);

  switch (methods->fuses) {
    case FuseMethod::None:
      return true;
    case FuseMethod::Flash:
    case FuseMethod::FlashRetry: {
      // LoadConfiguration leaves the word in the data latch; a begin command at 2007h writes it.
      ctx.proto.ResetPic();
      ctx.proto.LoadConfiguration(fuseText);
      Clocks(ctx.proto, 7);
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
      const std::string current = ctx.proto.ReadDataFromProgramMemory();
      ctx.proto.ResetPic();
      ctx.proto.LoadConfiguration(current.substr(0, 1) + fuseText.substr(1));
      Clocks(ctx.proto, 7);
      ctx.proto.BeginEraseProgrammingCycle();
      WaitAfter(ctx, WaitKind::ConfigWord, 20);
      return FuseCheck(ctx, fuseWord);  // ConfigMask keeps the bandgap bits out
    }
    case FuseMethod::EpromPulses:
      ctx.proto.ResetPic();
      ctx.proto.LoadConfiguration(fuseText);
      Clocks(ctx.proto, 7);
      for (int i = 0; i < kEpromFusePulses; ++i) {
        ctx.proto.BeginEraseProgrammingCycle();
        ctx.delay.WaitUs(200);
        ctx.proto.EndProgrammingEprom();
      }
      return FuseCheck(ctx, fuseWord);
    case FuseMethod::EpromPulses12:
      ctx.proto.ResetPic();  // the counter is on the configuration word
      if (FuseCheck(ctx, fuseWord)) return true;
      ctx.proto.LoadDataForProgramMemory(fuseText);
      ctx.proto.BeginEraseProgrammingCycle();
      ctx.delay.WaitMs(20);  // one long pulse
      ctx.proto.EndProgrammingEprom();
      for (int i = 0; i < kEpromExtra12; ++i) EpromPulse(ctx, fuseText);
      return FuseCheck(ctx, fuseWord);
  }
  return false;
}

}  // namespace lpt
