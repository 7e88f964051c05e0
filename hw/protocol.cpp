// SPDX-License-Identifier: GPL-2.0-or-later
// The serial programming protocol. Every command is one row of a table
// (command word plus which bits drop the data line together with the clock);
// one routine clocks any row, and one routine moves a 16-clock data frame in
// either direction. The timing mode only adds waits: the writes are the same.
#include "hw/protocol.h"

#include "devices/family.h"
#include "hw/adapter.h"
#include "hw/serial_command.h"

namespace lpt {
namespace {

// Resting write of a clocked bit: clock low, data b, the Vpp line as the
// entry left it, the supply on. The high write is the same with the clock
// up.
constexpr LineLevels LowLines(int bit, bool vpp = true) {
  return LineLevels{.vpp = vpp, .vdd = true, .clock = false, .data = bit != 0};
}
constexpr LineLevels HighLines(int bit, bool vpp = true) {
  return LineLevels{.vpp = vpp, .vdd = true, .clock = true, .data = bit != 0};
}
// Everything off, and the supply on with everything else off.
constexpr LineLevels kOff{};
constexpr LineLevels kSupplyOnly{.vdd = true};

// Low-voltage entry (DS41390, DS41439, DS41397, as the peers that follow
// them send it): "MCHP" as a 32-bit word, least significant bit first, then
// one more clock. The waits before and after are 250 to 300 us in the
// peers; a millisecond covers both.
constexpr std::uint32_t kLowVoltageKey = 0x4D434850;
constexpr int kLowVoltageKeyBits = 32;
constexpr std::uint32_t kKeyHoldMs = 1;

// A 6-bit command and its clocking. A bit set in `dataFallsWithClock` is a
// 1 whose data line falls with the clock: the data line is released on the same edge that
// lowers the clock (the "variant clocking" of the two bulk erases that some
// erase procedures need).
struct CommandWord {
  std::uint8_t code;
  std::uint8_t dataFallsWithClock;
};

namespace cmd {
constexpr std::uint8_t kIgnoredBit5 = 0x20;
constexpr CommandWord LoadConfiguration{serial::LoadConfiguration, 0};
constexpr CommandWord LoadDataForProgramMemory{serial::LoadDataForProgramMemory, 0};
constexpr CommandWord LoadDataForDataMemory{serial::LoadDataForDataMemory, 0};
constexpr CommandWord ReadDataFromProgramMemory{serial::ReadDataFromProgramMemory, 0};
constexpr CommandWord ReadDataFromDataMemory{serial::ReadDataFromDataMemory, 0};
constexpr CommandWord IncrementAddress{serial::IncrementAddress, 0};
constexpr CommandWord BeginEraseProgrammingCycle{serial::BeginEraseProgrammingCycle, 0};
constexpr CommandWord BeginProgrammingOnlyCycle{serial::BeginProgrammingOnlyCycle, 0};
constexpr CommandWord EndProgrammingEprom{serial::EndProgrammingEprom, 0};
// Bit 5 set: 37h and 3Fh, not 17h and 1Fh. The chips ignore it, and the
// data line then rests high after these two.
constexpr CommandWord EndProgramming16F87xA{serial::EndProgramming16F87xA | kIgnoredBit5, 0};
constexpr CommandWord ChipErase{serial::ChipErase | kIgnoredBit5, 0};
constexpr CommandWord EndProgramming12F6xx{serial::EndProgramming12F6xx, 0};
constexpr CommandWord RowEraseProgramMemory{serial::RowEraseProgramMemory, 0};
constexpr CommandWord BulkEraseProgramMemory{serial::BulkEraseProgramMemory, 0};
constexpr CommandWord BulkEraseProgramMemoryReleasingData{serial::BulkEraseProgramMemory, 0x08};
constexpr CommandWord BulkEraseDataMemory{serial::BulkEraseDataMemory, 0};
constexpr CommandWord BulkEraseDataMemoryReleasingData{serial::BulkEraseDataMemory, 0x0A};
constexpr CommandWord BulkEraseSetup1{serial::BulkEraseSetup1, 0};
constexpr CommandWord BulkEraseSetup2{serial::BulkEraseSetup2, 0};
}  // namespace cmd

constexpr int kCommandBits = 6;
constexpr int kWordBits = 14;
constexpr int kByteBits = 8;
// Waits of one transfer, in microseconds.
constexpr std::uint32_t kAfterEachWriteUs = 1;  // Delay mode only
constexpr std::uint32_t kFastGapUs = 5;         // command to frame, fast mode
constexpr std::uint32_t kDelayGapUs = 10;       // command to frame, Delay mode (after the 1 µs)
constexpr std::uint32_t kClosingUs = 10;        // after the last edge of every transfer

}  // namespace

Protocol::Protocol(AdapterPins& pins, Delay& delay, Hooks& hooks, const ActiveDevice& device)
    : pins_(pins), delay_(delay), hooks_(hooks), device_(device) {}

void Protocol::Drive(const LineLevels& lines) {
  pins_.Drive(lines);
  lines_ = lines;
  driven_ = true;
}

namespace {

// One transfer: a command and its optional data frame with the waits of the
// timing mode chosen when the transfer starts.
class Transfer {
 public:
  explicit Transfer(Protocol& p) : p_(p), delayMode_(p.DelayMode() == "true"), vpp_(p.VppOn()) {}

  void Command(CommandWord c) {
    for (int i = 0; i < kCommandBits; ++i) {
      const int bit = (c.code >> i) & 1;
      Write(HighLines(bit, vpp_));
      Write(bit && ((c.dataFallsWithClock >> i) & 1) ? LowLines(0, vpp_) : LowLines(bit, vpp_));
    }
  }

  // Data frame out: start bit, `bits` low bits of `value`, `ones` extra
  // 1-bits, stop bit.
  void FrameOut(unsigned value, int bits, int ones) {
    Gap();
    ClockBit(0);
    for (int i = 0; i < bits; ++i) ClockBit((value >> i) & 1);
    for (int i = 0; i < ones; ++i) ClockBit(1);
    StopBit();
  }

  // Data frame in: start bit, `bits` sampled clocks, `ignored` clocks not
  // sampled, stop bit. The chip drives the data line for all 16 clocks.
  std::uint16_t FrameIn(int bits, int ignored) {
    Gap();
    p_.pins().SetDataDirection(DataDirection::FromChip);
    ClockBit(0);
    unsigned value = 0;
    for (int i = 0; i < bits; ++i) {
      ClockBit(0);
      if (p_.pins().ReadData()) value |= 1u << i;
    }
    for (int i = 0; i < ignored; ++i) ClockBit(0);
    StopBit();
    p_.pins().SetDataDirection(DataDirection::ToChip);
    return static_cast<std::uint16_t>(value);
  }

  // Every transfer ends with the closing wait. A command-only transfer
  // reaches it after its last write's own 1 µs (Delay mode); a frame's stop
  // bit skips that 1 µs.
  void Close() { p_.delay().WaitUs(kClosingUs); }

 private:
  void Write(const LineLevels& lines) {
    p_.Drive(lines);
    if (delayMode_) p_.delay().WaitUs(kAfterEachWriteUs);
  }
  void ClockBit(int bit) {
    Write(HighLines(bit, vpp_));
    Write(LowLines(bit, vpp_));
  }
  void StopBit() {
    Write(HighLines(0, vpp_));
    p_.Drive(LowLines(0, vpp_));
  }
  void Gap() { p_.delay().WaitUs(delayMode_ ? kDelayGapUs : kFastGapUs); }

  Protocol& p_;
  const bool delayMode_;
  const bool vpp_;
};

void CommandOnly(Protocol& p, CommandWord c) {
  Transfer t(p);
  t.Command(c);
  t.Close();
}

void LoadWord(Protocol& p, CommandWord c, std::uint16_t word) {
  Transfer t(p);
  t.Command(c);
  t.FrameOut(word, kWordBits, 0);
  t.Close();
}

}  // namespace

void Protocol::IncrementAddress() { CommandOnly(*this, cmd::IncrementAddress); }
void Protocol::LoadConfiguration(std::uint16_t word) {
  LoadWord(*this, cmd::LoadConfiguration, word);
}
void Protocol::LoadDataForProgramMemory(std::uint16_t word) {
  LoadWord(*this, cmd::LoadDataForProgramMemory, word);
}

void Protocol::LoadDataForDataMemory(std::uint16_t byte) {
  Transfer t(*this);
  t.Command(cmd::LoadDataForDataMemory);
  // The byte fills the low 8 bits of the 14-bit field; the rest is sent as 1.
  t.FrameOut(byte, kByteBits, kWordBits - kByteBits);
  t.Close();
}

std::uint16_t Protocol::ReadDataFromProgramMemory() {
  Transfer t(*this);
  t.Command(cmd::ReadDataFromProgramMemory);
  const std::uint16_t value = t.FrameIn(kWordBits, 0);
  t.Close();
  return value;
}

std::uint16_t Protocol::ReadDataFromDataMemory() {
  Transfer t(*this);
  t.Command(cmd::ReadDataFromDataMemory);
  const std::uint16_t value = t.FrameIn(kByteBits, kWordBits - kByteBits);
  t.Close();
  return value;
}

void Protocol::BeginEraseProgrammingCycle() { CommandOnly(*this, cmd::BeginEraseProgrammingCycle); }
void Protocol::BeginProgrammingOnlyCycle() { CommandOnly(*this, cmd::BeginProgrammingOnlyCycle); }
void Protocol::EndProgrammingEprom() { CommandOnly(*this, cmd::EndProgrammingEprom); }
void Protocol::EndProgramming16F87xA() { CommandOnly(*this, cmd::EndProgramming16F87xA); }
void Protocol::EndProgramming12F6xx() { CommandOnly(*this, cmd::EndProgramming12F6xx); }
void Protocol::RowEraseProgramMemory() { CommandOnly(*this, cmd::RowEraseProgramMemory); }
void Protocol::ChipErase() { CommandOnly(*this, cmd::ChipErase); }
void Protocol::BulkEraseProgramMemory() { CommandOnly(*this, cmd::BulkEraseProgramMemory); }
void Protocol::BulkEraseProgramMemoryReleasingData() {
  CommandOnly(*this, cmd::BulkEraseProgramMemoryReleasingData);
}
void Protocol::BulkEraseDataMemory() { CommandOnly(*this, cmd::BulkEraseDataMemory); }
void Protocol::BulkEraseDataMemoryReleasingData() {
  CommandOnly(*this, cmd::BulkEraseDataMemoryReleasingData);
}
void Protocol::BulkEraseSetup1() { CommandOnly(*this, cmd::BulkEraseSetup1); }
void Protocol::BulkEraseSetup2() { CommandOnly(*this, cmd::BulkEraseSetup2); }

void Protocol::ResetPic() { ResetPicWithEntry(VppBeforeVdd(device_.family)); }

EntryChoice Protocol::EntryInUse() const {
  return ChooseEntry(device_, adapterVppMillivolts_, adapterSwitchesVdd_);
}

void Protocol::ResetPicWithEntry(bool vppFirst) {
  Drive(kOff);
  delay_.WaitMs(10);  // power-off hold
  const Entry entry = EntryInUse().entry;
  vppOn_ = entry == Entry::HighVoltage;
  if (entry != Entry::HighVoltage) {
    // MCLR stays low from here to the end of the session. A refused part
    // gets its supply and nothing else: it stays in reset.
    Drive(kSupplyOnly);
    delay_.WaitMs(kKeyHoldMs);
    if (entry == Entry::LowVoltage) EnterWithKey();
    return;
  }
  if (vppFirst) {
    // Vpp first: chips whose configuration may make MCLR an input would
    // otherwise start running before they see the programming voltage.
    Drive(LineLevels{.vpp = true});
    delay_.WaitUs(6);
  } else {
    // Supply first, then Vpp after the family's hold time.
    Drive(kSupplyOnly);
    delay_.WaitUs(VddToVppUs(device_.family));
  }
  Drive(LowLines(0));
  delay_.WaitMs(1);
}

void Protocol::EnterWithKey() {
  for (int i = 0; i <= kLowVoltageKeyBits; ++i) {
    // The 33rd clock carries no key bit.
    const int bit = i < kLowVoltageKeyBits ? static_cast<int>((kLowVoltageKey >> i) & 1) : 0;
    Drive(HighLines(bit, false));
    Drive(LowLines(bit, false));
  }
  Drive(LowLines(0, false));
  delay_.WaitMs(kKeyHoldMs);
}

bool Protocol::AdapterPresent() {
  ResetPic();
  // Drive the data line both ways and expect the adapter to echo it. Both
  // reads are always made.
  Drive(LowLines(1, vppOn_));
  delay_.WaitUs(1);
  const bool highSeen = pins_.ReadData();
  Drive(LowLines(0, vppOn_));
  delay_.WaitUs(1);
  const bool lowSeen = !pins_.ReadData();
  if (highSeen && lowSeen) return true;
  hooks_.AdapterNotFound(pins_.FailureReason());
  return false;
}

void Protocol::Idle() { Drive(kOff); }

}  // namespace lpt
