// SPDX-License-Identifier: GPL-2.0-or-later
// The socket of `sim:FOLDER/`, where a batch of chips goes through one
// simulated socket: the operator takes a chip out once it has had no supply
// for a while, as a person waits for the power light, and puts the next
// one in. Each chip lives in a file of its own, so a test reads back what
// every chip of the batch got.
#include <cstdio>
#include <filesystem>

#include "sim/chip_file.h"
#include "sim/sim_adapter.h"

namespace lpt::sim {
namespace {

// More chips than any line puts through one run.
constexpr int kMostChips = 999999;

std::string ChipFileName(const std::string& folder, int number) {
  char name[32];
  std::snprintf(name, sizeof name, "chip-%04d.txt", number);
  return (std::filesystem::path(folder) / name).string();
}

}  // namespace

bool SimAdapter::UseSocketFolder(const std::string& folder, const std::string& device,
                                 std::unique_ptr<fileio::FileLock> lock, std::string* error) {
  folder_ = SocketFolder{folder, device, std::nullopt, std::nullopt};
  lock_ = std::move(lock);
  return PutNextChipIn(error);
}

bool SimAdapter::PutNextChipIn(std::string* error) {
  std::error_code ec;
  for (int number = 1; number <= kMostChips; ++number) {
    const std::string path = ChipFileName(folder_->folder, number);
    if (std::filesystem::exists(path, ec) || ec) continue;
    std::optional<ChipState> chip = MakeBlankChip(folder_->device);
    if (!chip) {
      if (error) *error = "The simulator has no model of device \"" + folder_->device + "\".";
      return false;
    }
    chip_ = SimChip(std::move(*chip));
    // The new chip sits on the same board: it gets the board's Vpp.
    chip_.SetVppMillivolts(wiring_.vppMillivolts);
    SetChipFile(path);
    folder_->takenOutAtUs.reset();
    return true;
  }
  if (error) *error = "The chip folder " + folder_->folder + " is full.";
  return false;
}

void SimAdapter::Operate() {
  const std::uint64_t now = clock_.NowUs();
  SocketFolder& socket = *folder_;
  if (socket.takenOutAtUs) {
    if (now - *socket.takenOutAtUs >= kPutInMs * 1000) PutNextChipIn(&failure_);
    return;
  }
  const bool unpowered = (lines_ & 0x08) != 0;
  if (!unpowered) {
    socket.unpoweredSinceUs.reset();
    return;
  }
  if (!socket.unpoweredSinceUs) socket.unpoweredSinceUs = now;
  if (now - *socket.unpoweredSinceUs < kTakeOutMs * 1000) return;
  // Taken out: the chip keeps what it got in its file, and the empty
  // socket is no chip to save.
  if (!SaveChip()) lostSave_ = true;
  chipFile_.clear();
  chip_.state().socketEmpty = true;
  socket.takenOutAtUs = now;
  socket.unpoweredSinceUs.reset();
}

}  // namespace lpt::sim
