// SPDX-License-Identifier: GPL-2.0-or-later
#include "sim/sim_adapter.h"

#include "sim/chip_file.h"

namespace lpt::sim {

SimAdapter::SimAdapter(Delay& clock, std::uint16_t base, ChipState chip)
    : clock_(clock), base_(base), chip_(std::move(chip)) {}

void SimAdapter::SetOpened(bool open) {
  if (open == opened_) return;
  opened_ = open;
  lastError_ = 0;
}

void SimAdapter::SetChipFile(std::string path) {
  chipFile_ = std::move(path);
  savedText_ = ChipText(chip_.state());
}

bool SimAdapter::SaveChip() {
  if (chipFile_.empty()) return !lostSave_;
  // A cycle still running when the port goes away finishes or is cut
  // short now, as it would when the adapter loses power.
  chip_.Settle(clock_.NowUs());
  const std::string text = ChipText(chip_.state());
  if (text == savedText_) return true;
  std::string error;
  // A folder's lock is the folder's, not the chip file's.
  if (!SaveChipFile(chipFile_, chip_.state(), &error, folder_ ? nullptr : lock_.get())) {
    failure_ = error;
    return false;
  }
  savedText_ = text;
  return !lostSave_;
}

void SimAdapter::SetWiring(Adapter wiring) {
  wiring_ = std::move(wiring);
  chip_.SetVppMillivolts(wiring_.vppMillivolts);
  board_ = BoardFor(wiring_);
  dataMask_ = board_ ? DataBitsUsed(*board_) : 0;
}

namespace {

// What the chip gets on a board line; a line the board does not switch is
// always on (the supply always there, the data line always driven).
bool ChipLevel(const ConnectorLevels& pins, const BoardLine& line) {
  if (line.pin <= 0 || line.pin >= static_cast<int>(pins.size())) return true;
  return pins[static_cast<std::size_t>(line.pin)] != line.inverts;
}

}  // namespace

// The chip's four lines in the default adapter's bits (01h clock, 02h data,
// 04h Vpp, 08h supply off). A released data line floats high. A PGM line
// high puts a part with one into low-voltage mode, where it ignores Vpp: the
// chip sees no programming voltage then.
void SimAdapter::DecodeLines() {
  const Board& board = *board_;
  const ConnectorLevels pins = LevelsOf(dataRegister_, controlRegister_);
  const bool driven = ChipLevel(pins, board.dataOutEnable);
  const bool pgmHigh = board.pgm.pin != 0 && ChipLevel(pins, board.pgm);
  lines_ = static_cast<std::uint8_t>((ChipLevel(pins, board.clock) ? 0x01 : 0) |
                                     (ChipLevel(pins, board.dataOut) || !driven ? 0x02 : 0) |
                                     (ChipLevel(pins, board.vpp) && !pgmHigh ? 0x04 : 0) |
                                     (ChipLevel(pins, board.vdd) ? 0 : 0x08));
}

bool SimAdapter::DataLine() const {
  if (!chip_.state().socketEmpty && chip_.Driving()) return chip_.Level();
  return (lines_ & 0x02) != 0;
}

std::uint8_t SimAdapter::ReadPort(std::uint16_t address) {
  if (!opened_) {
    lastIoOk_ = false;
    lastError_ = kErrorInvalidHandle;
    return 0;
  }
  lastIoOk_ = true;
  if (folder_) Operate();
  if (address == base_) return dataRegister_ & dataMask_;
  if (address == static_cast<std::uint16_t>(base_ + 2) && board_ && UsesControl(*board_))
    return controlRegister_;
  if (address != static_cast<std::uint16_t>(base_ + 1)) return 0xFF;
  // No board for the wiring: nothing is attached to the port.
  if (chip_.state().adapterMissing || !board_) return kStatusNoAdapter;
  return StatusWith(board_->dataIn.pin, DataLine() != board_->dataIn.inverts);
}

void SimAdapter::WritePort(std::uint16_t address, std::uint8_t value) {
  if (!opened_) {
    lastIoOk_ = false;
    lastError_ = kErrorInvalidHandle;
    return;
  }
  lastIoOk_ = true;
  if (address == base_) {
    dataRegister_ = value;
  } else if (address == static_cast<std::uint16_t>(base_ + 2) && board_ && UsesControl(*board_)) {
    controlRegister_ = value;
  } else {
    return;
  }
  if (!board_) return;
  DecodeLines();
  if (folder_) Operate();
  const ChipState& state = chip_.state();
  if (!state.adapterMissing && !state.socketEmpty) chip_.OnLines(lines_, clock_.NowUs());
}

}  // namespace lpt::sim
