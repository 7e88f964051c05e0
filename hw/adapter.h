// SPDX-License-Identifier: GPL-2.0-or-later
// How a programming adapter is wired to the parallel connector: for each
// signal the connector pin and whether the board inverts it. The serial
// protocol always speaks in the levels of the adapter this program was made
// for; a wiring turns those levels into pins of another adapter and back.
//
// Pins and registers (base address B):
//   2..9            data register B + 0, bits 0..7
//   15, 13, 12, 10  status register B + 1, bits 3, 4, 5, 6
//   11 (BUSY)       status bit 7, read inverted by the port hardware
//   1, 14, 16, 17   control register B + 2, bits 0..3; the hardware inverts
//                   pins 1, 14 and 17
// Everything here is written at the connector: a signal's level is what the
// chip sees, and "inverted" means the pin carries the opposite level (an
// inverting buffer or transistor on the board), whatever register bit that
// takes. The published preset tables write the register bit instead; see
// docs/adapters.md for how the two are translated.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lpt {

struct AdapterPin {
  int pin = 0;  // connector pin; 0 = not connected
  bool inverted = false;

  bool operator==(const AdapterPin&) const = default;
};

// The Vpp of the published parallel-port boards: a 13 V supply through a
// switching transistor.
inline constexpr std::uint32_t kClassicBoardVppMillivolts = 13000;
// The range adapters.conf accepts for vpp-volts.
inline constexpr std::uint32_t kLeastVppMillivolts = 1000;
inline constexpr std::uint32_t kMostVppMillivolts = 20000;

struct Adapter {
  std::string name{};
  AdapterPin vpp{};  // programming voltage on MCLR
  AdapterPin vdd{};  // supply; pin 0 when the adapter cannot switch it
  AdapterPin clock{};
  AdapterPin dataOut{};  // PC to chip
  AdapterPin dataIn{};   // chip to PC: a status pin
  // Optional: the board's buffer drives the data line towards the chip
  // while this signal is on, and lets the chip drive it while it is off.
  AdapterPin dataOutEnable{};
  // Optional: the chip's PGM pin, held low while it is programmed at high
  // voltage (the parts with a low-voltage programming pin need it so).
  AdapterPin pgm{};
  // Drive the data line high (released) while the chip answers a read, for
  // adapters whose open-collector buffer would otherwise hold it low.
  bool releaseToRead = true;
  // Extra wait after every clock edge, for boards with slow buffers or
  // long cables.
  std::uint32_t clockDelayUs = 0;
  // The voltage the Vpp line puts on MCLR when on. The classic boards
  // switch about 13 V; a part that takes less must not see it.
  std::uint32_t vppMillivolts = kClassicBoardVppMillivolts;

  // What the adapter list tells the user: where the wiring comes from, and
  // what to know before using it (empty when nothing).
  std::string source{};
  std::string notes{};
  // The board is a published design, so the voltage at the chip for each
  // pin level is known; a user's own wiring only says which pin it uses.
  bool publishedBoard = false;

  bool operator==(const Adapter&) const = default;
};

// The largest clock delay an adapter may ask for.
inline constexpr std::uint32_t kMaxClockDelayUs = 1000;

// The adapter this program was made for: clock pin 2, data out pin 3, Vpp
// pin 4, supply off on pin 5, data in on pin 11 (BUSY). Choosing it leaves
// every port access exactly as it has always been.
const Adapter& DefaultAdapter();
// The default first, then the well-known adapters (adapter_presets.cpp).
const std::vector<Adapter>& BuiltInAdapters();

// Both drive the same pins the same way (names, notes and delays aside).
bool SameWiring(const Adapter& a, const Adapter& b);

// Why the wiring cannot be used (two signals on one pin, an output on a
// status pin, data in not on a status pin, a pin that does not exist), or
// empty when it can.
std::string CheckAdapter(const Adapter& adapter);

// The adapter called `name` (case-insensitive) among `user` and the
// built-in ones; user adapters may not reuse a built-in name. nullopt with
// *error naming the known adapters.
std::optional<Adapter> FindAdapter(const std::string& name, const std::vector<Adapter>& user,
                                   std::string* error);

// The levels of the output signals.
struct AdapterOutputs {
  bool vpp = false;
  bool vdd = false;
  bool clock = false;
  bool dataOut = false;
  bool dataOutEnable = true;
  bool pgm = false;

  bool operator==(const AdapterOutputs&) const = default;
};

// Register values that put `outputs` on the adapter's pins; pins the
// adapter does not use have their register bit clear (data pins low;
// control pins 1, 14 and 17 high, 16 low), as the published programmers
// leave them.
struct AdapterRegisters {
  std::uint8_t data = 0;
  std::uint8_t control = 0;
};
AdapterRegisters EncodeOutputs(const Adapter& adapter, const AdapterOutputs& outputs);

// The data-in level in a status register value.
bool DecodeDataIn(const Adapter& adapter, std::uint8_t status);

// Whether any output signal sits on the data / control register.
bool UsesDataRegister(const Adapter& adapter);
bool UsesControlRegister(const Adapter& adapter);

// The port itself inverts the pin (1, 14, 17 and 11): its register bit is
// the opposite of its level at the connector.
bool PortInvertsPin(int pin);
// A ground pin of the connector (18 to 25).
bool IsGroundPin(int pin);

// "2", "~10", "none": a pin as the adapters file and the pin test show it.
std::string PinText(const AdapterPin& pin);

// "13 V", "8.5 V", "8.75 V": a voltage as the messages and the adapters
// file write it.
std::string VoltsText(std::uint32_t millivolts);

// `text` cut to 80 characters (an ellipsis marks the cut), for quoting what
// a user gave in a message.
std::string Shorten(const std::string& text);

}  // namespace lpt
