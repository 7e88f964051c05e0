#include "ops/family_methods.h"

#include <array>

namespace lpt {
namespace {

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
constexpr FamilyMethods Like(FamilyMethods row, int code, Edit edit) {
  row.code = code;
  edit(row);
  return row;
}
constexpr auto kSame = [](FamilyMethods&) {};

// 16F83, 16F84, 16F84A, 16C84
constexpr FamilyMethods k16F84{.code = 1,
                               .preErase = PE::None,
                               .program = PM::ReadCompareWrite,
                               .programWaitMs = 20,
                               .data = DM::ReadCompareWrite,
                               .dataRowEvents = true,
                               .id = IM::Flash,
                               .idWordEvents = true,
                               .idWaitMs = 20,
                               .fuses = FM::Flash,
                               .fuseAnd = 0xFFFF,
                               .fuseOr = 0,
                               .comparedRows = 0,
                               .erase = EM::BulkErase,
                               .unprotectedBits = 0x0090};

// 14-bit EPROM parts
constexpr FamilyMethods kEprom14{.code = 4,
                                 .preErase = PE::None,
                                 .program = PM::EpromPulses,
                                 .programWaitMs = 0,
                                 .data = DM::None,
                                 .dataRowEvents = false,
                                 .id = IM::EpromPulses,
                                 .idWordEvents = false,
                                 .idWaitMs = 0,
                                 .fuses = FM::EpromPulses,
                                 .fuseAnd = 0xFFFF,
                                 .fuseOr = 0,
                                 .comparedRows = 0,
                                 .erase = EM::None,
                                 .unprotectedBits = 0};

// 12C508(A), 12C509(A), 12CE518, 12CE519: five configuration bits
constexpr FamilyMethods kEprom12{.code = 20,
                                 .preErase = PE::None,
                                 .program = PM::EpromPulses12,
                                 .programWaitMs = 0,
                                 .data = DM::None,
                                 .dataRowEvents = false,
                                 .id = IM::EpromPulses12,
                                 .idWordEvents = false,
                                 .idWaitMs = 0,
                                 .fuses = FM::EpromPulses12,
                                 .fuseAnd = 0x001F,
                                 .fuseOr = 0,
                                 .comparedRows = 0,
                                 .erase = EM::None,
                                 .unprotectedBits = 0};

constexpr std::array<FamilyMethods, 12> kMethods{{
    k16F84,
    kEprom14,
    // 16C554, 16C556, 16C558: bits 6 and 7 of the configuration word are unimplemented
    Like(kEprom14, 17, [](FamilyMethods& m) { m.fuseAnd = 0x3F3F; }),
    kEprom12,
    // 16C505: twelve configuration bits
    Like(kEprom12, 21, [](FamilyMethods& m) { m.fuseAnd = 0x0FFF; }),
    // 12C671, 12C672, 12CE673, 12CE674: calibration in the last word
    Like(kEprom14, 22, kSame),
    // 14C000: bits 1 and 6 of the configuration word must stay set
    Like(kEprom14, 24,
         [](FamilyMethods& m) {
           m.fuseOr = 0x0042;
           m.comparedRows = k14C000ComparedRows;
         }),
    // 16F627, 16F628: their own code-protection bits
    Like(k16F84, 25, [](FamilyMethods& m) { m.unprotectedBits = 0x0D00; }),
    // 16F870 to 16F877
    {.code = 27,
     .preErase = PE::Smazat_16F87x,
     .program = PM::ProgramOnly,
     .programWaitMs = 20,
     .data = DM::ProgramOnly,
     .dataRowEvents = true,
     .id = IM::Flash,
     .idWordEvents = true,
     .idWaitMs = 20,
     .fuses = FM::Flash,
     .fuseAnd = 0xFFFF,
     .fuseOr = 0,
     .comparedRows = 0,
     .erase = EM::SetupErase,
     .unprotectedBits = 0x0130},
    // 12F629/675, 16F630/676: calibration word and bandgap bits kept
    {.code = 28,
     .preErase = PE::Smazat_12F6xx,
     .program = PM::EraseProgram,
     .programWaitMs = 20,
     .data = DM::EraseProgram,
     .dataRowEvents = false,
     .id = IM::Flash,
     .idWordEvents = false,
     .idWaitMs = 20,
     .fuses = FM::KeepBandgap,
     .fuseAnd = 0xFFFF,
     .fuseOr = 0,
     .comparedRows = 0,
     .erase = EM::Smazat_12F6xx,
     .unprotectedBits = 0},
    // 16F877A
    {.code = 30,
     .preErase = PE::ChipErase,
     .program = PM::WriteEveryWord,
     .programWaitMs = 2,
     .data = DM::WriteEveryByte,
     .dataRowEvents = true,
     .id = IM::FlashRetry,
     .idWordEvents = true,
     .idWaitMs = 10,
     .fuses = FM::FlashRetry,
     .fuseAnd = 0xFFFF,
     .fuseOr = 0,
     .comparedRows = 0,
     .erase = EM::ChipErase,
     .unprotectedBits = 0},
    // 16F627A, 16F628A
    {.code = 40,
     .preErase = PE::Smazat_40,
     .program = PM::ReadCompareWrite,
     .programWaitMs = 10,
     .data = DM::ReadCompareWrite,
     .dataRowEvents = true,
     .id = IM::Flash,
     .idWordEvents = true,
     .idWaitMs = 20,
     .fuses = FM::Flash,
     .fuseAnd = 0xFFFF,
     .fuseOr = 0,
     .comparedRows = 0,
     .erase = EM::Smazat_40,
     .unprotectedBits = 0},
}};

}  // namespace

const FamilyMethods* FindMethods(int code) {
  for (const FamilyMethods& m : kMethods)
    if (m.code == code) return &m;
  return nullptr;
}

}  // namespace lpt
