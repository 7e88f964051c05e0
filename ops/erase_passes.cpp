// SPDX-License-Identifier: GPL-2.0-or-later
#include "ops/erase_passes.h"

#include "devices/family.h"
#include "ops/family_methods.h"
#include "ops/flash12.h"
#include "ops/id_and_config_words.h"
#include "ops/row_walk.h"

namespace lpt {
namespace {

constexpr std::uint32_t kEraseCycleMs = 20;
// 12F629/675, 16F630/676: the factory bandgap bits, and the configuration
// bits below them as an erased chip has them.
constexpr std::uint16_t kBandgapBits = 0x3000;
constexpr std::uint16_t kErasedFuses = 0x01FF;

// Configuration read and the family's protection test: unprotected only when
// every one of the family's protection-off bits is 1.
bool Unprotected(OpContext& ctx, const FamilyMethods& methods) {
  GoToConfigWord(ctx.proto);
  const std::uint16_t config = ctx.proto.ReadDataFromProgramMemory();
  return (config & methods.unprotectedBits) == methods.unprotectedBits;
}

// Aimed where the counter and the last load put it: at 2007h it clears the
// code protection together with everything else; after a program or data
// load it clears that memory only.
void SetupEraseCycle(OpContext& ctx) {
  ctx.proto.BulkEraseSetup1();
  ctx.proto.BulkEraseSetup2();
  ctx.proto.BeginEraseProgrammingCycle();
  WaitAfter(ctx, WaitKind::Erase, kEraseCycleMs);
  ctx.proto.BulkEraseSetup1();
  ctx.proto.BulkEraseSetup2();
}

void ProtectionClearPath(OpContext& ctx) {
  GoToConfigWord(ctx.proto);
  SetupEraseCycle(ctx);
}

// 16F84 and 16F62x families, unprotected.
void BulkErasePath(OpContext& ctx) {
  ctx.proto.ResetPic();
  ctx.proto.LoadConfiguration(kErasedWord);
  ctx.proto.LoadDataForProgramMemory(kErasedWord);
  ctx.proto.BulkEraseProgramMemory();
  ctx.proto.BeginEraseProgrammingCycle();
  WaitAfter(ctx, WaitKind::Erase, kEraseCycleMs);
  ctx.proto.ResetPic();
  ctx.proto.LoadDataForDataMemory(kErasedByte);
  ctx.proto.BulkEraseDataMemory();
  ctx.proto.BeginEraseProgrammingCycle();
  WaitAfter(ctx, WaitKind::Erase, kEraseCycleMs);
}

// 16F87x family, unprotected: program memory, then data EEPROM.
void SetupErasePrograms(OpContext& ctx) {
  ctx.proto.ResetPic();
  ctx.proto.LoadDataForProgramMemory(kErasedWord);
  SetupEraseCycle(ctx);
  ctx.proto.ResetPic();
  ctx.proto.LoadDataForDataMemory(kErasedByte);
  SetupEraseCycle(ctx);
}

// The 16F87x's Erase command also writes 3FFFh into the four ID words.
void BlankIdWords(OpContext& ctx) {
  GoToIdWords(ctx.proto, ctx.device);
  for (int i = 0; i < 4; ++i) {
    ctx.proto.LoadDataForProgramMemory(kErasedWord);
    ctx.proto.BeginEraseProgrammingCycle();
    WaitAfter(ctx, WaitKind::IdWord, kEraseCycleMs);
    ctx.proto.IncrementAddress();
  }
}

void GoToLastProgramWord(OpContext& ctx) {
  ctx.proto.ResetPic();
  Clocks(ctx.proto, 8 * ctx.device.programRows - 1);
}

}  // namespace

void EraseProgramAndData(OpContext& ctx, Family family) {
  const FamilyMethods* methods = FindMethods(family);
  if (!methods) return;
  switch (methods->erase) {
    case EraseMethod::None:
      return;
    case EraseMethod::ChipErase:
      return ChipEraseAll(ctx);
    case EraseMethod::EraseChip16F62xA:
      return EraseChip16F62xA(ctx);
    case EraseMethod::EraseKeepingCalibration:
      return EraseKeepingCalibration(ctx);
    case EraseMethod::ConfigurationArea:
      return EraseConfigurationArea(ctx);
    case EraseMethod::EraseKeepingOsccal:
      return EraseKeepingOsccal(ctx, false);
    case EraseMethod::BulkErase:
      return Unprotected(ctx, *methods) ? BulkErasePath(ctx) : ProtectionClearPath(ctx);
    case EraseMethod::SetupErase:
      if (!Unprotected(ctx, *methods)) return ProtectionClearPath(ctx);
      SetupErasePrograms(ctx);
      return BlankIdWords(ctx);
  }
}

bool EraseFuses(OpContext& ctx, Family family) {
  const FamilyTraits* traits = FindFamily(family);
  if (!traits || !traits->fuseEraseReadBack) return true;
  GoToConfigWord(ctx.proto);
  ctx.proto.BeginEraseProgrammingCycle();
  WaitAfter(ctx, WaitKind::ConfigWord, kEraseCycleMs);
  return FuseCheck(ctx, 0x3FFF);
}

void ChipEraseAll(OpContext& ctx) {
  ctx.proto.ResetPic();
  ctx.proto.LoadConfiguration(kErasedWord);
  ctx.proto.ChipErase();
  WaitAfter(ctx, WaitKind::Erase, 10);
}

void EraseChip16F62xA(OpContext& ctx) {
  ctx.proto.ResetPic();
  ctx.proto.LoadConfiguration(kErasedWord);
  ctx.proto.LoadDataForProgramMemory(kErasedWord);
  ctx.proto.BulkEraseProgramMemoryReleasingData();
  WaitAfter(ctx, WaitKind::Erase, 10);
  ctx.proto.ResetPic();
  ctx.proto.LoadDataForDataMemory(kErasedByte);
  ctx.proto.BulkEraseDataMemoryReleasingData();
  WaitAfter(ctx, WaitKind::Erase, 10);
}

void EraseChip16F87x(OpContext& ctx) {
  const FamilyMethods* methods = FindMethods(Family::Pic16F87x);
  if (methods && Unprotected(ctx, *methods)) {
    SetupErasePrograms(ctx);
  } else {
    ProtectionClearPath(ctx);
  }
}

void EraseKeepingCalibration(OpContext& ctx) {
  GoToLastProgramWord(ctx);
  const std::uint16_t calibration = ctx.proto.ReadDataFromProgramMemory();
  GoToConfigWord(ctx.proto);
  const std::uint16_t config = ctx.proto.ReadDataFromProgramMemory();

  ctx.proto.BulkEraseProgramMemory();  // with the counter on 2007h: configuration and ID words too
  WaitAfter(ctx, WaitKind::Erase, kEraseCycleMs);
  ctx.proto.BulkEraseDataMemory();
  WaitAfter(ctx, WaitKind::Erase, kEraseCycleMs);

  GoToLastProgramWord(ctx);
  ctx.proto.LoadDataForProgramMemory(calibration);
  ctx.proto.BeginEraseProgrammingCycle();
  WaitAfter(ctx, WaitKind::ProgramWord, kEraseCycleMs);
  if (ctx.proto.ReadDataFromProgramMemory() != calibration) {
    ctx.hooks.Failed(Failure("Error OscCal!"));
    ctx.calibrationLost = true;
  }

  // Bandgap bits (13 and 12) kept, every fuse in the erased state.
  const auto restored = static_cast<std::uint16_t>((config & kBandgapBits) | kErasedFuses);
  ctx.proto.ResetPic();
  ctx.proto.LoadConfiguration(restored);
  Clocks(ctx.proto, 7);
  ctx.proto.BeginEraseProgrammingCycle();
  WaitAfter(ctx, WaitKind::ConfigWord, kEraseCycleMs);
  if (ctx.proto.ReadDataFromProgramMemory() != restored) {
    ctx.hooks.Failed(Failure("Error BG!"));
    ctx.calibrationLost = true;
  }
}

}  // namespace lpt
