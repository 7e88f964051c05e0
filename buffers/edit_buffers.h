// SPDX-License-Identifier: GPL-2.0-or-later
// The edit buffers: program memory and data EEPROM as hex-text cells (the
// memory grids are views of these), the configuration word and the ID. The
// device commands take and give numbers; the cell rules of cell_word.h turn
// one into the other here and nowhere else.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "buffers/cell_word.h"
#include "devices/active_device.h"

namespace lpt {

inline constexpr const char* kBlankId = "FFFF";

class EditBuffers {
 public:
  // Sizes the grids for the device: ProgramRows rows, DataRows rows but at
  // least one (a device without EEPROM keeps one row that is no memory).
  void Resize(const ActiveDevice& device);

  // SetUpBuffers: every program word blank ("3FFF" or "FFF"), every data byte "FF"
  // (only when the device has data rows). FuseWord and the ID stay.
  void SetUpBuffers(const ActiveDevice& device);

  int ProgramRows() const { return static_cast<int>(program_.size() / 8); }
  int DataGridRows() const { return static_cast<int>(data_.size() / 8); }

  // Cells by row and grid column (1..8), as the grids address them.
  std::string& ProgramCell(int row, int col) { return program_[Index(row, col)]; }
  const std::string& ProgramCell(int row, int col) const { return program_[Index(row, col)]; }
  std::string& DataCell(int row, int col) { return data_[Index(row, col)]; }
  const std::string& DataCell(int row, int col) const { return data_[Index(row, col)]; }

  // Cells by word / byte address (8r + c - 1).
  std::string& ProgramWord(int address) { return program_[static_cast<std::size_t>(address)]; }
  const std::string& ProgramWord(int address) const {
    return program_[static_cast<std::size_t>(address)];
  }
  std::string& DataByte(int address) { return data_[static_cast<std::size_t>(address)]; }
  const std::string& DataByte(int address) const {
    return data_[static_cast<std::size_t>(address)];
  }

  // The words of the cells as a device command loads and compares them
  // (cell_word.h). A cell past the end of the buffers loads 0 and matches
  // nothing, so a command never reads past buffers resized under it.
  CellWord ProgramWordValue(int address, Family family) const;
  CellWord DataByteValue(int address) const;
  CellWord IdWordValue(int index, Family family) const;
  // A cell's text for a failure's message; empty past the end.
  std::string ProgramText(int address) const;
  std::string DataText(int address) const;
  // Words read from the chip into the cells, in the family's width; nothing
  // is stored past the end.
  void StoreProgramWord(int address, Family family, std::uint16_t word);
  void StoreDataByte(int address, std::uint16_t byte);
  // The four ID words read: the ID becomes the low digit of each.
  void StoreIdWords(const std::array<std::uint16_t, 4>& words);

  // Address labels of column 0: at least three (program) or two (data)
  // upper-case hex digits.
  static std::string ProgramAddressLabel(int row);
  static std::string DataAddressLabel(int row);

  // The user ID as four hex digits, the lowest digit of each ID word
  // ("FFFF" when blank). A read from a chip that answers fewer words keeps
  // what it got.
  const std::string& IdDigits() const { return id_; }
  void SetIdDigits(const std::string& digits) { id_ = digits; }

  std::uint16_t FuseWord = 0x3FFF;
  // The second configuration word (2008h) of the parts that have one; it
  // stays 3FFFh, and nothing reads or writes it, for a part with one word.
  std::uint16_t SecondFuseWord = 0x3FFF;

 private:
  bool HasProgramWord(int address) const {
    return address >= 0 && static_cast<std::size_t>(address) < program_.size();
  }
  bool HasDataByte(int address) const {
    return address >= 0 && static_cast<std::size_t>(address) < data_.size();
  }
  static std::size_t Index(int row, int col) {
    return static_cast<std::size_t>(row) * 8 + static_cast<std::size_t>(col - 1);
  }
  std::vector<std::string> program_ = std::vector<std::string>(1024, "3FFF");
  std::vector<std::string> data_ = std::vector<std::string>(64, "FF");
  std::string id_ = kBlankId;
};

// SetUpDevice without the window: selects the device, resets both
// configuration words to 3FFFh, sizes and blanks the grids. The ID is left
// as it is.
void SetUpDevice(ActiveDevice& device, EditBuffers& buffers, std::string_view name);

// "Set &Buffer": SetUpBuffers, both configuration words := 3FFFh, ID
// blank. The caller repaints the fuse switches with ShowFuses(3FFFh).
void SetBuffer(const ActiveDevice& device, EditBuffers& buffers);

// "Set only &Fuses, ID": both configuration words := 3FFFh, ID blank; the
// grids stay. The caller repaints the fuse switches with ShowFuses(3FFFh).
void SetOnlyFusesId(EditBuffers& buffers);

}  // namespace lpt
