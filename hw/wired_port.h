// SPDX-License-Identifier: GPL-2.0-or-later
// The port as another adapter sees it: a decorator that takes the data
// register values of the default adapter (01h clock, 02h data, 04h Vpp,
// 08h supply off) and the status reads the protocol makes, and turns them
// into the chosen adapter's pins. The protocol above it never changes.
//
// Writes to the data register become writes to the registers the adapter
// uses: the one holding the clock last when the clock rises and first when
// it falls, so the data line is steady around both edges. The control
// register is written only when its value changes. Status reads give bit 7
// as the default adapter would (below 80h = data in 1), the other bits as
// read.
//
// Adapters that must let go of the data line to read (releaseToRead) get
// it driven high, and data-out-enable off, for the 16 clocks of every
// read frame: the decorator follows the 6-bit commands as they are clocked
// out to know when a Read Data frame comes (after the 33 clocks of the key
// when the chip has its supply but no Vpp: a low-voltage entry). The data-out enable is off too
// while the chip has neither Vpp nor Vdd, as the published programmers
// leave a board's buffer when idle.
//
// An adapter's clock delay is waited after every write that moves the
// clock, on top of the protocol's own waits; with no delay (the default)
// every access and wait is as the protocol made it.
#pragma once

#include <cstdint>

#include "hw/adapter.h"
#include "hw/delay.h"
#include "hw/port.h"

namespace lpt {

class WiredPort : public Port {
 public:
  // `inner` must outlive the decorator; `base` is the port address the
  // protocol writes to. `clockDelay` waits the adapter's clock delay (it
  // must outlive the decorator); without it no delay is waited.
  WiredPort(Port& inner, std::uint16_t base, Adapter adapter, Delay* clockDelay = nullptr);

  bool Opened() const override { return inner_.Opened(); }
  void SetOpened(bool open) override { inner_.SetOpened(open); }
  std::uint8_t ReadPort(std::uint16_t address) override;
  void WritePort(std::uint16_t address, std::uint8_t value) override;
  std::uint32_t LastError() const override { return inner_.LastError(); }
  bool LastIoOk() const override { return inner_.LastIoOk(); }
  std::string FailureReason() const override { return inner_.FailureReason(); }

  const Adapter& adapter() const { return adapter_; }

 private:
  // Follows the clocked bits; true while a read frame is being clocked.
  bool InReadFrame() const { return phase_ == Phase::ReadFrame; }
  void Follow(std::uint8_t value);
  void Put(const AdapterOutputs& outputs, bool clockRises);

  enum class Phase { Command, WriteFrame, ReadFrame };

  Port& inner_;
  std::uint16_t base_;
  Adapter adapter_;
  Delay* clockDelay_;
  bool passThrough_;  // the default adapter: every access exactly as asked
  bool usesData_;
  bool usesControl_;
  bool clockOnControl_;
  std::uint8_t last_ = 0;  // last value the protocol wrote
  bool written_ = false;
  std::uint8_t control_ = 0;
  bool controlWritten_ = false;
  Phase phase_ = Phase::Command;
  int bits_ = 0;
  unsigned code_ = 0;
  bool followedVpp_ = true;  // the first write without Vpp starts a key
  int keyClocksLeft_ = 0;    // key clocks of a low-voltage entry still to come
};

}  // namespace lpt
