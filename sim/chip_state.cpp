// SPDX-License-Identifier: GPL-2.0-or-later
#include "sim/chip_state.h"

#include "devices/catalogue.h"

namespace lpt::sim {
namespace {

// Factory values chosen for a fresh simulated chip: a mid-range oscillator
// calibration and bandgap value, as a real part might carry.
constexpr std::uint8_t kFactoryCalibrationLiteral = 0x80;
constexpr std::uint8_t kFactoryBandgap = 0x2;
// A calibration word of configuration memory, as a real part might carry.
constexpr std::uint16_t kFactoryCalibrationWord = 0x2E8B;

}  // namespace

std::uint16_t ErasedConfig(const FamilyModel& family) {
  return family.configImplemented & WordMask(family);
}

std::optional<ChipState> MakeBlankChip(const std::string& device) {
  const DeviceRecord* record = FindDevice(device);
  if (record == nullptr) return std::nullopt;
  const std::optional<FamilyModel> family = PartModel(device, record->family);
  if (!family) return std::nullopt;

  ChipState chip;
  chip.device = device;
  chip.family = record->family;
  chip.program.assign(static_cast<std::size_t>(record->programWords), WordMask(*family));
  chip.data.assign(static_cast<std::size_t>(record->dataBytes), 0xFF);
  chip.config.assign(family->word12 ? 8 : static_cast<std::size_t>(family->configWords),
                     WordMask(*family));
  ConfigWord(chip) = ErasedConfig(*family);
  if (!family->word12) chip.config[6] = FactoryDeviceId(device);
  for (std::uint16_t address : family->calibrationWords) {
    const int slot = ConfigSlot(chip, *family, address);
    if (address == 0 || slot < 0) continue;
    chip.factoryWords[address] = kFactoryCalibrationWord;
    chip.config[static_cast<std::size_t>(slot)] = kFactoryCalibrationWord;
  }

  switch (family->calibration) {
    case FactoryCalibration::None:
      break;
    case FactoryCalibration::RetlwLastWord:
      chip.factoryCalibration = 0x3400 | kFactoryCalibrationLiteral;
      break;
    case FactoryCalibration::MovlwLastWord:
      chip.factoryCalibration = 0x0C00 | kFactoryCalibrationLiteral;
      break;
  }
  if (chip.factoryCalibration) chip.program.back() = *chip.factoryCalibration;
  if (chip.factoryCalibration && family->calibrationBackup)
    chip.config[kBackupCalibrationSlot] = *chip.factoryCalibration;
  if (family->factoryBandgap) {
    chip.factoryBandgap = kFactoryBandgap;
    ConfigWord(chip) = (ConfigWord(chip) & 0x0FFF) | (kFactoryBandgap << 12);
  }
  return chip;
}

std::uint16_t ConfigWordAddress(const ChipState& chip, const FamilyModel& family) {
  if (!family.word12) return static_cast<std::uint16_t>(family.configBase + 7);
  if (!family.counterWraps) return 0x0FFF;
  return static_cast<std::uint16_t>(2 * chip.program.size() - 1);
}

int ConfigSlot(const ChipState& chip, const FamilyModel& family, std::uint16_t address) {
  if (!family.word12) {
    if (address >= family.configBase && address < family.configBase + chip.config.size())
      return address - family.configBase;
    return -1;
  }
  if (address == ConfigWordAddress(chip, family)) return 7;
  const std::size_t size = chip.program.size();
  const std::size_t words = family.calibrationBackup ? 5 : 4;
  if (address >= size && address < size + words) return static_cast<int>(address - size);
  return -1;
}

std::uint16_t ConfigAddress(const ChipState& chip, const FamilyModel& family, int slot) {
  if (!family.word12) return static_cast<std::uint16_t>(family.configBase + slot);
  if (slot == 7) return ConfigWordAddress(chip, family);
  return static_cast<std::uint16_t>(chip.program.size() + static_cast<std::size_t>(slot));
}

void SetCodeProtected(ChipState& chip, bool on) {
  const std::optional<FamilyModel> family = PartModel(chip.device, chip.family);
  if (!family) return;
  const std::uint16_t bits = family->protection.cpMask | family->protection.cpdMask;
  if (on)
    ConfigWord(chip) &= static_cast<std::uint16_t>(~bits);
  else
    ConfigWord(chip) |= bits;
}

int PulsesNeeded(const ChipState& chip, Location at) {
  auto it = chip.pulsesNeeded.find(at);
  return it == chip.pulsesNeeded.end() ? chip.defaultPulsesNeeded : it->second;
}

}  // namespace lpt::sim
