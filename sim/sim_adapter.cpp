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
  if (chipFile_.empty()) return true;
  // A cycle still running when the port goes away finishes or is cut
  // short now, as it would when the adapter loses power.
  chip_.Settle(clock_.NowUs());
  const std::string text = ChipText(chip_.state());
  if (text == savedText_) return true;
  std::string error;
  if (!SaveChipFile(chipFile_, chip_.state(), &error, lock_.get())) {
    failure_ = error;
    return false;
  }
  savedText_ = text;
  return true;
}

void SimAdapter::SetWiring(Adapter wiring) {
  wiring_ = std::move(wiring);
  dataMask_ = DataRegisterMask(wiring_);
}

// The chip's four lines in the default adapter's bits (01h clock, 02h data,
// 04h Vpp, 08h supply off). A released data line floats high.
void SimAdapter::DecodeLines() {
  const AdapterOutputs out = DecodeOutputs(wiring_, dataRegister_, controlRegister_);
  lines_ = static_cast<std::uint8_t>((out.clock ? 0x01 : 0) |
                                     (out.dataOut || !out.dataOutEnable ? 0x02 : 0) |
                                     (out.vpp ? 0x04 : 0) | (out.vdd ? 0 : 0x08));
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
  if (address == base_) return dataRegister_ & dataMask_;
  if (address == static_cast<std::uint16_t>(base_ + 2) && UsesControlRegister(wiring_))
    return controlRegister_;
  if (address != static_cast<std::uint16_t>(base_ + 1)) return 0xFF;
  if (chip_.state().adapterMissing) return kStatusNoAdapter;
  return EncodeStatus(wiring_, DataLine());
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
  } else if (address == static_cast<std::uint16_t>(base_ + 2) && UsesControlRegister(wiring_)) {
    controlRegister_ = value;
  } else {
    return;
  }
  DecodeLines();
  const ChipState& state = chip_.state();
  if (!state.adapterMissing && !state.socketEmpty) chip_.OnLines(lines_, clock_.NowUs());
}

}  // namespace lpt::sim
