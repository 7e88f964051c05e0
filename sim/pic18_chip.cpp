// SPDX-License-Identifier: GPL-2.0-or-later
#include "sim/pic18_chip.h"

#include <algorithm>

#include "hw/pic18_command.h"
#include "hw/protocol.h"

namespace lpt::sim {
namespace {

constexpr int kIdBufferBytes = 8;  // the IDs are written through an 8-byte buffer

// The silicon's DEVID2:DEVID1 without revision, transcribed again from
// DS39622 (as Pickle's pic16.h gives it) and kept apart from the parts'
// records on purpose: a wrong record ID then fails the ID check.
struct SiliconId {
  std::string_view part;
  std::uint16_t id;
};
constexpr SiliconId kSiliconIds[] = {
    {"18F2455", 0x1260}, {"18F2550", 0x1240}, {"18F4455", 0x1220}, {"18F4550", 0x1200},
    {"18F2420", 0x1140}, {"18F2520", 0x1100}, {"18F4420", 0x10C0}, {"18F4520", 0x1080},
};

std::uint16_t SiliconIdOf(std::string_view part) {
  for (const SiliconId& s : kSiliconIds)
    if (s.part == part) return s.id;
  return 0;
}

bool Bit(std::uint8_t value, int bit) { return ((value >> bit) & 1) != 0; }

bool IsRead(std::uint8_t command) {
  return command == pic18::ShiftOutTablat ||
         (command >= pic18::TableRead && command <= pic18::TableReadPreIncrement);
}

}  // namespace

Pic18Chip::Pic18Chip(const Pic18Part& part, Pic18Image memory, std::uint8_t revision)
    : part_(part),
      memory_(std::move(memory)),
      revision_(revision),
      buffer_(static_cast<std::size_t>(std::max(part.writeBufferBytes, kIdBufferBytes)), 0xFF),
      loaded_(buffer_.size(), false) {}

void Pic18Chip::OnLines(std::uint8_t lines, std::uint64_t nowUs) {
  const bool vdd = (lines & LineVddOff) == 0;
  const bool vpp = (lines & LineVpp) != 0;
  const bool clock = (lines & LineClock) != 0;
  const bool data = (lines & LineData) != 0;
  if (vdd != vdd_ || vpp != vpp_) PowerChanged(vdd, vpp, nowUs);
  if (programming_ && clock != clock_) {
    if (clock)
      Rising(nowUs);
    else
      Falling(data_, nowUs);  // the level held while the clock was high
  }
  clock_ = clock;
  data_ = data;
}

void Pic18Chip::PowerChanged(bool vdd, bool vpp, std::uint64_t nowUs) {
  vdd_ = vdd;
  vpp_ = vpp;
  if (!(vdd && vpp)) {
    if (programming_) {
      if (eepromBusy_ && nowUs < eepromDoneUs_) ++lost_;
      FinishEeprom(nowUs);
      eepromBusy_ = false;
      if (holding_ || eraseStage_ == 2) ++lost_;
    }
    programming_ = false;
    driving_ = false;
    return;
  }
  if (programming_) return;
  // With LVP set, PGM high selects low-voltage programming: Vpp on MCLR
  // then finds the part in neither mode.
  const bool lvp =
      (memory_.config[kPic18LvpByte] & part_.configMasks[kPic18LvpByte] & kPic18LvpBit) != 0;
  if (pgmHigh_ && lvp) return;
  programming_ = true;
  phase_ = Phase::Command;
  bits_ = 0;
  shift_ = 0;
  driving_ = false;
  w_ = tablat_ = eecon1_ = eedata_ = eeadr_ = eeadrh_ = 0;
  tblptr_ = 0;
  std::fill(buffer_.begin(), buffer_.end(), 0xFF);
  std::fill(loaded_.begin(), loaded_.end(), false);
  configWrite_ = -1;
  programArmed_ = holding_ = false;
  eraseStage_ = 0;
}

void Pic18Chip::Rising(std::uint64_t nowUs) {
  // The last bit of a read stays on the line until the next clock.
  if (phase_ != Phase::Output) driving_ = false;
  if (phase_ == Phase::Command && bits_ == 3 && programArmed_) {
    holding_ = true;
    holdStartUs_ = nowUs;
  } else if (phase_ == Phase::Output) {
    driving_ = true;
    level_ = Bit(out_, bits_);
  }
}

void Pic18Chip::Falling(bool bit, std::uint64_t nowUs) {
  switch (phase_) {
    case Phase::Command:
      if (bits_ == 3 && holding_) {
        holding_ = false;
        programArmed_ = false;
        if (nowUs - holdStartUs_ >= times_.p9Us)
          ApplyProgramming();
        else
          ++lost_;
      }
      if (bit) shift_ |= static_cast<std::uint16_t>(1u << bits_);
      if (++bits_ == 4) CommandTaken(nowUs);
      break;
    case Phase::Payload:
      if (bits_ == 0 && eraseStage_ == 2) {
        eraseStage_ = 0;
        if (nowUs - eraseStartUs_ >= times_.p11Us)
          Erase(static_cast<std::uint16_t>(eraseHigh_ << 8 | eraseLow_));
        else
          ++lost_;
      }
      if (bit) shift_ |= static_cast<std::uint16_t>(1u << bits_);
      if (++bits_ == 16) PayloadTaken(nowUs);
      break;
    case Phase::Ignored:
      if (++bits_ == 8) {
        phase_ = Phase::Output;
        bits_ = 0;
      }
      break;
    case Phase::Output:
      if (++bits_ == 8) {
        phase_ = Phase::Command;
        bits_ = 0;
      }
      break;
  }
}

void Pic18Chip::CommandTaken(std::uint64_t nowUs) {
  command_ = static_cast<std::uint8_t>(shift_);
  bits_ = 0;
  shift_ = 0;
  FinishEeprom(nowUs);
  if (!IsRead(command_)) {
    phase_ = Phase::Payload;
    return;
  }
  phase_ = Phase::Ignored;
  switch (command_) {
    case pic18::ShiftOutTablat:
      out_ = tablat_;
      break;
    case pic18::TableReadPreIncrement:
      ++tblptr_;
      out_ = tablat_ = ReadByte(tblptr_);
      break;
    default:
      out_ = tablat_ = ReadByte(tblptr_);
      if (command_ == pic18::TableReadPostIncrement) ++tblptr_;
      if (command_ == pic18::TableReadPostDecrement) --tblptr_;
      break;
  }
  tblptr_ &= 0x3FFFFF;
}

void Pic18Chip::PayloadTaken(std::uint64_t nowUs) {
  const std::uint16_t payload = shift_;
  phase_ = Phase::Command;
  bits_ = 0;
  shift_ = 0;
  switch (command_) {
    case pic18::CoreInstruction:
      if (eraseStage_ == 1) {
        eraseStage_ = 2;  // the NOP after 3C0004h starts the erase
        eraseStartUs_ = nowUs;
      }
      Execute(payload, nowUs);
      break;
    case pic18::TableWrite:
      TableWrite(payload);
      break;
    case pic18::TableWritePostIncrement2:
      TableWrite(payload);
      tblptr_ += 2;
      break;
    case pic18::TableWriteStartPostIncrement2:
      TableWrite(payload);
      StartProgramming();
      tblptr_ += 2;
      break;
    case pic18::TableWriteStart:
      TableWrite(payload);
      StartProgramming();
      break;
    default:
      break;  // commands the document reserves do nothing
  }
}

void Pic18Chip::Execute(std::uint16_t instruction, std::uint64_t nowUs) {
  const auto f = static_cast<std::uint8_t>(instruction & 0xFF);
  const int bit = (instruction >> 9) & 7;
  if ((instruction & 0xFF00) == 0x0E00) {
    w_ = f;
  } else if ((instruction & 0xFF00) == 0x6E00) {
    WriteRegister(f, w_, nowUs);
  } else if ((instruction & 0xFF00) == 0x5000) {
    w_ = ReadRegister(f);
  } else if ((instruction & 0xF100) == 0x8000) {
    WriteRegister(f, static_cast<std::uint8_t>(ReadRegister(f) | 1 << bit), nowUs);
  } else if ((instruction & 0xF100) == 0x9000) {
    WriteRegister(f, static_cast<std::uint8_t>(ReadRegister(f) & ~(1 << bit)), nowUs);
  }
}

std::uint8_t Pic18Chip::ReadRegister(std::uint8_t f) const {
  switch (f) {
    case pic18::kTablat:
      return tablat_;
    case pic18::kTblptrL:
      return static_cast<std::uint8_t>(tblptr_);
    case pic18::kTblptrH:
      return static_cast<std::uint8_t>(tblptr_ >> 8);
    case pic18::kTblptrU:
      return static_cast<std::uint8_t>(tblptr_ >> 16);
    case pic18::kEecon1:
      return static_cast<std::uint8_t>((eecon1_ & ~(1 << pic18::kWr)) |
                                       (eepromBusy_ ? 1 << pic18::kWr : 0));
    case pic18::kEedata:
      return eedata_;
    case pic18::kEeadr:
      return eeadr_;
    case pic18::kEeadrh:
      return eeadrh_;
    default:
      return 0;
  }
}

void Pic18Chip::WriteRegister(std::uint8_t f, std::uint8_t value, std::uint64_t nowUs) {
  const int eepromAddress = eeadrh_ << 8 | eeadr_;
  switch (f) {
    case pic18::kTablat:
      tablat_ = value;
      break;
    case pic18::kTblptrL:
      tblptr_ = (tblptr_ & 0x3FFF00) | value;
      break;
    case pic18::kTblptrH:
      tblptr_ = (tblptr_ & 0x3F00FF) | static_cast<std::uint32_t>(value) << 8;
      break;
    case pic18::kTblptrU:
      tblptr_ = (tblptr_ & 0x00FFFF) | static_cast<std::uint32_t>(value & 0x3F) << 16;
      break;
    case pic18::kEedata:
      eedata_ = value;
      break;
    case pic18::kEeadr:
      eeadr_ = value;
      break;
    case pic18::kEeadrh:
      eeadrh_ = value;
      break;
    case pic18::kEecon1: {
      const bool dataEeprom = !Bit(value, pic18::kEepgd) && !Bit(value, pic18::kCfgs);
      const bool inRange = eepromAddress < part_.dataBytes;
      if (Bit(value, pic18::kRd) && dataEeprom && inRange) {
        const bool protectedData = !Bit(memory_.config[9] | ~part_.configMasks[9], 7);
        eedata_ = protectedData ? 0 : memory_.eeprom[static_cast<std::size_t>(eepromAddress)];
      }
      if (Bit(value, pic18::kWr) && !eepromBusy_ && dataEeprom && inRange &&
          Bit(value, pic18::kWren)) {
        eepromBusy_ = true;
        eepromDoneUs_ = nowUs + times_.eepromUs;
        // The address and data are taken now; the write lands when done.
        pendingEeprom_ = {eepromAddress, eedata_};
      }
      eecon1_ = static_cast<std::uint8_t>(value & ~(1 << pic18::kRd | 1 << pic18::kWr));
      break;
    }
    default:
      break;
  }
}

void Pic18Chip::FinishEeprom(std::uint64_t nowUs) {
  if (!eepromBusy_ || nowUs < eepromDoneUs_) return;
  eepromBusy_ = false;
  memory_.eeprom[static_cast<std::size_t>(pendingEeprom_.address)] = pendingEeprom_.value;
}

void Pic18Chip::TableWrite(std::uint16_t payload) {
  const std::uint32_t address = tblptr_;
  const auto low = static_cast<std::uint8_t>(payload & 0xFF);
  const auto high = static_cast<std::uint8_t>(payload >> 8);
  const bool odd = (address & 1) != 0;
  if (address == pic18::kEraseControlLow || address == pic18::kEraseControlHigh) {
    if (odd) {
      eraseHigh_ = high;
    } else {
      eraseLow_ = low;
      eraseStage_ = 1;
    }
    return;
  }
  if (Bit(eecon1_, pic18::kCfgs)) {
    if (address >= kPic18ConfigAddress && address < kPic18ConfigAddress + kPic18ConfigBytes) {
      configWrite_ = static_cast<std::int32_t>(address - kPic18ConfigAddress);
      configValue_ = odd ? high : low;
    }
    return;
  }
  const bool ids = address >= kPic18IdAddress && address < kPic18IdAddress + kPic18IdBytes;
  const std::uint32_t size =
      ids ? kIdBufferBytes : static_cast<std::uint32_t>(part_.writeBufferBytes);
  bufferBase_ = address & ~(size - 1);
  const std::size_t index = address & (size - 1) & ~1u;
  buffer_[index] = low;
  buffer_[index + 1] = high;
  loaded_[index] = loaded_[index + 1] = true;
}

void Pic18Chip::StartProgramming() { programArmed_ = true; }

void Pic18Chip::ApplyProgramming() {
  if (configWrite_ >= 0) {
    const auto i = static_cast<std::size_t>(configWrite_);
    memory_.config[i] = configValue_ & part_.configMasks[i];
    configWrite_ = -1;
    return;
  }
  for (std::size_t i = 0; i < buffer_.size(); ++i) {
    if (!loaded_[i]) continue;
    const std::uint32_t address = bufferBase_ + static_cast<std::uint32_t>(i);
    if (address < static_cast<std::uint32_t>(part_.programBytes))
      memory_.program[address] &= buffer_[i];
    else if (address >= kPic18IdAddress && address < kPic18IdAddress + kPic18IdBytes)
      memory_.ids[address - kPic18IdAddress] &= buffer_[i];
  }
  std::fill(buffer_.begin(), buffer_.end(), 0xFF);
  std::fill(loaded_.begin(), loaded_.end(), false);
}

void Pic18Chip::Erase(std::uint16_t code) {
  const auto program = [&](int from, int to) {
    to = std::min(to, part_.programBytes);
    if (from < to)
      std::fill(memory_.program.begin() + from, memory_.program.begin() + to, std::uint8_t{0xFF});
  };
  const Pic18Image blank = BlankPic18Image(part_);
  if (code == pic18::kChipErase) {
    memory_ = blank;
  } else if (code == pic18::kEraseDataEeprom) {
    memory_.eeprom = blank.eeprom;
  } else if (code == pic18::kEraseBootBlock) {
    program(0, part_.bootBlockBytes);
  } else if (code == pic18::kEraseConfiguration) {
    memory_.config = blank.config;
  } else {
    for (int n = 0; n < 6; ++n)
      if (code == pic18::EraseBlock(n))
        program(std::max(n * part_.blockBytes, part_.bootBlockBytes), (n + 1) * part_.blockBytes);
  }
}

bool Pic18Chip::ProgramReadProtected(std::uint32_t address) const {
  const auto a = static_cast<int>(address);
  if (a < part_.bootBlockBytes) return !Bit(memory_.config[9] | ~part_.configMasks[9], 6);
  const int block = a / part_.blockBytes;
  return !Bit(memory_.config[8] | ~part_.configMasks[8], block);
}

std::uint8_t Pic18Chip::ReadByte(std::uint32_t address) const {
  if (address < static_cast<std::uint32_t>(part_.programBytes))
    return ProgramReadProtected(address) ? 0 : memory_.program[address];
  if (address >= kPic18IdAddress && address < kPic18IdAddress + kPic18IdBytes)
    return memory_.ids[address - kPic18IdAddress];
  if (address >= kPic18ConfigAddress && address < kPic18ConfigAddress + kPic18ConfigBytes) {
    const std::uint32_t i = address - kPic18ConfigAddress;
    return memory_.config[i] & part_.configMasks[i];
  }
  const std::uint16_t id = static_cast<std::uint16_t>(SiliconIdOf(part_.name) | revision_);
  if (address == kPic18DeviceIdAddress) return static_cast<std::uint8_t>(id & 0xFF);
  if (address == kPic18DeviceIdAddress + 1) return static_cast<std::uint8_t>(id >> 8);
  return 0;
}

}  // namespace lpt::sim
