#include "ops/family_methods.h"

#include <array>

namespace lpt {
namespace {

using F = Family;
using PE = PreErase;
using PM = ProgramMethod;
using DM = DataMethod;
using IM = IdMethod;
using FM = FuseMethod;
using EM = EraseMethod;

// The 14C000's top 64 words (from FC0h) hold factory calibration data and are
// neither verified nor blank-checked.
constexpr int k14C000ComparedRows = 504;

// A family whose row differs from another's in a few fields is written as
// that row with the differences, so the shared choices are stated once.
template <typename Edit>
constexpr FamilyMethods Like(FamilyMethods row, Family family, Edit edit) {
  row.family = family;
  edit(row);
  return row;
}
constexpr auto kSame = [](FamilyMethods&) {};

// 16F83, 16F84, 16F84A, 16C84
constexpr FamilyMethods k16F84{.family = F::Pic16F84,
                               .program = PM::ReadCompareWrite,
                               .programWaitMs = 20,
                               .data = DM::ReadCompareWrite,
                               .dataRowEvents = true,
                               .id = IM::Flash,
                               .idWordEvents = true,
                               .idWaitMs = 20,
                               .fuses = FM::Flash,
                               .erase = EM::BulkErase,
                               .unprotectedBits = 0x0090};

// 14-bit EPROM parts
constexpr FamilyMethods kEprom14{.family = F::Pic16C6x,
                                 .program = PM::EpromPulses,
                                 .id = IM::EpromPulses,
                                 .fuses = FM::EpromPulses};

// 12C508(A), 12C509(A), 12CE518, 12CE519: five configuration bits
constexpr FamilyMethods kEprom12{.family = F::Pic12C50x,
                                 .program = PM::EpromPulses12,
                                 .id = IM::EpromPulses12,
                                 .fuses = FM::EpromPulses12,
                                 .fuseAnd = 0x001F};

constexpr std::array<FamilyMethods, 12> kMethods{{
    k16F84,
    kEprom14,
    // 16C554, 16C556, 16C558: bits 6 and 7 of the configuration word are unimplemented
    Like(kEprom14, F::Pic16C55x, [](FamilyMethods& m) { m.fuseAnd = 0x3F3F; }),
    kEprom12,
    // 16C505: twelve configuration bits
    Like(kEprom12, F::Pic16C505, [](FamilyMethods& m) { m.fuseAnd = 0x0FFF; }),
    // 12C671, 12C672, 12CE673, 12CE674: calibration in the last word
    Like(kEprom14, F::Pic12C67x, kSame),
    // 14C000: bits 1 and 6 of the configuration word must stay set
    Like(kEprom14, F::Pic14C000,
         [](FamilyMethods& m) {
           m.fuseOr = 0x0042;
           m.comparedRows = k14C000ComparedRows;
         }),
    // 16F627, 16F628: their own code-protection bits
    Like(k16F84, F::Pic16F62x, [](FamilyMethods& m) { m.unprotectedBits = 0x0D00; }),
    // 16F870 to 16F877
    {.family = F::Pic16F87x,
     .preErase = PE::EraseChip16F87x,
     .program = PM::ProgramOnly,
     .programWaitMs = 20,
     .data = DM::ProgramOnly,
     .dataRowEvents = true,
     .id = IM::Flash,
     .idWordEvents = true,
     .idWaitMs = 20,
     .fuses = FM::Flash,
     .erase = EM::SetupErase,
     .unprotectedBits = 0x0130},
    // 12F629/675, 16F630/676: calibration word and bandgap bits kept
    {.family = F::Pic12F6xx,
     .preErase = PE::EraseKeepingCalibration,
     .program = PM::EraseProgram,
     .programWaitMs = 20,
     .data = DM::EraseProgram,
     .id = IM::Flash,
     .idWaitMs = 20,
     .fuses = FM::KeepBandgap,
     .erase = EM::EraseKeepingCalibration},
    // 16F877A
    {.family = F::Pic16F87xA,
     .preErase = PE::ChipErase,
     .program = PM::WriteEveryWord,
     .programWaitMs = 2,
     .data = DM::WriteEveryByte,
     .dataRowEvents = true,
     .id = IM::FlashRetry,
     .idWordEvents = true,
     .idWaitMs = 10,
     .fuses = FM::FlashRetry,
     .erase = EM::ChipErase},
    // 16F627A, 16F628A
    {.family = F::Pic16F62xA,
     .preErase = PE::EraseChip16F62xA,
     .program = PM::ReadCompareWrite,
     .programWaitMs = 10,
     .data = DM::ReadCompareWrite,
     .dataRowEvents = true,
     .id = IM::Flash,
     .idWordEvents = true,
     .idWaitMs = 20,
     .fuses = FM::Flash,
     .erase = EM::EraseChip16F62xA},
}};

}  // namespace

const FamilyMethods* FindMethods(Family family) {
  for (const FamilyMethods& m : kMethods)
    if (m.family == family) return &m;
  return nullptr;
}

}  // namespace lpt
