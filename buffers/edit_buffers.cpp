#include "buffers/edit_buffers.h"

#include <algorithm>
#include <cstdio>

#include "devices/family.h"

namespace lpt {

void EditBuffers::Resize(const ActiveDevice& device) {
  program_.resize(static_cast<std::size_t>(device.ProgramRows) * 8);
  data_.resize(static_cast<std::size_t>(std::max(device.DataRows, 1)) * 8);
}

void EditBuffers::Inic(const ActiveDevice& device) {
  std::fill(program_.begin(), program_.end(), BlankProgramText(device.FamilyCode));
  if (device.DataRows > 0) std::fill(data_.begin(), data_.end(), "FF");
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

std::string EditBuffers::IdDigits() const {
  // Positions 9 to 12 of the caption, 1-based.
  if (IdCaption.size() <= 8) return {};
  return IdCaption.substr(8, 4);
}

void InicChip(ActiveDevice& device, EditBuffers& buffers, std::string_view name) {
  SelectDevice(device, name);
  buffers.FuseWord = 0x3FFF;
  buffers.Resize(device);
  buffers.Inic(device);
}

void SetBuffer(const ActiveDevice& device, EditBuffers& buffers) {
  buffers.Inic(device);
  SetOnlyFusesId(buffers);
}

void SetOnlyFusesId(EditBuffers& buffers) {
  buffers.FuseWord = 0x3FFF;
  buffers.IdCaption = kBlankIdCaption;
}

}  // namespace lpt
