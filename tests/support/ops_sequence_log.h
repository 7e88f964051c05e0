// SPDX-License-Identifier: GPL-2.0-or-later
// Turns the port writes and waits of a device command back into the
// protocol operations they carry ("ResetPic", "LoadConfiguration 3FFF", "IncrementAddress",
// "BulkEraseProgramMemoryReleasingData", "Wait 20ms", "Off"), so a test can compare a
// pass with its written sequence. A Port and a Delay decorator sharing one
// log; repeated entries are folded ("IncrementAddress*7"). Header-only.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "hw/delay.h"
#include "hw/port.h"

namespace lpt::opstest {

class SequenceLog {
 public:
  void Add(const std::string& entry) {
    if (!entries_.empty() && entries_.back() == entry) {
      ++counts_.back();
    } else {
      entries_.push_back(entry);
      counts_.push_back(1);
    }
  }
  void Clear() {
    entries_.clear();
    counts_.clear();
  }
  std::vector<std::string> Folded() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < entries_.size(); ++i)
      out.push_back(counts_[i] == 1 ? entries_[i] : entries_[i] + "*" + std::to_string(counts_[i]));
    return out;
  }
  // The power-up after an "Off" makes that "Off" the start of a ResetPic.
  void OffBecomesReset() {
    if (!entries_.empty() && entries_.back() == "Off" && --counts_.back() == 0) {
      entries_.pop_back();
      counts_.pop_back();
    }
    Add("ResetPic");
  }
  bool inReset = false;  // waits of the power-up belong to ResetPic

 private:
  std::vector<std::string> entries_;
  std::vector<int> counts_;
};

class SequencePort : public Port {
 public:
  SequencePort(Port& inner, SequenceLog& log) : inner_(inner), log_(log) {}

  bool Opened() const override { return inner_.Opened(); }
  void SetOpened(bool open) override { inner_.SetOpened(open); }
  std::uint8_t ReadPort(std::uint16_t address) override { return inner_.ReadPort(address); }
  std::uint32_t LastError() const override { return inner_.LastError(); }
  bool LastIoOk() const override { return inner_.LastIoOk(); }

  void WritePort(std::uint16_t address, std::uint8_t value) override {
    inner_.WritePort(address, value);
    Decode(value);
    last_ = value;
  }

 private:
  void Decode(std::uint8_t v) {
    const bool vpp = v & 0x04;
    if (v == 0x08) {
      log_.Add("Off");
      log_.inReset = true;
      powered_ = false;
      bits_ = 0;
      command_ = 0;
      variant_ = false;
      inFrame_ = false;
      return;
    }
    if (vpp && !(v & 0x08) && !powered_) Entered();
    if ((v & 0x01) && !(last_ & 0x01)) {  // rising clock edge: the bit is latched from here
      log_.inReset = false;
      highData_ = v & 0x02;
    }
    if (!(v & 0x01) && (last_ & 0x01)) {  // falling edge
      if (highData_ && !(v & 0x02)) variant_ = variant_ || !inFrame_;
      Bit(highData_);
    }
  }

  // Supply and Vpp on after an "Off": the power-up of ResetPic.
  void Entered() {
    powered_ = true;
    log_.inReset = true;
    log_.OffBecomesReset();
  }

  void Bit(bool bit) {
    if (inFrame_) {
      ++frameClocks_;
      if (frameClocks_ >= 2 && frameClocks_ <= 15 && bit) frame_ |= 1u << (frameClocks_ - 2);
      if (frameClocks_ == 16) {
        EmitFrame();
        inFrame_ = false;
      }
      return;
    }
    command_ |= static_cast<std::uint8_t>(bit) << bits_;
    if (++bits_ < 6) return;
    bits_ = 0;
    if (command_ <= 0x05 && command_ != 0x01) {  // the commands with a data frame
      inFrame_ = true;
      frameClocks_ = 0;
      frame_ = 0;
      return;
    }
    log_.Add(CommandName());
    command_ = 0;
    variant_ = false;
  }

  void EmitFrame() {
    char text[8];
    switch (command_) {
      case 0x00:
      case 0x02:
        std::snprintf(text, sizeof text, "%04X", frame_);
        log_.Add(std::string(command_ == 0 ? "LoadConfiguration " : "LoadDataForProgramMemory ") +
                 text);
        break;
      case 0x03:
        std::snprintf(text, sizeof text, "%02X", frame_ & 0xFF);
        log_.Add(std::string("LoadDataForDataMemory ") + text);
        break;
      case 0x04:
        log_.Add("ReadDataFromProgramMemory");
        break;
      default:
        log_.Add("ReadDataFromDataMemory");
        break;
    }
    command_ = 0;
    variant_ = false;
  }

  std::string CommandName() const {
    switch (command_) {
      case 0x06:
        return "IncrementAddress";
      case 0x08:
        return "BeginEraseProgrammingCycle";
      case 0x18:
        return "BeginProgrammingOnlyCycle";
      case 0x0E:
        return "EndProgrammingEprom";
      case 0x37:
        return "EndProgramming16F87xA";
      case 0x3F:
        return "ChipErase";
      case 0x09:
        return variant_ ? "BulkEraseProgramMemoryReleasingData" : "BulkEraseProgramMemory";
      case 0x0B:
        return variant_ ? "BulkEraseDataMemoryReleasingData" : "BulkEraseDataMemory";
      case 0x01:
        return "BulkEraseSetup1";
      case 0x07:
        return "BulkEraseSetup2";
      default:
        return "Command " + std::to_string(command_);
    }
  }

  Port& inner_;
  SequenceLog& log_;
  std::uint8_t last_ = 0x08;
  bool powered_ = false;
  bool highData_ = false;
  int bits_ = 0;
  std::uint8_t command_ = 0;
  bool variant_ = false;  // the data line fell with the clock inside the command
  bool inFrame_ = false;
  int frameClocks_ = 0;
  unsigned frame_ = 0;
};

// Waits of the passes: milliseconds, and microsecond waits of 100 us or more
// (the protocol's own short gaps are left out, as are the waits of ResetPic).
class SequenceDelay : public Delay {
 public:
  SequenceDelay(Delay& inner, SequenceLog& log) : inner_(inner), log_(log) {}
  void WaitMs(std::uint32_t ms) override {
    if (!log_.inReset) log_.Add("Wait " + std::to_string(ms) + "ms");
    inner_.WaitMs(ms);
  }
  void WaitUs(std::uint32_t us) override {
    if (!log_.inReset && us >= 100) log_.Add("Wait " + std::to_string(us) + "us");
    inner_.WaitUs(us);
  }
  std::uint64_t NowUs() const override { return inner_.NowUs(); }

 private:
  Delay& inner_;
  SequenceLog& log_;
};

}  // namespace lpt::opstest
