// SPDX-License-Identifier: GPL-2.0-or-later
// Opens the port a PortChoice names: the simulated adapter for the simulator
// kinds, the hardware backend otherwise. The one factory the GUI and the CLI
// use.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "devices/active_device.h"
#include "hw/adapter.h"
#include "hw/delay.h"
#include "hw/port.h"
#include "hw/port_choice.h"

namespace lpt {

// How long a second program waits for a chip file another one is using.
inline constexpr int kChipFileWaitMs = 5000;

// The port is returned opened (Opened() may still be false for hardware that
// could not be opened; FailureReason() says why). For Kind::SimulatorFile
// the chip file is locked for as long as the port lives (waiting up to
// kChipFileWaitMs for another process to let it go; temporary files a
// killed save left beside it are removed then), the chip is loaded from
// choice.path, or made blank for `device` when missing; it is saved only by
// SaveSimulatedChip, and only once it changed. `delay` is the clock the simulated chip times
// its cycles with; it must outlive the port. nullptr with *error set when
// the chip file is bad, and *inUse set too when another process still
// held it ("chip file FILE is in use by another process").
std::unique_ptr<Port> OpenPort(const PortChoice& choice, Delay& delay, const ActiveDevice& device,
                               std::string* error, bool* inUse = nullptr);
// The same, for a simulated adapter wired as `adapter` (hardware is wired
// as it is: put WiredPins over the port returned). `stopWaiting`, asked
// while the chip file is awaited, gives up the wait (nullptr, *inUse false).
std::unique_ptr<Port> OpenPort(const PortChoice& choice, Delay& delay, const ActiveDevice& device,
                               const Adapter& adapter, std::string* error, bool* inUse = nullptr,
                               const std::function<bool()>& stopWaiting = {});

// Saves the chip of a `sim:FILE` port to its file (when it changed); true
// for every other port. False with *error (the file and the reason) when the
// file could not be written: the caller must tell the user.
bool SaveSimulatedChip(Port& port, std::string* error);

}  // namespace lpt
