// SPDX-License-Identifier: GPL-2.0-or-later
// The simulated programming adapter: a Port that decodes the data register
// into the chip's four lines and answers status reads with the data line.
//
// Registers at the port base B (PortChoice.address):
// - B (data): writes drive the lines (bit 0 clock, 1 data, 2 Vpp, 3 supply
//   off; bits 4-7 are not wired); reads give back the last value written,
//   as a real data register does.
// - B + 1 (status): bit 7 is the data line, inverted as the port hardware
//   inverts BUSY: 07h when the line is 1, 87h when it is 0 (bits 0-2 read 1,
//   the other status inputs are tied low on the adapter). With no adapter
//   attached the status register reads 00h.
// - any other address reads FFh and ignores writes.
// That is the default wiring; SetWiring gives the adapter another one: the
// lines are then decoded from the data and control registers (B + 2) into
// connector pins and through the board to the chip, and the data line is
// answered on its data-in pin (the other status inputs low). A built-in
// adapter is decoded with the simulator's own copy of its board
// (sim_board.h), not with the wiring the program drives; a built-in adapter
// the simulator has no board for is an adapter that is not there.
// The data line is the chip's output while the chip drives it and follows
// the PC's data bit otherwise, so the presence test passes on an adapter
// with or without a chip in its socket.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "fileio/file_lock.h"
#include "hw/adapter.h"
#include "hw/delay.h"
#include "hw/port.h"
#include "sim/sim_board.h"
#include "sim/sim_chip.h"

namespace lpt::sim {

class SimAdapter : public Port {
 public:
  static constexpr std::uint8_t kStatusLineHigh = 0x07;
  static constexpr std::uint8_t kStatusLineLow = 0x87;
  static constexpr std::uint8_t kStatusNoAdapter = 0x00;
  static constexpr std::uint32_t kErrorInvalidHandle = 6;

  // `clock` times the chip's cycles and must outlive the adapter. A chip is
  // always present as state; its faults decide whether it sits in the
  // socket and whether the adapter is attached at all.
  SimAdapter(Delay& clock, std::uint16_t base, ChipState chip);
  // Nothing is saved here: a save whose failure no one could read would
  // lose the chip silently. Whoever owns the adapter calls SaveChip.
  ~SimAdapter() override = default;

  bool Opened() const override { return opened_; }
  void SetOpened(bool open) override;
  std::uint8_t ReadPort(std::uint16_t address) override;
  void WritePort(std::uint16_t address, std::uint8_t value) override;
  std::uint32_t LastError() const override { return lastError_; }
  bool LastIoOk() const override { return lastIoOk_; }
  std::string FailureReason() const override { return failure_; }

  // The file SaveChip writes the chip to, from the chip as it is now: the
  // file is written only once the chip changed, so a command that only
  // reads the chip leaves the file byte for byte as it was (comments
  // included), and never creates a file for a new chip it did not change.
  void SetChipFile(std::string path);
  // Holds the chip file's lock for as long as the adapter lives.
  void HoldChipFileLock(std::unique_ptr<fileio::FileLock> lock) { lock_ = std::move(lock); }
  // The adapter whose pins the registers drive; the default until set.
  void SetWiring(Adapter wiring);
  const Adapter& wiring() const { return wiring_; }

  // Saves now (when a file is attached and the chip changed); false with
  // FailureReason set when the file cannot be written.
  bool SaveChip();

  // `sim:FOLDER/` (socket_folder.cpp): a socket an operator empties and fills.
  // Once the chip has been without supply for kTakeOutMs it is taken out
  // and saved as FOLDER/chip-NNNN.txt; kPutInMs later a new blank chip of
  // `device` goes in, under the first number no file has yet. `lock` is
  // the folder's, held for as long as the adapter lives.
  static constexpr std::uint64_t kTakeOutMs = 100;
  static constexpr std::uint64_t kPutInMs = 1000;
  bool UseSocketFolder(const std::string& folder, const std::string& device,
                       std::unique_ptr<fileio::FileLock> lock, std::string* error);

  SimChip& chip() { return chip_; }
  const SimChip& chip() const { return chip_; }
  std::uint16_t base() const { return base_; }

 private:
  bool DataLine() const;
  void DecodeLines();
  // The operator of a socket folder, at the time of a port access.
  void Operate();
  bool PutNextChipIn(std::string* error);

  struct SocketFolder {
    std::string folder;
    std::string device;
    std::optional<std::uint64_t> unpoweredSinceUs;
    std::optional<std::uint64_t> takenOutAtUs;  // set while the socket is empty
  };
  std::optional<SocketFolder> folder_;
  bool lostSave_ = false;  // a chip taken out could not be saved

  Delay& clock_;
  std::uint16_t base_;
  SimChip chip_;
  std::uint8_t lines_ = 0;
  Adapter wiring_ = DefaultAdapter();
  std::optional<Board> board_ = BoardFor(DefaultAdapter());
  std::uint8_t dataMask_ = 0x0F;  // data register bits the board uses
  std::uint8_t dataRegister_ = 0;
  std::uint8_t controlRegister_ = 0x00;
  bool opened_ = false;
  bool lastIoOk_ = false;
  std::uint32_t lastError_ = 0;
  std::string chipFile_;
  std::string savedText_;  // the chip as the file holds it (or a new chip as it came)
  std::unique_ptr<fileio::FileLock> lock_;
  std::string failure_;
};

}  // namespace lpt::sim
