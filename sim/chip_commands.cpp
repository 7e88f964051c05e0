// SPDX-License-Identifier: GPL-2.0-or-later
// What the chip model does with a decoded command: the address counter,
// loads, programming and erase cycles, code protection and injected faults.
#include <algorithm>

#include "sim/sim_chip.h"

namespace lpt::sim {

void SimChip::Execute(std::uint8_t command, std::uint64_t nowUs) {
  const Armed previous = armed_;
  armed_ = Armed::None;
  const bool inConfigArea = !family_.word12 && counter_ >= family_.configBase;
  switch (command) {
    case serial::IncrementAddress:
      Increment();
      break;
    case serial::BulkEraseSetup1:
      if (family_.erase.hasSetupErase) armed_ = Armed::Setup1;
      break;
    case serial::BulkEraseSetup2:
      if (previous == Armed::Setup1) armed_ = Armed::Setup2;
      break;
    case serial::BulkEraseProgramMemory:
      if (family_.counterWraps) {
        StartBulkErase12(nowUs);
        break;
      }
      if (family_.erase.bulkBlockedByProtection && ProgramProtected()) break;
      if (family_.erase.protectedNeedsConfigArea && ProgramProtected() && !inConfigArea) break;
      if (family_.erase.bulkNeedsBegin)
        armed_ = Armed::BulkProgram;
      else
        StartErase(Pending::EraseProgram, inConfigArea, nowUs);
      break;
    case serial::BulkEraseDataMemory:
      if (family_.erase.bulkBlockedByProtection && DataProtected()) break;
      if (family_.erase.protectedNeedsConfigArea && DataProtected()) break;
      if (family_.erase.bulkNeedsBegin)
        armed_ = Armed::BulkData;
      else
        StartErase(Pending::EraseData, false, nowUs);
      break;
    case serial::ChipErase:
      StartErase(Pending::EraseEverything, true, nowUs);
      break;
    case serial::BeginEraseProgrammingCycle:
      if (previous == Armed::Setup2) {
        // The setup sequence erases according to where it is aimed.
        if (!family_.word12 && counter_ == ConfigWordAddress(state_, family_))
          StartErase(Pending::EraseEverything, true, nowUs);
        else if (dataLoadedLast_)
          StartErase(Pending::EraseData, false, nowUs);
        else
          StartErase(Pending::EraseProgram, false, nowUs);
      } else if (previous == Armed::BulkProgram) {
        StartErase(Pending::EraseProgram, inConfigArea, nowUs);
      } else if (previous == Armed::BulkData) {
        StartErase(Pending::EraseData, false, nowUs);
      } else {
        StartWrite(false, nowUs);
      }
      break;
    case serial::BeginProgrammingOnlyCycle:
      StartWrite(true, nowUs);
      break;
    case serial::RowEraseProgramMemory:
      StartRowErase(nowUs);
      break;
    default:
      // End Programming: the cycle it ends was settled when it started,
      // unless the part waits for it and then for the discharge time (the
      // 12-bit flash parts); on the others the programming voltage then
      // discharges, and a command sent sooner is not taken.
      if (command == family_.endProgramming && awaitingDischarge_ && !endedAtUs_)
        endedAtUs_ = nowUs;
      if (command == family_.endProgramming && !family_.counterWraps)
        dischargedAtUs_ = nowUs + family_.times.dischargeUs;
      break;
  }
  if (pending_ != Pending::None) pendingCommand_ = command;  // the cycle this command started
}

void SimChip::StartBulkErase12(std::uint64_t nowUs) {
  // With the counter in the ID area (from the first ID up to the word
  // before the configuration word) the IDs and the backup calibration go
  // too; elsewhere program memory and the configuration word only.
  const std::size_t size = state_.program.size();
  const bool idArea = counter_ >= size && counter_ != ConfigWordAddress(state_, family_);
  StartErase(Pending::EraseProgram, true, nowUs);
  pendingIdsToo_ = idArea;
}

void SimChip::FinishLoad(std::uint16_t word) {
  switch (frameCommand_) {
    case serial::LoadConfiguration:
      counter_ = family_.configBase;
      programLatch_ = word & 0x3FFF;
      dataLoadedLast_ = false;
      break;
    case serial::LoadDataForProgramMemory: {
      programLatch_ = word & WordMask(family_);
      dataLoadedLast_ = false;
      const std::size_t latch = counter_ % rowLatches_.size();
      rowLatches_[latch] = programLatch_;
      rowLoaded_ |= 1u << latch;
      break;
    }
    case serial::LoadDataForDataMemory:
      dataLatch_ = static_cast<std::uint8_t>(word & 0xFF);
      dataLoadedLast_ = true;
      break;
    default:
      break;
  }
}

std::uint16_t SimChip::WordToSend(std::uint8_t readCommand) const {
  Location at;
  if (readCommand == serial::ReadDataFromDataMemory) {
    if (state_.data.empty()) return 0;
    // Data EEPROM uses the low bits of the same counter, from 0.
    at = {Space::Data, static_cast<std::uint16_t>(counter_ % state_.data.size())};
    return Peek(at);
  }
  return CurrentLocation(&at) ? Peek(at) : 0;
}

void SimChip::Increment() {
  if (family_.counterWraps) {
    counter_ = static_cast<std::uint16_t>((counter_ + 1u) % (2 * state_.program.size()));
    return;
  }
  if (family_.word12) {
    // FFFh (configuration word) -> 0; above the IDs the counter stops
    // short of FFFh, so it never wraps back onto the configuration word.
    if (counter_ == 0x0FFF)
      counter_ = 0;
    else if (counter_ < 0x0FFE)
      ++counter_;
    return;
  }
  // 14-bit: the counter wraps within its area; only re-entry into
  // programming mode leaves the configuration area.
  const std::uint16_t area = counter_ & family_.configBase;
  const auto within = static_cast<std::uint16_t>(family_.configBase - 1);
  counter_ = static_cast<std::uint16_t>(area | ((counter_ + 1) & within));
}

bool SimChip::CurrentLocation(Location* at) const {
  const std::size_t size = state_.program.size();
  if (!family_.word12 && counter_ < family_.configBase) {
    *at = {Space::Program, static_cast<std::uint16_t>(counter_ % size)};  // memory aliases
    return true;
  }
  if (family_.word12 && counter_ < size) {
    *at = {Space::Program, counter_};
    return true;
  }
  *at = {Space::Config, counter_};
  return ConfigSlot(state_, family_, counter_) >= 0;
}

void SimChip::StartWrite(bool programOnly, std::uint64_t nowUs) {
  Location at;
  std::uint32_t need = 0;
  if (family_.technology == Technology::Eprom) {
    if (!CurrentLocation(&at)) return;
    ++pulses_[at];
    pending_ = Pending::EpromPulse;
    pendingValue_ = programLatch_;
    need = family_.times.epromPulseUs;
  } else if (dataLoadedLast_) {
    if (state_.data.empty()) return;
    at = {Space::Data, static_cast<std::uint16_t>(counter_ % state_.data.size())};
    pending_ = Pending::Write;
    pendingValue_ = dataLatch_;
    pendingErase_ = true;  // data EEPROM erases each byte before writing it
    need = programOnly && family_.programOnlyExternal ? family_.times.programOnlyUs
                                                      : family_.times.dataWriteUs;
  } else {
    if (!CurrentLocation(&at)) return;
    pending_ = Pending::Write;
    pendingValue_ = programLatch_;
    pendingErase_ = !programOnly && family_.erase.beginEraseErases;
    need = programOnly ? family_.times.programOnlyUs : family_.times.eraseProgramUs;
    if (!programOnly && at.space == Space::Config && family_.times.configWriteUs != 0)
      need = family_.times.configWriteUs;
    if (!pendingErase_ && rowLatches_.size() > 1 && at.space == Space::Program) {
      // The aligned row around the counter, from every latch loaded (08h
      // where it does not erase: the 16F7x and the 12-bit flash parts).
      pending_ = Pending::WriteRow;
      at.address = static_cast<std::uint16_t>(at.address - at.address % rowLatches_.size());
      pendingRow_ = rowLatches_;
      pendingRowLoaded_ = rowLoaded_;
    }
  }
  rowLoaded_ = 0;  // a cycle leaves the latches unloaded
  pendingAt_ = at;
  pendingStartUs_ = nowUs;
  pendingNeedUs_ = need;
}

void SimChip::StartErase(Pending what, bool configToo, std::uint64_t nowUs) {
  pending_ = what;
  pendingConfigToo_ = configToo;
  pendingIdsToo_ = configToo;
  pendingStartUs_ = nowUs;
  pendingNeedUs_ = family_.times.eraseUs;
}

bool SimChip::EndedByCommand() const {
  return (pending_ == Pending::Write || pending_ == Pending::WriteRow) && family_.counterWraps &&
         family_.times.dischargeUs > 0;
}

void SimChip::CommandStarts(std::uint64_t nowUs) {
  if (EndedByCommand() && !awaitingDischarge_) {
    // This should be End Programming: the write waits for it and for the
    // discharge time after it, or is lost when its own time was cut short.
    if (recordCycles_) RecordCycle(nowUs);
    if (nowUs - pendingStartUs_ >= pendingNeedUs_) {
      awaitingDischarge_ = true;
      endedAtUs_.reset();
      return;
    }
    pending_ = Pending::None;
    return;
  }
  Settle(nowUs);
}

void SimChip::StartRowErase(std::uint64_t nowUs) {
  Location at;
  if (family_.erase.rowEraseWords == 0 || !CurrentLocation(&at)) return;
  if (at.space == Space::Program) {
    if (ProgramProtected()) return;
    const auto words = static_cast<std::uint16_t>(family_.erase.rowEraseWords);
    at.address = static_cast<std::uint16_t>(at.address - at.address % words);
  } else if (at.address >= family_.configBase + 4) {
    return;  // in configuration memory only the ID words are erased by rows
  }
  pending_ = Pending::EraseRow;
  pendingAt_ = at;
  pendingStartUs_ = nowUs;
  pendingNeedUs_ = family_.times.rowEraseUs;
}

void SimChip::ApplyEraseRow() {
  if (pendingAt_.space == Space::Program) {
    const std::size_t end =
        std::min(state_.program.size(),
                 std::size_t{pendingAt_.address} + std::size_t(family_.erase.rowEraseWords));
    std::fill(state_.program.begin() + pendingAt_.address, state_.program.begin() + end,
              WordMask(family_));
    return;
  }
  for (int slot = 0; slot < 4; ++slot) state_.config[slot] = WordMask(family_);
}

void SimChip::Settle(std::uint64_t nowUs) {
  if (pending_ == Pending::None) return;
  if (awaitingDischarge_) {
    if (endedAtUs_ && nowUs - *endedAtUs_ >= family_.times.dischargeUs) ApplyPending();
  } else {
    if (recordCycles_) RecordCycle(nowUs);
    if (nowUs - pendingStartUs_ >= pendingNeedUs_ && !EndedByCommand()) ApplyPending();
  }
  pending_ = Pending::None;
  awaitingDischarge_ = false;
  endedAtUs_.reset();
}

void SimChip::RecordCycle(std::uint64_t nowUs) {
  Cycle cycle{.command = pendingCommand_, .tookUs = nowUs - pendingStartUs_};
  switch (pending_) {
    case Pending::None:
    case Pending::EpromPulse:
      return;
    case Pending::Write:
    case Pending::WriteRow:
      cycle.space = pendingAt_.space;
      cycle.address = pendingAt_.address;
      break;
    case Pending::EraseProgram:
    case Pending::EraseEverything:
      cycle.erase = true;
      break;
    case Pending::EraseData:
      cycle.space = Space::Data;
      cycle.erase = true;
      break;
    case Pending::EraseRow:
      cycle.space = pendingAt_.space;
      cycle.address = pendingAt_.address;
      cycle.erase = true;
      break;
  }
  cycles_.push_back(cycle);
}

void SimChip::ApplyPending() {
  switch (pending_) {
    case Pending::None:
      break;
    case Pending::Write:
      WriteWord(pendingAt_, pendingValue_, pendingErase_);
      break;
    case Pending::WriteRow:
      ApplyRow();
      break;
    case Pending::EraseRow:
      ApplyEraseRow();
      break;
    case Pending::EpromPulse:
      ApplyEpromPulse();
      break;
    case Pending::EraseProgram:
      ApplyEraseProgram(pendingConfigToo_, pendingIdsToo_);
      break;
    case Pending::EraseData:
      ApplyEraseData();
      break;
    case Pending::EraseEverything:
      ApplyEraseProgram(true, true);
      ApplyEraseData();
      break;
  }
}

void SimChip::ApplyRow() {
  for (std::size_t i = 0; i < pendingRow_.size(); ++i) {
    if ((pendingRowLoaded_ >> i & 1) == 0) continue;
    WriteWord({Space::Program, static_cast<std::uint16_t>(pendingAt_.address + i)}, pendingRow_[i],
              false);
  }
}

void SimChip::ApplyEpromPulse() {
  if (++effective_[pendingAt_] >= PulsesNeeded(state_, pendingAt_))
    WriteWord(pendingAt_, pendingValue_, false);
}

void SimChip::ApplyEraseProgram(bool configToo, bool idsToo) {
  std::fill(state_.program.begin(), state_.program.end(), WordMask(family_));
  if (configToo) ConfigWord(state_) = ErasedConfig(family_);
  if (!idsToo) return;
  for (int slot = 0; slot < 4; ++slot) state_.config[slot] = WordMask(family_);
  if (family_.calibrationBackup) state_.config[kBackupCalibrationSlot] = WordMask(family_);
  // After the configuration word: a second one, and calibration words,
  // which only some families' erase reaches.
  for (std::size_t slot = 8; slot < state_.config.size(); ++slot) {
    const auto address = static_cast<std::uint16_t>(family_.configBase + slot);
    const auto& calibration = family_.calibrationWords;
    const bool isCalibration =
        std::find(calibration.begin(), calibration.end(), address) != calibration.end();
    if (!isCalibration || family_.erase.clearsCalibration) state_.config[slot] = WordMask(family_);
  }
}

void SimChip::ApplyEraseData() { std::fill(state_.data.begin(), state_.data.end(), 0xFF); }

bool SimChip::ProgramProtected() const {
  return (ConfigWord(state_) & family_.protection.cpMask) != family_.protection.cpMask;
}

bool SimChip::DataProtected() const {
  return (ConfigWord(state_) & family_.protection.cpdMask) != family_.protection.cpdMask;
}

bool SimChip::Writable(Location at) const {
  if (std::find(state_.neverPrograms.begin(), state_.neverPrograms.end(), at) !=
      state_.neverPrograms.end())
    return false;
  switch (at.space) {
    case Space::Program:
      return !ProgramProtected() || at.address < family_.protection.readableWhenProtected;
    case Space::Data:
      return !DataProtected();
    case Space::Config:
      return true;
  }
  return true;
}

void SimChip::WriteWord(Location at, std::uint16_t value, bool erase) {
  if (!Writable(at)) return;
  switch (at.space) {
    case Space::Program: {
      std::uint16_t& cell = state_.program[at.address];
      cell = (erase ? value : cell & value) & WordMask(family_);
      break;
    }
    case Space::Data: {
      std::uint8_t& cell = state_.data[at.address];
      cell = static_cast<std::uint8_t>(erase ? value : cell & value);
      break;
    }
    case Space::Config: {
      const int slot = ConfigSlot(state_, family_, at.address);
      if (slot < 0) return;
      if (slot == 6 && !family_.word12) return;  // the device ID is read-only
      // A protected part cannot lift its own protection bits: only the
      // erase commands set configuration bits back to 1 then.
      if (ProgramProtected()) erase = false;
      std::uint16_t& cell = state_.config[slot];
      const std::uint16_t mask = slot == 7 ? ErasedConfig(family_) : WordMask(family_);
      cell = (erase ? value : cell & value) & mask;
      break;
    }
  }
}

std::uint16_t SimChip::Stored(Location at) const {
  switch (at.space) {
    case Space::Program:
      return at.address < state_.program.size() ? state_.program[at.address] : 0;
    case Space::Data:
      return at.address < state_.data.size() ? state_.data[at.address] : 0;
    case Space::Config: {
      const int slot = ConfigSlot(state_, family_, at.address);
      return slot < 0 ? 0 : state_.config[slot];
    }
  }
  return 0;
}

std::uint16_t SimChip::Peek(Location at) const {
  std::uint16_t value = Stored(at);
  const bool calibrationWord =
      family_.protection.calibrationReadable && at.address + 1u == state_.program.size();
  if (at.space == Space::Program && ProgramProtected() &&
      at.address >= family_.protection.readableWhenProtected && !calibrationWord)
    value = 0;
  if (at.space == Space::Data && DataProtected()) value = 0;
  for (const StuckBit& s : state_.stuckBits) {
    if (s.at != at) continue;
    const std::uint16_t bit = static_cast<std::uint16_t>(1u << s.bit);
    value = s.level ? (value | bit) : (value & ~bit);
  }
  return value;
}

}  // namespace lpt::sim
