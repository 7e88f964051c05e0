// SPDX-License-Identifier: GPL-2.0-or-later
// A device command's whole world for the ops tests: the active device and its
// buffers, a simulated adapter with a chip, the protocol on the virtual
// clock, a recording Hooks and the command state. Header-only.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"
#include "hexfile/hex_file.h"
#include "hw/protocol.h"
#include "hw/virtual_clock.h"
#include "hw/wired_pins.h"
#include "ops/device_commands.h"
#include "sim/chip_state.h"
#include "sim/sim_adapter.h"
#include "support/ops_hooks_recorder.h"
#include "support/temp_dir.h"

namespace lpt::opstest {

using Command = CommandResult (*)(OpContext&);

struct OpsRig {
  explicit OpsRig(const std::string& name) : OpsRig(name, *sim::MakeBlankChip(name)) {}
  OpsRig(const std::string& name, sim::ChipState chip) {
    SetUpDevice(device, buffers, name);
    port = std::make_unique<sim::SimAdapter>(clock, 0x378, std::move(chip));
    port->SetOpened(true);
    pins = std::make_unique<WiredPins>(*port, 0x378, DefaultAdapter());
    proto = std::make_unique<Protocol>(*pins, clock, hooks, device);
  }

  CommandResult Run(Command command) {
    OpContext ctx = Context();
    return command(ctx);
  }
  OpContext Context() { return OpContext{*proto, clock, hooks, device, buffers, state}; }

  sim::SimChip& chip() { return port->chip(); }
  sim::ChipState& chipState() { return port->chip().state(); }
  std::uint16_t ChipWord(int address) { return chipState().program.at(address); }
  std::uint16_t ChipConfig() { return sim::ConfigWord(chipState()); }
  int Pulses(int address) {
    return chip().PulseCount(
        sim::Location{sim::Space::Program, static_cast<std::uint16_t>(address)});
  }
  int LastAddress() const { return device.programRows * 8 - 1; }

  VirtualClock clock;
  test::OpsHooksRecorder hooks;
  ActiveDevice device;
  EditBuffers buffers;
  OpState state;
  std::unique_ptr<sim::SimAdapter> port;
  std::unique_ptr<WiredPins> pins;
  std::unique_ptr<Protocol> proto;
};

// tests/data/hex/ops_<stem>.asm assembled by gpasm (once per run), as a HEX
// file path; empty when gpasm failed.
inline std::string AssembledImage(const std::string& stem) {
  static std::map<std::string, std::string> done;
  if (auto it = done.find(stem); it != done.end()) return it->second;
  namespace fs = std::filesystem;
  static const testing_files::ScratchDir scratch("lptpic_ops_images_");  // removed at exit
  const fs::path& dir = scratch.path;
  const fs::path hex = dir / ("ops_" + stem + ".hex");
  const std::string command = "gpasm -a inhx8m -o '" + hex.string() +
                              "' '" LPTPIC_TEST_DATA "/hex/ops_" + stem + ".asm' > '" +
                              (dir / "gpasm.log").string() + "' 2>&1";
  const bool ok = std::system(command.c_str()) == 0 && fs::exists(hex);
  return done[stem] = ok ? hex.string() : std::string();
}

}  // namespace lpt::opstest
