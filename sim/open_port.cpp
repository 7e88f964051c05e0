// SPDX-License-Identifier: GPL-2.0-or-later
#include "sim/open_port.h"

#include <chrono>
#include <filesystem>

#include "fileio/file_lock.h"
#include "fileio/replace_file.h"
#include "fileio/shown_text.h"
#include "sim/chip_file.h"
#include "sim/sim_adapter.h"
#include "sim/sim_board.h"

namespace lpt {
namespace {

std::optional<sim::ChipState> BlankChipFor(const ActiveDevice& device, std::string* error) {
  std::optional<sim::ChipState> chip = sim::MakeBlankChip(device.name);
  if (!chip && error) *error = "The simulator has no model of device \"" + device.name + "\".";
  return chip;
}

// "sim:chips/": a folder named with its slash, so that a folder named by
// mistake for a chip file is still refused as one.
bool IsSocketFolder(const std::string& path) {
  if (path.empty() || (path.back() != '/' && path.back() != '\\')) return false;
  std::error_code ec;
  return std::filesystem::is_directory(path, ec);
}

}  // namespace

std::unique_ptr<Port> OpenPort(const PortChoice& choice, Delay& delay, const ActiveDevice& device,
                               std::string* error, bool* inUse) {
  return OpenPort(choice, delay, device, DefaultAdapter(), error, inUse);
}

std::unique_ptr<Port> OpenPort(const PortChoice& choice, Delay& delay, const ActiveDevice& device,
                               const Adapter& adapter, std::string* error, bool* inUse,
                               const std::function<bool()>& stopWaiting) {
  if (inUse) *inUse = false;
  if (choice.IsSimulator() && !sim::BoardFor(adapter)) {
    if (error) *error = "The simulator has no board for the adapter \"" + adapter.name + "\".";
    return nullptr;
  }
  std::unique_ptr<Port> port;
  if (choice.IsSimulator() && choice.kind != PortChoice::Kind::SimulatorFile) {
    std::optional<sim::ChipState> chip = BlankChipFor(device, error);
    if (!chip) return nullptr;
    auto fresh = std::make_unique<sim::SimAdapter>(delay, choice.address, std::move(*chip));
    fresh->SetWiring(adapter);
    port = std::move(fresh);
  } else if (choice.kind == PortChoice::Kind::SimulatorFile && IsSocketFolder(choice.path)) {
    // A socket folder: one process per folder, through a lock file in it.
    fileio::FileLock::Outcome outcome;
    std::string why;
    const std::string lockPath = (std::filesystem::path(choice.path) / "socket.lock").string();
    auto lock = fileio::FileLock::Acquire(lockPath, std::chrono::milliseconds(kChipFileWaitMs),
                                          &outcome, &why, stopWaiting);
    if (outcome != fileio::FileLock::Outcome::Held) {
      if (inUse) *inUse = outcome == fileio::FileLock::Outcome::Busy;
      if (error)
        *error = outcome == fileio::FileLock::Outcome::Busy
                     ? "chip folder " + fileio::Shown(choice.path) + " is in use by another process"
                     : "Chip folder " + fileio::Shown(choice.path) + " cannot be locked: " + why;
      return nullptr;
    }
    std::optional<sim::ChipState> blank = BlankChipFor(device, error);
    if (!blank) return nullptr;
    auto simulated = std::make_unique<sim::SimAdapter>(delay, choice.address, std::move(*blank));
    simulated->SetWiring(adapter);
    if (!simulated->UseSocketFolder(choice.path, device.name, std::move(lock), error))
      return nullptr;
    port = std::move(simulated);
  } else if (choice.kind == PortChoice::Kind::SimulatorFile) {
    // One process per chip file, from before it is read until the port goes.
    fileio::FileLock::Outcome outcome;
    std::string why;
    auto lock = fileio::FileLock::Acquire(choice.path, std::chrono::milliseconds(kChipFileWaitMs),
                                          &outcome, &why, stopWaiting);
    const std::string shown = fileio::Shown(choice.path);
    if (outcome == fileio::FileLock::Outcome::Busy) {
      if (error) *error = "chip file " + shown + " is in use by another process";
      if (inUse) *inUse = true;
      return nullptr;
    }
    if (outcome == fileio::FileLock::Outcome::Stopped) {
      if (error) *error = "Stopped by the user while chip file " + shown + " was in use.";
      return nullptr;
    }
    if (outcome == fileio::FileLock::Outcome::Failed) {
      if (error) *error = "Chip file " + shown + " cannot be locked: " + why;
      return nullptr;
    }
    // With the lock held, temporary files beside the chip file are no
    // one's: a run killed while saving left them.
    fileio::RemoveStaleTemporaries(choice.path);
    std::string loadError;
    std::optional<sim::ChipState> chip = sim::LoadChipFile(choice.path, &loadError);
    if (!chip && !loadError.empty()) {
      if (error) *error = loadError;
      return nullptr;
    }
    if (!chip) chip = BlankChipFor(device, error);
    if (!chip) return nullptr;
    auto simulated = std::make_unique<sim::SimAdapter>(delay, choice.address, std::move(*chip));
    simulated->SetChipFile(choice.path);
    simulated->HoldChipFileLock(std::move(lock));
    simulated->SetWiring(adapter);
    port = std::move(simulated);
  } else {
    port = MakeHardwarePort(choice);
  }
  if (port) port->SetOpened(true);
  return port;
}

bool SaveSimulatedChip(Port& port, std::string* error) {
  auto* adapter = dynamic_cast<sim::SimAdapter*>(&port);
  if (adapter == nullptr || adapter->SaveChip()) return true;
  if (error) *error = adapter->FailureReason();
  return false;
}

}  // namespace lpt
