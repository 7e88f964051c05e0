// SPDX-License-Identifier: GPL-2.0-or-later
// The serial programming protocol: command words and 16-clock data frames
// bit-banged through the port's data register, the chip's data output read
// back through status bit 7, power-up and mode entry, and the presence test.
// Knows nothing of which backend is below.
#pragma once

#include <cstdint>
#include <string>

#include "devices/active_device.h"
#include "hw/adapter.h"
#include "hw/delay.h"
#include "hw/hooks.h"
#include "hw/mclr_voltage.h"
#include "hw/port.h"

namespace lpt {

// Data-register bits of the adapter.
inline constexpr std::uint8_t LineClock = 0x01;
inline constexpr std::uint8_t LineData = 0x02;
inline constexpr std::uint8_t LineVpp = 0x04;
inline constexpr std::uint8_t LineVddOff = 0x08;
// Status-register bit of the chip's data output; the port inverts it.
inline constexpr std::uint8_t StatusDataIn = 0x80;
// Value that switches supply and programming voltage off.
inline constexpr std::uint8_t kIdleValue = 0x08;

class Protocol {
 public:
  Protocol(Port& port, Delay& delay, Hooks& hooks, const ActiveDevice& device);

  void SetPortAddress(std::uint16_t address) { portAddress_ = address; }
  std::uint16_t PortAddress() const { return portAddress_; }
  // Timing mode: exactly "true" selects Delay mode.
  void SetDelayMode(std::string mode) { delayMode_ = std::move(mode); }
  const std::string& DelayMode() const { return delayMode_; }

  // The voltage the adapter's Vpp line puts on MCLR (13 V, the classic
  // boards, until told).
  void SetAdapterVppMillivolts(std::uint32_t millivolts) { adapterVppMillivolts_ = millivolts; }
  std::uint32_t AdapterVppMillivolts() const { return adapterVppMillivolts_; }
  // The supply the adapter gives the chip (5 V until told).
  void SetAdapterVddMillivolts(std::uint32_t millivolts) { adapterVddMillivolts_ = millivolts; }
  // Whether the adapter switches the chip's supply (true until told).
  void SetAdapterSwitchesVdd(bool switches) { adapterSwitchesVdd_ = switches; }
  bool AdapterSwitchesVdd() const { return adapterSwitchesVdd_; }
  // Every entry of the session at low voltage, whatever the part: the chip
  // in the socket answered the low-voltage probe, and such a chip is never
  // given Vpp. Off until set; the device commands clear it when they end.
  void SetLowVoltageOnly(bool on) { lowVoltageOnly_ = on; }
  // How the active device enters programming mode with this adapter.
  EntryChoice EntryInUse() const;
  // The Vpp bit every write of the session carries: LineVpp after a
  // high-voltage entry, 0 after a low-voltage one (MCLR held low).
  std::uint8_t VppLine() const { return vppLine_; }

  Port& port() { return port_; }
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
  // Switch the chip off (08h), as after every device operation.
  void Idle();

 private:
  Port& port_;
  Delay& delay_;
  Hooks& hooks_;
  void EnterWithKey();

  const ActiveDevice& device_;
  std::uint32_t adapterVppMillivolts_ = kClassicBoardVppMillivolts;
  bool adapterSwitchesVdd_ = true;
  std::uint32_t adapterVddMillivolts_ = kFiveVoltBoardMillivolts;
  bool lowVoltageOnly_ = false;
  std::uint8_t vppLine_ = LineVpp;
  std::uint16_t portAddress_ = 0x378;
  std::string delayMode_ = "false";
};

}  // namespace lpt
