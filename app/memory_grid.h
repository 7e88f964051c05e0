// SPDX-License-Identifier: GPL-2.0-or-later
// The program and data memory grid views and their in-place editor: the look of the
// grids (column widths, 15-pixel rows, vertical scroll bar only, hint
// "Click to edit") and an editor that holds typing to the cell's format.
#pragma once

#include <QStyledItemDelegate>
#include <QTableView>
#include <QValidator>

#include "buffers/cell_entry.h"

namespace lpt::app {

class MemoryGridModel;

// The font a cell shows `text` in: `font`, made smaller (down to 8 pixels)
// where the text would not fit a cell `width` pixels wide with a margin.
QFont CellFont(QFont font, const QString& text, int width);

// Upper-cases typed letters and refuses keystrokes the cell cannot hold.
class CellValidator : public QValidator {
  Q_OBJECT
 public:
  CellValidator(CellFormat format, QObject* parent) : QValidator(parent), format_(format) {}
  State validate(QString& input, int& pos) const override;

 private:
  CellFormat format_;
};

class CellDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  // Draws the text without the item margins, so four digits fit a
  // 30-pixel column (and two a 20-pixel one) as in a plain string grid.
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

// A grid view over `model`, `columnWidth` pixels per column.
QTableView* MakeMemoryGrid(QWidget* parent, const QString& name, MemoryGridModel* model,
                           int columnWidth);

}  // namespace lpt::app
