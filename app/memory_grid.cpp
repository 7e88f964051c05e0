// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/memory_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>

#include "app/memory_grid_model.h"

namespace lpt::app {

// The grids were laid out for a face with narrow digits; in a wider one
// four digits run into the grid line, so the text loses a pixel of size at
// a time until it keeps a margin on both sides.
QFont CellFont(QFont font, const QString& text, int width) {
  constexpr int kMargin = 2;
  constexpr int kSmallestPixels = 8;
  int pixels = QFontInfo(font).pixelSize();
  while (pixels > kSmallestPixels &&
         QFontMetricsF(font).horizontalAdvance(text) > width - 2 * kMargin) {
    font.setPixelSize(--pixels);
  }
  return font;
}

QValidator::State CellValidator::validate(QString& input, int& pos) const {
  const std::optional<std::string> shown = FilterCellEntry(input.toStdString(), format_);
  if (!shown) return Invalid;
  input = QString::fromStdString(*shown);
  if (pos > input.size()) pos = static_cast<int>(input.size());
  return Acceptable;
}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
  QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
  auto* line = qobject_cast<QLineEdit*>(editor);
  const auto* model = qobject_cast<const MemoryGridModel*>(index.model());
  if (line != nullptr && model != nullptr) {
    const CellFormat format = model->Format();
    line->setMaxLength(format.digits);
    line->setValidator(new CellValidator(format, line));
    line->setFrame(false);
  }
  return editor;
}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
  QStyleOptionViewItem item(option);
  initStyleOption(&item, index);
  const QString text = item.text;
  item.text.clear();
  const QWidget* widget = option.widget;
  QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
  painter->save();
  const bool selected = (item.state & QStyle::State_Selected) != 0;
  painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  painter->setFont(CellFont(item.font, text, item.rect.width()));
  painter->drawText(item.rect, Qt::AlignCenter, text);
  painter->restore();
}

QTableView* MakeMemoryGrid(QWidget* parent, const QString& name, MemoryGridModel* model,
                           int columnWidth) {
  auto* view = new QTableView(parent);
  view->setObjectName(name);
  view->setModel(model);
  view->setItemDelegate(new CellDelegate(view));
  view->horizontalHeader()->hide();
  view->verticalHeader()->hide();
  view->horizontalHeader()->setMinimumSectionSize(columnWidth);
  view->horizontalHeader()->setDefaultSectionSize(columnWidth);
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setMinimumSectionSize(15);
  view->verticalHeader()->setDefaultSectionSize(15);
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  view->setShowGrid(true);
  view->setWordWrap(false);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                        QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed);
  view->setToolTip(QStringLiteral("Click to edit"));
  return view;
}

}  // namespace lpt::app
