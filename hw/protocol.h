// SPDX-License-Identifier: GPL-2.0-or-later
// The serial programming protocol: command words and 16-clock data frames
// bit-banged on the adapter's lines (hw/adapter_pins.h), the chip's data
// output read back, power-up and mode entry, and the presence test. Knows
// nothing of the adapter's pins or of the port below them.
#pragma once

#include <cstdint>
#include <string>

#include "devices/active_device.h"
#include "hw/adapter.h"
#include "hw/adapter_pins.h"
#include "hw/delay.h"
#include "hw/hooks.h"
#include "hw/mclr_voltage.h"

namespace lpt {

class Protocol {
 public:
  Protocol(AdapterPins& pins, Delay& delay, Hooks& hooks, const ActiveDevice& device);

  // Timing mode: exactly "true" selects Delay mode.
  void SetDelayMode(std::string mode) { delayMode_ = std::move(mode); }
  const std::string& DelayMode() const { return delayMode_; }

  // The voltage the adapter's Vpp line puts on MCLR (13 V, the classic
  // boards, until told).
  void SetAdapterVppMillivolts(std::uint32_t millivolts) { adapterVppMillivolts_ = millivolts; }
  std::uint32_t AdapterVppMillivolts() const { return adapterVppMillivolts_; }
  // Whether the adapter switches the chip's supply (true until told).
  void SetAdapterSwitchesVdd(bool switches) { adapterSwitchesVdd_ = switches; }
  // How the active device enters programming mode with this adapter.
  EntryChoice EntryInUse() const;
  // The Vpp level every clocked write of the session carries: on after a
  // high-voltage entry, off after a low-voltage one (MCLR held low).
  bool VppOn() const { return vppOn_; }

  AdapterPins& pins() { return pins_; }
  Delay& delay() { return delay_; }
  Hooks& hooks() { return hooks_; }

  void IncrementAddress();
  // The loads send the low 14 bits of a word, the low 8 bits of a byte (the
  // frame's other six bits are 1); the reads return 14 and 8 bits.
  void LoadConfiguration(std::uint16_t word);
  void LoadDataForProgramMemory(std::uint16_t word);
  void LoadDataForDataMemory(std::uint16_t byte);
  std::uint16_t ReadDataFromProgramMemory();
  std::uint16_t ReadDataFromDataMemory();
  void BeginEraseProgrammingCycle();
  void BeginProgrammingOnlyCycle();
  void EndProgrammingEprom();
  void EndProgramming16F87xA();
  void EndProgramming12F6xx();
  void RowEraseProgramMemory();
  void ChipErase();
  void BulkEraseProgramMemory();
  void BulkEraseProgramMemoryReleasingData();
  void BulkEraseDataMemory();
  void BulkEraseDataMemoryReleasingData();
  void BulkEraseSetup1();
  void BulkEraseSetup2();

  // Power cycle and entry into programming mode, in the order the active
  // device's family needs. A part that would get more than it takes on
  // MCLR from this adapter is entered at low voltage, or left in reset
  // when it has no such entry (EntryInUse): Vpp is never switched on then.
  void ResetPic();
  // The same in a given order: device detection, which does not know the
  // family yet, tries both (a high-voltage entry only).
  void ResetPicWithEntry(bool vppFirst);
  // The presence test: powers the chip up and expects the adapter to echo
  // the data line; on failure it reports AdapterNotFound with the port's
  // reason. Either way the chip stays powered for the command that follows.
  bool AdapterPresent();
  // Switch the chip off (every line low, supply off), as after every device
  // operation.
  void Idle();
  // Some line is still on: the chip was left powered.
  bool LeftPowered() const { return driven_ && lines_ != LineLevels{}; }

  // Puts the lines as given and remembers them.
  void Drive(const LineLevels& lines);

 private:
  AdapterPins& pins_;
  Delay& delay_;
  Hooks& hooks_;
  void EnterWithKey();

  const ActiveDevice& device_;
  std::uint32_t adapterVppMillivolts_ = kClassicBoardVppMillivolts;
  bool adapterSwitchesVdd_ = true;
  bool vppOn_ = true;
  LineLevels lines_{};
  bool driven_ = false;
  std::string delayMode_ = "false";
};

}  // namespace lpt
