#include "ops/erase_passes.h"

#include "devices/family.h"
#include "ops/family_methods.h"
#include "ops/row_walk.h"
#include "ops/word_text.h"

namespace lpt {
namespace {

constexpr std::uint32_t kEraseCycleMs = 20;

// Configuration read and the family's protection test: unprotected only when
// every one of the family's protection-off bits is 1.
bool Unprotected(OpContext& ctx, const FamilyMethods& methods) {
  GoToConfigWord(ctx.proto);
  const std::uint16_t config = ReadBackValue(ctx.proto.ReadDataM());
  return (config & methods.unprotectedBits) == methods.unprotectedBits;
}

// Aimed where the counter and the last load put it: at 2007h it clears the
// code protection together with everything else; after a program or data
// load it clears that memory only.
void SetupEraseCycle(OpContext& ctx) {
  ctx.proto.BulkEraseSetup1();
  ctx.proto.BulkEraseSetup2();
  ctx.proto.BeginEraseProg();
  ctx.delay.DELAY(kEraseCycleMs);
  ctx.proto.BulkEraseSetup1();
  ctx.proto.BulkEraseSetup2();
}

void ProtectionClearPath(OpContext& ctx) {
  GoToConfigWord(ctx.proto);
  SetupEraseCycle(ctx);
}

// Families 1 and 25, unprotected.
void BulkErasePath(OpContext& ctx) {
  ctx.proto.ResetPic();
  ctx.proto.LoadConfig("3FFF");
  ctx.proto.LoadDataM("3FFF");
  ctx.proto.BulkEraseM();
  ctx.proto.BeginEraseProg();
  ctx.delay.DELAY(kEraseCycleMs);
  ctx.proto.ResetPic();
  ctx.proto.LoadDataD("FF");
  ctx.proto.BulkEraseD();
  ctx.proto.BeginEraseProg();
  ctx.delay.DELAY(kEraseCycleMs);
}

// Family 27, unprotected: program memory, then data EEPROM.
void SetupErasePrograms(OpContext& ctx) {
  ctx.proto.ResetPic();
  ctx.proto.LoadDataM("3FFF");
  SetupEraseCycle(ctx);
  ctx.proto.ResetPic();
  ctx.proto.LoadDataD("FF");
  SetupEraseCycle(ctx);
}

// Family 27's Erase command also writes 3FFFh into the four ID words.
void BlankIdWords(OpContext& ctx) {
  ctx.proto.ResetPic();
  ctx.proto.LoadConfig("3FFF");
  for (int i = 0; i < 4; ++i) {
    ctx.proto.LoadDataM("3FFF");
    ctx.proto.BeginEraseProg();
    ctx.delay.DELAY(kEraseCycleMs);
    ctx.proto.CLK();
  }
}

void GoToLastProgramWord(OpContext& ctx) {
  ctx.proto.ResetPic();
  Clocks(ctx.proto, 8 * ctx.device.ProgramRows - 1);
}

}  // namespace

void EraseProgram_Data(OpContext& ctx, int family) {
  const FamilyMethods* methods = FindMethods(family);
  if (!methods) return;
  switch (methods->erase) {
    case EraseMethod::None:
      return;
    case EraseMethod::ChipErase:
      return ChipEraseAll(ctx);
    case EraseMethod::Smazat_40:
      return Smazat_40(ctx);
    case EraseMethod::Smazat_12F6xx:
      return Smazat_12F6xx(ctx);
    case EraseMethod::BulkErase:
      return Unprotected(ctx, *methods) ? BulkErasePath(ctx) : ProtectionClearPath(ctx);
    case EraseMethod::SetupErase:
      if (!Unprotected(ctx, *methods)) return ProtectionClearPath(ctx);
      SetupErasePrograms(ctx);
      return BlankIdWords(ctx);
  }
}

bool EraseFuses(OpContext& ctx, int family) {
  const FamilyTraits* traits = FindFamily(family);
  if (!traits || !traits->fuseEraseReadBack) return true;
  GoToConfigWord(ctx.proto);
  ctx.proto.BeginEraseProg();
  ctx.delay.DELAY(kEraseCycleMs);
  return FuseCheck(ctx, 0x3FFF);
}

void ChipEraseAll(OpContext& ctx) {
  ctx.proto.ResetPic();
  ctx.proto.LoadConfig("3FFF");
  ctx.proto.ChipErase();
  ctx.delay.DELAY(10);
}

void Smazat_40(OpContext& ctx) {
  ctx.proto.ResetPic();
  ctx.proto.LoadConfig("3FFF");
  ctx.proto.LoadDataM("3FFF");
  ctx.proto.BulkEraseProgramMemory();
  ctx.delay.DELAY(10);
  ctx.proto.ResetPic();
  ctx.proto.LoadDataD("FF");
  ctx.proto.BulkEraseDataMemory();
  ctx.delay.DELAY(10);
}

void Smazat_16F87x(OpContext& ctx) {
  const FamilyMethods* methods = FindMethods(27);
  if (methods && Unprotected(ctx, *methods)) {
    SetupErasePrograms(ctx);
  } else {
    ProtectionClearPath(ctx);
  }
}

void Smazat_12F6xx(OpContext& ctx) {
  GoToLastProgramWord(ctx);
  const std::string calibration = ctx.proto.ReadDataM();
  GoToConfigWord(ctx.proto);
  const std::string config = ctx.proto.ReadDataM();

  ctx.proto.BulkEraseM();  // with the counter on 2007h: configuration and ID words too
  ctx.delay.DELAY(kEraseCycleMs);
  ctx.proto.BulkEraseD();
  ctx.delay.DELAY(kEraseCycleMs);

  GoToLastProgramWord(ctx);
  ctx.proto.LoadDataM(calibration);
  ctx.proto.BeginEraseProg();
  ctx.delay.DELAY(kEraseCycleMs);
  if (ctx.proto.ReadDataM() != calibration) ctx.hooks.ErrorBox("Error OscCal!");

  // Bandgap bits (the first digit) kept, every fuse in the erased state.
  const std::string restored = config.substr(0, 1) + "1FF";
  ctx.proto.ResetPic();
  ctx.proto.LoadConfig(restored);
  Clocks(ctx.proto, 7);
  ctx.proto.BeginEraseProg();
  ctx.delay.DELAY(kEraseCycleMs);
  if (ctx.proto.ReadDataM() != restored) ctx.hooks.ErrorBox("Error BG!");
}

}  // namespace lpt
