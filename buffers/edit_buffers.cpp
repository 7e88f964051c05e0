// SPDX-License-Identifier: GPL-2.0-or-later
#include "buffers/edit_buffers.h"

#include <algorithm>
#include <cstdio>

#include "devices/family.h"

namespace lpt {

void EditBuffers::Resize(const ActiveDevice& device) {
  program_.resize(static_cast<std::size_t>(device.programRows) * 8);
  data_.resize(static_cast<std::size_t>(std::max(device.dataRows, 1)) * 8);
}

void EditBuffers::SetUpBuffers(const ActiveDevice& device) {
  std::fill(program_.begin(), program_.end(), BlankProgramText(device.family));
  if (device.dataRows > 0) std::fill(data_.begin(), data_.end(), "FF");
}

CellWord EditBuffers::ProgramWordValue(int address, Family family) const {
  return HasProgramWord(address) ? ProgramCellWord(ProgramWord(address), family) : CellWord{};
}

CellWord EditBuffers::DataByteValue(int address) const {
  return HasDataByte(address) ? DataCellWord(DataByte(address)) : CellWord{};
}

CellWord EditBuffers::IdWordValue(int index, Family family) const {
  return IdCellWord(id_, index, family);
}

std::string EditBuffers::ProgramText(int address) const {
  return HasProgramWord(address) ? ProgramWord(address) : std::string();
}

std::string EditBuffers::DataText(int address) const {
  return HasDataByte(address) ? DataByte(address) : std::string();
}

void EditBuffers::StoreProgramWord(int address, Family family, std::uint16_t word) {
  if (HasProgramWord(address)) ProgramWord(address) = ProgramCellText(word, family);
}

void EditBuffers::StoreDataByte(int address, std::uint16_t byte) {
  if (HasDataByte(address)) DataByte(address) = DataCellText(byte);
}

void EditBuffers::StoreIdWords(const std::array<std::uint16_t, 4>& words) {
  std::string digits;
  for (std::uint16_t word : words) digits += IdDigitOf(word);
  id_ = digits;
}

std::string EditBuffers::ProgramAddressLabel(int row) {
  char text[16];
  std::snprintf(text, sizeof text, "%03X", static_cast<unsigned>(row) * 8);
  return text;
}

std::string EditBuffers::DataAddressLabel(int row) {
  char text[16];
  std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(row) * 8);
  return text;
}

void SetUpDevice(ActiveDevice& device, EditBuffers& buffers, std::string_view name) {
  SelectDevice(device, name);
  buffers.FuseWord = 0x3FFF;
  buffers.SecondFuseWord = 0x3FFF;
  buffers.Resize(device);
  buffers.SetUpBuffers(device);
}

void SetBuffer(const ActiveDevice& device, EditBuffers& buffers) {
  buffers.SetUpBuffers(device);
  SetOnlyFusesId(buffers);
}

void SetOnlyFusesId(EditBuffers& buffers) {
  buffers.FuseWord = 0x3FFF;
  buffers.SecondFuseWord = 0x3FFF;
  buffers.SetIdDigits(kBlankId);
}

}  // namespace lpt
