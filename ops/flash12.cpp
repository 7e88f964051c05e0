// SPDX-License-Identifier: GPL-2.0-or-later
#include "ops/flash12.h"

#include "buffers/hex_text.h"
#include "devices/family.h"
#include "ops/id_and_config_words.h"
#include "ops/row_walk.h"

namespace lpt {
namespace {

// Standard-profile waits: TPROG is 2 ms, TERA 10 ms; the discharge, 100 us
// by the documents, is given a whole millisecond.
constexpr std::uint32_t kEraseMs = 10;
constexpr std::uint32_t kWriteMs = 2;
constexpr std::uint32_t kDischargeMs = 1;
constexpr std::uint16_t kWord12 = 0x0FFF;
constexpr int kIdWords = 4;

bool IsMovlw(std::uint16_t word) { return (word & 0x0F00) == 0x0C00; }

std::string Word(std::uint16_t word) { return ToHex(word, 3); }
std::string Address(int address) { return ToHex(static_cast<std::uint32_t>(address), 3) + "h"; }

int LastProgramWord(const ActiveDevice& device) { return 8 * device.programRows - 1; }

// From the power-up position (the configuration word) to the last program word.
void GoToOsccal(OpContext& ctx) {
  ctx.proto.ResetPic();
  Clocks(ctx.proto, 1 + LastProgramWord(ctx.device));
}

OsccalFound ReadOsccal(OpContext& ctx) {
  OsccalFound found;
  found.wordAddress = LastProgramWord(ctx.device);
  found.backupAddress = BackupOsccalAddress(ctx.device);
  GoToOsccal(ctx);
  found.word = ctx.proto.ReadDataFromProgramMemory() & kWord12;
  Clocks(ctx.proto, 1 + kIdWords);
  found.backup = ctx.proto.ReadDataFromProgramMemory() & kWord12;
  return found;
}

// The file's OSCCAL: the buffers' last word, when it spells a word other
// than the blank one.
std::optional<std::uint16_t> FileOsccal(const OpContext& ctx) {
  const CellWord cell =
      ctx.buffers.ProgramWordValue(LastProgramWord(ctx.device), ctx.device.family);
  if (!cell.spelt || cell.value == kWord12) return std::nullopt;
  return cell.value;
}

void WriteBack(OpContext& ctx, std::uint16_t word, WaitKind kind) {
  if (WriteCycle12(ctx, word, kind, kWriteMs) == word) return;
  ctx.hooks.Failed(Failure("Error OscCal!"));
  ctx.calibrationLost = true;
}

}  // namespace

std::uint16_t WriteCycle12(OpContext& ctx, std::uint16_t word, WaitKind kind,
                           std::uint32_t standardMs) {
  ctx.proto.LoadDataForProgramMemory(word);
  ctx.proto.BeginEraseProgrammingCycle();  // 08h: Begin Programming, externally timed
  WaitAfter(ctx, kind, standardMs);
  ctx.proto.EndProgrammingEprom();  // 0Eh: End Programming
  WaitAfter(ctx, WaitKind::Discharge, kDischargeMs);
  return ctx.proto.ReadDataFromProgramMemory() & kWord12;
}

int BackupOsccalAddress(const ActiveDevice& device) { return 8 * device.programRows + kIdWords; }

OsccalPlan PlanOsccal(const OsccalFound& found, std::optional<std::uint16_t> fileWord,
                      bool overwrite) {
  OsccalPlan plan;
  std::optional<std::uint16_t> chip;
  std::string told;
  const auto tell = [&told](const std::string& line) { told += (told.empty() ? "" : "\n") + line; };
  if (IsMovlw(found.word)) {
    chip = found.word;
  } else if (IsMovlw(found.backup)) {
    chip = found.backup;
    tell("OSCCAL restored from its backup: " + Word(*chip) + " at " + Address(found.wordAddress) +
         ".");
  }
  plan.backup = IsMovlw(found.backup) ? std::optional(found.backup) : chip;
  if (chip && !IsMovlw(found.backup))
    tell("OSCCAL backup restored: " + Word(*chip) + " at " + Address(found.backupAddress) + ".");

  if (overwrite && fileWord) {
    plan.word = fileWord;
    if (chip != fileWord)
      tell("OSCCAL written from the file: " + Word(*fileWord) + " at " +
           Address(found.wordAddress) + (chip ? "; the chip's " + Word(*chip) : std::string()) +
           (chip ? " stays in the backup at " + Address(found.backupAddress) : std::string()) +
           ".");
    plan.note = told;
    return plan;
  }
  plan.word = chip;
  if (!chip)
    tell("The chip holds no OSCCAL value: neither " + Address(found.wordAddress) +
         " nor its backup at " + Address(found.backupAddress) + " is a MOVLW; " +
         Address(found.wordAddress) + " is left blank.");
  if (fileWord && fileWord != chip)
    tell((chip ? "OSCCAL kept: the chip's " + Word(*chip) + " stays at " +
                     Address(found.wordAddress) + "; the"
               : std::string("The")) +
         " file's " + Word(*fileWord) + " was not written.");
  plan.note = told;
  return plan;
}

void EraseKeepingOsccal(OpContext& ctx, bool programAll) {
  const bool hasOsccal = HasLastWordRule(ctx.device.family);
  OsccalFound found;
  if (hasOsccal) found = ReadOsccal(ctx);

  GoToIdWords(ctx.proto, ctx.device);  // on the first ID: the IDs and the backup go too
  ctx.proto.BulkEraseProgramMemory();
  WaitAfter(ctx, WaitKind::Erase, kEraseMs);
  if (!hasOsccal) return;

  const OsccalPlan plan = PlanOsccal(found, programAll ? FileOsccal(ctx) : std::nullopt,
                                     programAll && ctx.state.overwriteOsccal);
  GoToOsccal(ctx);
  if (plan.word) WriteBack(ctx, *plan.word, WaitKind::ProgramWord);
  Clocks(ctx.proto, 1 + kIdWords);
  if (plan.backup) WriteBack(ctx, *plan.backup, WaitKind::IdWord);
  if (!plan.note.empty()) ctx.hooks.Failed(Failure(plan.note, {}, FailureKind::Warning));
}

}  // namespace lpt
