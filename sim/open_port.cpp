#include "sim/open_port.h"

#include "sim/chip_file.h"
#include "sim/sim_adapter.h"

namespace lpt {
namespace {

std::optional<sim::ChipState> BlankChipFor(const ActiveDevice& device, std::string* error) {
  std::optional<sim::ChipState> chip = sim::MakeBlankChip(device.name);
  if (!chip && error) *error = "The simulator has no model of device \"" + device.name + "\".";
  return chip;
}

// The chip of a `sim:FILE` port: the file's chip, or a blank one when the
// file does not exist yet. nullopt when the file exists but is unusable.
std::optional<sim::ChipState> ChipFromFile(const std::string& path, const ActiveDevice& device,
                                           std::string* error) {
  std::string why;
  std::optional<sim::ChipState> chip = sim::LoadChipFile(path, &why);
  if (chip) return chip;
  if (!why.empty()) {
    if (error) *error = why;
    return std::nullopt;
  }
  return BlankChipFor(device, error);
}

}  // namespace

std::unique_ptr<Port> OpenPort(const PortChoice& choice, Delay& delay, const ActiveDevice& device,
                               std::string* error) {
  std::unique_ptr<Port> port;
  if (choice.IsSimulator() && choice.kind != PortChoice::Kind::SimulatorFile) {
    std::optional<sim::ChipState> chip = BlankChipFor(device, error);
    if (!chip) return nullptr;
    port = std::make_unique<sim::SimAdapter>(delay, choice.address, std::move(*chip));
  } else if (choice.kind == PortChoice::Kind::SimulatorFile) {
    std::optional<sim::ChipState> chip = ChipFromFile(choice.path, device, error);
    if (!chip) return nullptr;
    auto adapter = std::make_unique<sim::SimAdapter>(delay, choice.address, std::move(*chip));
    adapter->SetChipFile(choice.path);
    port = std::move(adapter);
  } else {
    port = MakeHardwarePort(choice);
  }
  if (port) port->SetOpened(true);
  return port;
}

}  // namespace lpt
