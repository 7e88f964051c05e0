// SPDX-License-Identifier: GPL-2.0-or-later
// A simulated adapter with a chip of one catalogue device, driven through
// the real protocol on the virtual clock; SimBench adds the buffers and
// command state for running whole device commands. Header-only, for the sim
// tests.
#pragma once

#include <memory>
#include <string>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"
#include "hw/hooks.h"
#include "hw/protocol.h"
#include "hw/virtual_clock.h"
#include "hw/wired_pins.h"
#include "ops/device_commands.h"
#include "sim/chip_state.h"
#include "sim/sim_adapter.h"

namespace lpt::simtest {

// The error texts a user would read: failures of the error kind and a
// failed presence test.
class SimRigHooks : public Hooks {
 public:
  void Failed(const Failure& failure) override {
    if (failure.kind == FailureKind::Error) errors.push_back(failure.message);
  }
  void AdapterNotFound(const std::string& reason) override {
    errors.push_back(AdapterNotFoundMessage(reason));
  }
  std::vector<std::string> errors;
};

struct SimRig {
  explicit SimRig(const std::string& name) : SimRig(name, *sim::MakeBlankChip(name)) {}
  SimRig(const std::string& name, sim::ChipState chip) {
    SelectDevice(device, name);
    port = std::make_unique<sim::SimAdapter>(clock, 0x378, std::move(chip));
    port->SetOpened(true);
    pins = std::make_unique<WiredPins>(*port, 0x378, DefaultAdapter());
    proto = std::make_unique<Protocol>(*pins, clock, hooks, device);
  }

  sim::SimChip& chip() { return port->chip(); }
  sim::ChipState& state() { return port->chip().state(); }

  std::uint16_t ReadWord() { return proto->ReadDataFromProgramMemory(); }
  std::uint8_t ReadByte() { return static_cast<std::uint8_t>(proto->ReadDataFromDataMemory()); }
  void Clk(int n) {
    for (int i = 0; i < n; ++i) proto->IncrementAddress();
  }
  // Counter on 2007h after ResetPic.
  void GoToConfigWord() {
    proto->ResetPic();
    proto->LoadConfiguration(0x3FFF);
    Clk(7);
  }

  VirtualClock clock;
  SimRigHooks hooks;
  ActiveDevice device;
  std::unique_ptr<sim::SimAdapter> port;
  std::unique_ptr<WiredPins> pins;
  std::unique_ptr<Protocol> proto;
};

// A SimRig with edit buffers set up for the same device and the command
// state: what a device command needs to run against the model.
struct SimBench {
  explicit SimBench(const std::string& name) : SimBench(name, *sim::MakeBlankChip(name)) {}
  SimBench(const std::string& name, sim::ChipState chip) : rig(name, std::move(chip)) {
    SetUpDevice(rig.device, buffers, name);
  }
  OpContext ctx() { return {*rig.proto, rig.clock, rig.hooks, rig.device, buffers, state}; }

  SimRig rig;
  EditBuffers buffers;
  OpState state;
};

}  // namespace lpt::simtest
