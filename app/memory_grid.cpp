// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/memory_grid.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "app/click_panel.h"
#include "app/memory_grid_model.h"

namespace lpt::app {

// The grids were laid out for a face with narrow digits; in a wider one
// four digits run into the grid line, so the text loses a pixel of size at
// a time until the widest word of the grid keeps a margin on both sides.
// One size for the whole grid: a cell of narrow digits is not drawn larger
// than its neighbours.
QFont GridFont(QFont font, int digits, int width) {
  constexpr int kMargin = 2;
  constexpr int kSmallestPixels = 8;
  const auto widest = [&] {
    qreal most = 0;
    for (QChar digit : QStringLiteral("0123456789ABCDEF"))
      most = std::max(most, QFontMetricsF(font).horizontalAdvance(QString(digits, digit)));
    return most;
  };
  int pixels = QFontInfo(font).pixelSize();
  while (pixels > kSmallestPixels && widest() > width - 2 * kMargin) font.setPixelSize(--pixels);
  return font;
}

QValidator::State CellValidator::validate(QString& input, int& pos) const {
  const std::optional<std::string> shown = FilterCellEntry(input.toStdString(), format_);
  if (!shown) {
    // A refused keystroke or paste says why beside the cell instead of
    // vanishing (a paste is refused whole, never cut to fit).
    if (auto* line = qobject_cast<QLineEdit*>(parent())) {
      const QString why =
          input.size() > format_.digits
              ? QCoreApplication::translate("MainWindow", "A word here has %1 digits at most.")
                    .arg(format_.digits)
              : QCoreApplication::translate("MainWindow", "Hex digits up to %1 only.")
                    .arg(QString::fromStdString(BlankCellText(format_)));
      QToolTip::showText(line->mapToGlobal(QPoint(0, line->height())), why, line);
    }
    return Invalid;
  }
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
  const auto* model = qobject_cast<const MemoryGridModel*>(index.model());
  const int digits = model != nullptr ? model->Format().digits : static_cast<int>(text.size());
  painter->setFont(GridFont(item.font, digits, item.rect.width()));
  painter->drawText(item.rect, Qt::AlignCenter, text);
  painter->restore();
}

QTableView* MakeMemoryGrid(QWidget* parent, const QString& name, MemoryGridModel* model,
                           int columnWidth) {
  auto* view = new QTableView(parent);
  view->setObjectName(name);
  // The arrows move among the cells; Tab moves on to the next control, so
  // the keyboard is never caught in a grid.
  view->setTabKeyNavigation(false);
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
  view->setToolTip(QCoreApplication::translate("MainWindow", "Click to edit"));
  // During a device command the grid is off like every other control: its
  // words keep their fill and the dark caption of the panels, readable on
  // every grid colour, instead of the style's light grey.
  QPalette pal = view->palette();
  pal.setColor(QPalette::Disabled, QPalette::Text, kDisabledCaptionColour);
  view->setPalette(pal);
  return view;
}

}  // namespace lpt::app
