#include "sim/family_model.h"

#include <array>
#include <cstring>

namespace lpt::sim {
namespace {

constexpr std::uint64_t Commands(std::initializer_list<Command> list) {
  std::uint64_t bits = 0;
  for (Command c : list) bits |= CommandBit(c);
  return bits;
}

constexpr std::uint64_t kEprom14 =
    Commands({kLoadConfig, kLoadDataProgram, kReadDataProgram, kIncrementAddress,
              kBeginEraseProgram, kEndProgrammingEprom});
constexpr std::uint64_t kEprom12 = Commands({kLoadDataProgram, kReadDataProgram, kIncrementAddress,
                                             kBeginEraseProgram, kEndProgrammingEprom});
constexpr std::uint64_t kFlashBasic =
    Commands({kLoadConfig, kLoadDataProgram, kLoadDataData, kReadDataProgram, kReadDataData,
              kIncrementAddress, kBeginEraseProgram, kBeginProgramOnly});
constexpr std::uint64_t kSetup = Commands({kBulkSetup1, kBulkSetup2});
constexpr std::uint64_t kBulk = Commands({kBulkEraseProgram, kBulkEraseData});

using T = Technology;
using C = FactoryCalibration;

// Cycle times are the makers' maximums, taken as the least time the host
// must wait. Columns: erase rules {08h erases, bulk needs 08h, bulk blocked
// by protection, setup sequence}; times {08h, 18h, data, erase, EPROM pulse}
// in us; protection {CP bits, CPD bits, readable words}; implemented
// configuration bits; entry rule {oscillator mask, internal-oscillator
// value, MCLRE bit}.
// clang-format off
constexpr std::array<FamilyModel, 12> kModels{{
    // 16C84, 16F83, 16F84, 16F84A
    {1, T::Flash, false, 0x3F, kFlashBasic | kSetup | kBulk, 0, false,
     {true, true, true, true}, {10000, 10000, 20000, 10000, 0},
     {0x0010, 0x0010, 0}, 0x3FFF, {0, 0, 0}, C::None, false},
    // 14-bit EPROM parts (16C6x/7x/62x/71x/77x/745/765/92x)
    {4, T::Eprom, false, 0x3F, kEprom14, kEndProgrammingEprom, false,
     {false, false, false, false}, {0, 0, 0, 0, 100},
     {0x0010, 0, 0}, 0x3FFF, {0, 0, 0}, C::None, false},
    // 16C55x
    {17, T::Eprom, false, 0x3F, kEprom14, kEndProgrammingEprom, false,
     {false, false, false, false}, {0, 0, 0, 0, 100},
     {0x0030, 0, 0}, 0x3FFF, {0, 0, 0}, C::None, false},
    // 12C508/509, 12CE518/519: 000h-03Fh stay readable when protected
    {20, T::Eprom, true, 0x3F, kEprom12, kEndProgrammingEprom, false,
     {false, false, false, false}, {0, 0, 0, 0, 100},
     {0x0008, 0, 0x40}, 0x0FFF, {0, 0, 0}, C::MovlwLastWord, false},
    // 16C505
    {21, T::Eprom, true, 0x3F, kEprom12, kEndProgrammingEprom, false,
     {false, false, false, false}, {0, 0, 0, 0, 100},
     {0x0010, 0, 0x40}, 0x0FFF, {0, 0, 0}, C::MovlwLastWord, false},
    // 12C67x, 12CE67x: FOSC2:0 = 10x is the internal RC, MCLRE bit 7
    {22, T::Eprom, false, 0x3F, kEprom14, kEndProgrammingEprom, false,
     {false, false, false, false}, {0, 0, 0, 0, 100},
     {0x0060, 0, 0}, 0x3FFF, {0x0006, 0x0004, 0x0080}, C::RetlwLastWord, false},
    // 14C000
    {24, T::Eprom, false, 0x3F, kEprom14, kEndProgrammingEprom, false,
     {false, false, false, false}, {0, 0, 0, 0, 100},
     {0x0030, 0, 0}, 0x3FFF, {0, 0, 0}, C::None, false},
    // 16F627/628: FOSC2 is bit 4, FOSC1:0 bits 1:0; MCLRE bit 5
    {25, T::Flash, false, 0x3F, kFlashBasic | kSetup | kBulk, 0, false,
     {true, true, true, true}, {13000, 8000, 13000, 10000, 0},
     {0x0C00, 0x0100, 0}, 0x3FFF, {0x0012, 0x0010, 0x0020}, C::None, false},
    // 16F87x: no bulk erase commands, only the setup sequence
    {27, T::Flash, false, 0x3F, kFlashBasic | kSetup, 0, false,
     {true, false, false, true}, {8000, 4000, 8000, 10000, 0},
     {0x0030, 0x0100, 0}, 0x3FFF, {0, 0, 0}, C::None, false},
    // 12F629/675, 16F630/676: programming only clears bits; bulk erase also
    // destroys the calibration word and the bandgap bits
    {28, T::Flash, false, 0x3F, kFlashBasic | kBulk | CommandBit(kEndProgramming6xx),
     kEndProgramming6xx, true,
     {false, false, false, false}, {3000, 1000, 6000, 6000, 0},
     {0x0080, 0x0100, 0}, 0x31FF, {0x0006, 0x0004, 0x0020}, C::RetlwLastWord, true},
    // 16F877A: bit 5 of a command is don't-care (37h is 17h, 3Fh is 1Fh)
    {30, T::Flash, false, 0x1F,
     kFlashBasic | kBulk | CommandBit(kChipErase) | CommandBit(kEndProgramming87xA),
     kEndProgramming87xA, true,
     {true, false, false, false}, {8000, 1000, 8000, 10000, 0},
     {0x2000, 0x0100, 0}, 0x3FFF, {0, 0, 0}, C::None, false},
    // 16F627A/628A
    {40, T::Flash, false, 0x3F, kFlashBasic | kBulk, 0, false,
     {true, false, false, false}, {6000, 6000, 6000, 10000, 0},
     {0x2000, 0x0100, 0}, 0x3FFF, {0x0012, 0x0010, 0x0020}, C::None, false},
}};
// clang-format on

struct DeviceId {
  const char* name;
  std::uint16_t id;
};

// Device ID words with revision 0, as the parts' programming documents give them.
constexpr std::array<DeviceId, 17> kDeviceIds{{
    {"16F84A", 0x0560},
    {"16F627", 0x07A0},
    {"16F628", 0x07C0},
    {"16F627A", 0x1040},
    {"16F628A", 0x1060},
    {"16F870", 0x0D00},
    {"16F871", 0x0D20},
    {"16F872", 0x08E0},
    {"16F873", 0x0960},
    {"16F874", 0x0920},
    {"16F876", 0x09E0},
    {"16F877", 0x09A0},
    {"16F877A", 0x0E20},
    {"12F629/675", 0x0F80},
    {"16F630/676", 0x10C0},
    {"16F83", 0x3FFF},
    {"16F84", 0x3FFF},
}};

}  // namespace

const FamilyModel* FindFamilyModel(int code) {
  for (const FamilyModel& m : kModels)
    if (m.code == code) return &m;
  return nullptr;
}

std::uint16_t FactoryDeviceId(const char* deviceName) {
  for (const DeviceId& d : kDeviceIds)
    if (std::strcmp(d.name, deviceName) == 0) return d.id;
  return 0x3FFF;
}

}  // namespace lpt::sim
