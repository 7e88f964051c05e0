// SPDX-License-Identifier: GPL-2.0-or-later
// The program memory and data EEPROM grids as a table model
// over EditBuffers: column 0 is the address label, columns 1..8 the cells
// of row r at addresses 8r + c - 1. The buffers stay the single store;
// a device change resets the model instead of building 8192 cell widgets.
#pragma once

#include <QAbstractTableModel>
#include <QColor>

#include "buffers/cell_entry.h"
#include "buffers/edit_buffers.h"
#include "devices/active_device.h"

namespace lpt::app {

enum class GridKind { Program, Data };

class MemoryGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  MemoryGridModel(GridKind kind, EditBuffers& buffers, const ActiveDevice& device,
                  QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // The format typed text must keep in this grid for the active device.
  CellFormat Format() const;

  // While a device command runs it owns the buffers: the grid shows
  // `copy` (the buffers as the command found them) and cannot be edited.
  // nullptr: the buffers again, editable.
  void ShowDuringCommand(const EditBuffers* copy) { copy_ = copy; }
  bool ReadOnly() const { return copy_ != nullptr; }

  // The row count changed (device change): rebuild the view.
  void Reset();
  // Cell texts changed in place (read, load, clear): repaint.
  void Refresh();

 private:
  const EditBuffers& Shown() const { return copy_ != nullptr ? *copy_ : buffers_; }
  const std::string& ShownCell(int row, int col) const;
  GridKind kind_;
  EditBuffers& buffers_;
  const EditBuffers* copy_ = nullptr;
  const ActiveDevice& device_;
  QColor addressColor_;
};

}  // namespace lpt::app
