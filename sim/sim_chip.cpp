// SPDX-License-Identifier: GPL-2.0-or-later
// Power, mode entry and the serial engine of the chip model: what happens
// on each edge of the lines. The commands themselves are in chip_commands.cpp.
#include "sim/sim_chip.h"

namespace lpt::sim {
namespace {

constexpr std::uint8_t kClock = 0x01;
constexpr std::uint8_t kData = 0x02;
constexpr std::uint8_t kVpp = 0x04;
constexpr std::uint8_t kVddOff = 0x08;

// Commands followed by a data frame, and whether the chip sends it.
bool HasFrame(std::uint8_t command) {
  return command == serial::LoadConfiguration || command == serial::LoadDataForProgramMemory ||
         command == serial::LoadDataForDataMemory || command == serial::ReadDataFromProgramMemory ||
         command == serial::ReadDataFromDataMemory;
}

}  // namespace

SimChip::SimChip(ChipState state)
    : state_(std::move(state)),
      family_(PartModel(state_.device, state_.family).value()),
      rowLatches_(family_.writeLatches, WordMask(family_)) {}

void SimChip::OnLines(std::uint8_t lines, std::uint64_t nowUs) {
  const bool vdd = (lines & kVddOff) == 0;
  const bool vpp = (lines & kVpp) != 0;
  const bool clock = (lines & kClock) != 0;
  const bool data = (lines & kData) != 0;
  if (vpp && family_.maxMclrMillivolts != 0 && vppMillivolts_ > family_.maxMclrMillivolts)
    state_.destroyed = true;
  if (vdd && family_.maxVddMillivolts != 0 && vddMillivolts_ > family_.maxVddMillivolts)
    state_.destroyed = true;
  if (state_.destroyed) {
    mode_ = Mode::Off;
    driving_ = false;
    clock_ = clock;
    data_ = data;
    return;
  }
  if (vdd != vdd_ || vpp != vpp_) PowerChanged(vdd, vpp, nowUs);
  if (mode_ == Mode::Reset && family_.lowVoltageKey && clock_ && !clock) {
    KeyBit(data_, nowUs);  // the level held while the clock was high
  } else if (mode_ == Mode::Programming && clock != clock_) {
    if (clock)
      RisingEdge();
    else
      FallingEdge(data_, nowUs);  // the level held while the clock was high
  }
  clock_ = clock;
  data_ = data;
}

void SimChip::PowerChanged(bool vdd, bool vpp, std::uint64_t nowUs) {
  const bool wasVdd = vdd_;
  vdd_ = vdd;
  vpp_ = vpp;
  keyBits_ = 0;  // any change of MCLR or the supply starts the key again
  key_ = 0;
  if (!vdd) {
    if (mode_ == Mode::Programming) Settle(nowUs);
    mode_ = Mode::Off;
    driving_ = false;
    return;
  }
  if (!wasVdd) {
    supplyOnUs_ = nowUs;
    // Supply arrives: with Vpp already on the part goes straight into
    // programming mode whatever its configuration.
    if (vpp)
      EnterProgramming(nowUs);
    else
      mode_ = RunsWithoutMclr() ? Mode::Running : Mode::Reset;
    return;
  }
  if (vpp) {
    // A part already running its own program ignores the late Vpp, and one
    // that gets it sooner than its hold time after the supply stays in reset.
    const bool held = nowUs - supplyOnUs_ >= family_.times.vddToVppUs;
    if (mode_ == Mode::Reset && held) EnterProgramming(nowUs);
    return;
  }
  if (mode_ == Mode::Programming) {
    Settle(nowUs);
    driving_ = false;
    mode_ = RunsWithoutMclr() ? Mode::Running : Mode::Reset;
  }
}

bool SimChip::RunsWithoutMclr() const {
  if (family_.entry.mclreBit == 0) return false;
  const std::uint16_t config = ConfigWord(state_);
  return (config & family_.entry.intOscMask) == family_.entry.intOscValue &&
         (config & family_.entry.mclreBit) == 0;
}

void SimChip::EnterProgramming(std::uint64_t nowUs) {
  mode_ = Mode::Programming;
  phase_ = Phase::Command;
  bits_ = 0;
  shift_ = 0;
  driving_ = false;
  listensFromUs_ = nowUs + family_.times.vppToCommandUs;
  counter_ = family_.word12 ? ConfigWordAddress(state_, family_) : 0;
  programLatch_ = WordMask(family_);
  dataLatch_ = 0xFF;
  dataLoadedLast_ = false;
  rowLoaded_ = 0;
  armed_ = Armed::None;
  dischargedAtUs_ = 0;
  frameIgnored_ = false;
}

void SimChip::KeyBit(bool bit, std::uint64_t nowUs) {
  constexpr int kKeyBits = 32;
  if (keyBits_ < kKeyBits) {
    if (bit) key_ |= 1u << keyBits_;
    ++keyBits_;
    return;
  }
  if (keyBits_ > kKeyBits) return;  // a wrong key: deaf until the next reset
  ++keyBits_;
  const bool lvp = state_.config.size() > 8 && (state_.config[8] & family_.lvpBit) != 0;
  if (key_ == kLowVoltageKey && lvp) EnterProgramming(nowUs);
}

void SimChip::RisingEdge() {
  if (phase_ != Phase::FrameOut) return;
  // Clock k of a read frame (k = bits_ + 1): the chip drives data bit k-2
  // from the rising edge of the 2nd clock; the 16th carries the stop bit 0.
  const int k = bits_ + 1;
  if (frameIgnored_) return;  // a read not taken: nothing drives the line
  if (k >= 2 && k <= 15) {
    driving_ = true;
    level_ = (outWord_ >> (k - 2)) & 1;
  } else if (k == 16) {
    level_ = false;
  }
}

void SimChip::FallingEdge(bool bit, std::uint64_t nowUs) {
  switch (phase_) {
    case Phase::Command:
      if (nowUs < listensFromUs_) return;  // too soon after Vpp: unheard
      if (bits_ == 0) {
        CommandStarts(nowUs);
        commandStartUs_ = nowUs;
      }
      if (bit) shift_ |= static_cast<std::uint16_t>(1u << bits_);
      if (++bits_ == 6) {
        const std::uint8_t command = static_cast<std::uint8_t>(shift_) & family_.commandMask;
        bits_ = 0;
        shift_ = 0;
        const bool known = (family_.commands >> command) & 1;
        // Too soon after End Programming: neither the command nor its frame
        // is taken.
        frameIgnored_ = commandStartUs_ < dischargedAtUs_;
        if (known && HasFrame(command)) {
          armed_ = Armed::None;
          frameCommand_ = command;
          if (command == serial::ReadDataFromProgramMemory ||
              command == serial::ReadDataFromDataMemory) {
            outWord_ = WordToSend(command);
            phase_ = Phase::FrameOut;
          } else {
            phase_ = Phase::FrameIn;
          }
        } else if (frameIgnored_) {
          armed_ = Armed::None;
        } else if (known) {
          Execute(command, nowUs);
        } else {
          armed_ = Armed::None;  // an unknown command breaks any sequence
        }
      }
      break;
    case Phase::FrameIn:
      // Clock 1 is the start bit, clocks 2-15 the data LSB first, 16 the stop bit.
      if (bits_ >= 1 && bits_ <= 14 && bit) shift_ |= static_cast<std::uint16_t>(1u << (bits_ - 1));
      if (++bits_ == 16) {
        if (!frameIgnored_) FinishLoad(shift_);
        bits_ = 0;
        shift_ = 0;
        phase_ = Phase::Command;
      }
      break;
    case Phase::FrameOut:
      if (++bits_ == 16) {
        driving_ = false;
        bits_ = 0;
        phase_ = Phase::Command;
      }
      break;
  }
}

int SimChip::PulseCount(Location at) const {
  auto it = pulses_.find(at);
  return it == pulses_.end() ? 0 : it->second;
}

}  // namespace lpt::sim
