// Opens the port a PortChoice names: the simulated adapter for the simulator
// kinds, the hardware backend otherwise. The one factory the GUI and the CLI
// use.
#pragma once

#include <memory>
#include <string>

#include "devices/active_device.h"
#include "hw/delay.h"
#include "hw/port.h"
#include "hw/port_choice.h"

namespace lpt {

// The port is returned opened (Opened() may still be false for hardware that
// could not be opened; FailureReason() says why). For Kind::SimulatorFile
// the chip is loaded from choice.path, created blank for `device` when
// missing, and saved back when the port is destroyed or closed.
// `delay` is the clock the simulated chip times its cycles with; it must
// outlive the port. nullptr with *error set when the chip file is bad.
std::unique_ptr<Port> OpenPort(const PortChoice& choice, Delay& delay, const ActiveDevice& device,
                               std::string* error);

}  // namespace lpt
