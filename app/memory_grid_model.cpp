// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/memory_grid_model.h"

namespace lpt::app {

MemoryGridModel::MemoryGridModel(GridKind kind, EditBuffers& buffers, const ActiveDevice& device,
                                 QObject* parent)
    : QAbstractTableModel(parent),
      kind_(kind),
      buffers_(buffers),
      device_(device),
      addressColor_(kind == GridKind::Program ? QColor(0x80, 0x80, 0x80)
                                              : QColor(0xAB, 0xAB, 0xAB)) {}

int MemoryGridModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return kind_ == GridKind::Program ? Shown().ProgramRows() : Shown().DataGridRows();
}

int MemoryGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 9;
}

const std::string& MemoryGridModel::ShownCell(int row, int col) const {
  return kind_ == GridKind::Program ? Shown().ProgramCell(row, col) : Shown().DataCell(row, col);
}

QVariant MemoryGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const int row = index.row();
  const int col = index.column();
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      if (col == 0) {
        return QString::fromStdString(kind_ == GridKind::Program
                                          ? EditBuffers::ProgramAddressLabel(row)
                                          : EditBuffers::DataAddressLabel(row));
      }
      return QString::fromStdString(ShownCell(row, col));
    case Qt::BackgroundRole:
      if (col == 0) return addressColor_;
      return {};
    default:
      return {};
  }
}

CellFormat MemoryGridModel::Format() const {
  return kind_ == GridKind::Program ? ProgramCellFormat(device_.family) : DataCellFormat();
}

bool MemoryGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  const std::optional<std::string> text = CommitCellEntry(value.toString().toStdString(), Format());
  if (!text) return false;
  std::string& cell = kind_ == GridKind::Program ? buffers_.ProgramCell(index.row(), index.column())
                                                 : buffers_.DataCell(index.row(), index.column());
  cell = *text;
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  return true;
}

Qt::ItemFlags MemoryGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  if (index.column() == 0) return Qt::ItemIsEnabled;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (!ReadOnly()) f |= Qt::ItemIsEditable;
  return f;
}

void MemoryGridModel::Reset() {
  beginResetModel();
  endResetModel();
}

void MemoryGridModel::Refresh() {
  if (rowCount() == 0) return;
  emit dataChanged(index(0, 0), index(rowCount() - 1, 8), {Qt::DisplayRole, Qt::EditRole});
}

}  // namespace lpt::app
