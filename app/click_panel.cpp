// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/click_panel.h"

#include <QMouseEvent>

#include "app/dialog_support.h"

namespace lpt::app {

ClickPanel::ClickPanel(QWidget* parent) : QLabel(parent) {
  // Lowered inner bevel, no outer bevel.
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  setAutoFillBackground(true);
  // A disabled panel keeps its fill; the default grey caption would be
  // unreadable on the light fills, so it stays dark (4.5:1 on every fill).
  QPalette pal = palette();
  pal.setColor(QPalette::Disabled, QPalette::WindowText, kDisabledCaptionColour);
  setPalette(pal);
}

void ClickPanel::SetColor(unsigned rgb) {
  SetPaletteColour(this, QPalette::Window, QColor::fromRgb(rgb));
}

void ClickPanel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  // A press that ends outside the panel is no click.
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

}  // namespace lpt::app
