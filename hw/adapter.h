// How a programming adapter is wired to the parallel connector: for each
// signal the connector pin and whether the adapter inverts it. The serial
// protocol always speaks in the levels of the adapter this program was made
// for; a wiring turns those levels into pins of another adapter and back.
//
// Pins and registers (base address B):
//   2..9            data register B + 0, bits 0..7
//   15, 13, 12, 10  status register B + 1, bits 3, 4, 5, 6
//   11 (BUSY)       status bit 7, read inverted by the port hardware
//   1, 14, 16, 17   control register B + 2, bits 0..3; the hardware inverts
//                   pins 1, 14 and 17
// A signal's level is what the chip sees; "inverted" means the pin carries
// the opposite level (an inverting buffer or transistor on the adapter).
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

struct Adapter {
  std::string name;
  AdapterPin vpp;  // programming voltage on MCLR
  AdapterPin vdd;  // supply; pin 0 when the adapter cannot switch it
  AdapterPin clock;
  AdapterPin dataOut;        // PC to chip
  AdapterPin dataIn;         // chip to PC: a status pin
  AdapterPin dataOutEnable;  // optional: the PC drives the data line while on
  // Drive the data line high (released) while the chip answers a read, for
  // adapters whose open-collector buffer would otherwise hold it low.
  bool releaseToRead = true;

  bool operator==(const Adapter&) const = default;
};

// The adapter this program was made for: clock pin 2, data out pin 3, Vpp
// pin 4, supply off on pin 5, data in on pin 11 (BUSY). Choosing it leaves
// every port access exactly as it has always been.
const Adapter& DefaultAdapter();
// The default first, then the well-known adapters (docs/adapters.md).
const std::vector<Adapter>& BuiltInAdapters();

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

  bool operator==(const AdapterOutputs&) const = default;
};

// Register values that put `outputs` on the adapter's pins; pins the
// adapter does not use are low (data) or at their inactive level (control).
struct AdapterRegisters {
  std::uint8_t data = 0;
  std::uint8_t control = 0;
};
AdapterRegisters EncodeOutputs(const Adapter& adapter, const AdapterOutputs& outputs);
// What the chip sees for the given register values (the simulated adapter).
AdapterOutputs DecodeOutputs(const Adapter& adapter, std::uint8_t data, std::uint8_t control);

// The data-in level in a status register value.
bool DecodeDataIn(const Adapter& adapter, std::uint8_t status);
// A status register value with data in at `level` and every other status
// input low; bits 0-2 (not connected to pins) read 1.
std::uint8_t EncodeStatus(const Adapter& adapter, bool level);

// The data register bits the output signals use, and whether any output
// signal sits on the data / control register.
std::uint8_t DataRegisterMask(const Adapter& adapter);
bool UsesDataRegister(const Adapter& adapter);
bool UsesControlRegister(const Adapter& adapter);

// "2", "~10": a pin as the adapters file and the pin test show it.
std::string PinText(const AdapterPin& pin);

}  // namespace lpt
