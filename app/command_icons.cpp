// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/command_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace lpt::app {

namespace {

constexpr int kSize = 20;

void DrawPage(QPainter& p) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawRect(4, 2, 11, 15);
}

void DrawChip(QPainter& p) {
  p.setPen(QPen(Qt::black, 1));
  for (int i = 0; i < 4; ++i) {
    p.drawLine(3, 5 + 3 * i, 6, 5 + 3 * i);
    p.drawLine(14, 5 + 3 * i, 17, 5 + 3 * i);
  }
  p.setBrush(QColor(0x30, 0x30, 0x30));
  p.drawRect(6, 3, 8, 13);
}

void DrawArrow(QPainter& p, bool down, const QColor& color) {
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  QPainterPath path;
  if (down) {
    path.moveTo(10, 19);
    path.lineTo(5, 13);
    path.lineTo(15, 13);
  } else {
    path.moveTo(10, 0);
    path.lineTo(5, 6);
    path.lineTo(15, 6);
  }
  path.closeSubpath();
  p.drawPath(path);
}

// Two crossed strokes from corner to corner of `box`.
void DrawCross(QPainter& p, const QColor& colour, const QRect& box) {
  p.setPen(QPen(colour, 2));
  p.drawLine(box.topLeft(), box.bottomRight());
  p.drawLine(box.topRight(), box.bottomLeft());
}

void Draw(QPainter& p, CommandIcon which) {
  switch (which) {
    case CommandIcon::ClearBuffers:
      DrawPage(p);
      DrawCross(p, QColor(0xC0, 0x20, 0x20), QRect(QPoint(6, 6), QPoint(13, 13)));
      break;
    case CommandIcon::Open:
      p.setPen(QPen(QColor(0x80, 0x60, 0x00), 1));
      p.setBrush(QColor(0xF0, 0xD0, 0x60));
      p.drawRect(2, 6, 15, 10);
      p.drawRect(2, 4, 6, 2);
      break;
    case CommandIcon::Save:
      p.setPen(QPen(Qt::black, 1));
      p.setBrush(QColor(0x30, 0x50, 0xA0));
      p.drawRect(3, 3, 14, 14);
      p.setBrush(Qt::white);
      p.drawRect(6, 3, 8, 5);
      p.setBrush(QColor(0xC0, 0xC0, 0xC0));
      p.drawRect(6, 11, 8, 6);
      break;
    case CommandIcon::Device:
      DrawChip(p);
      break;
    case CommandIcon::Help: {
      p.setPen(QPen(QColor(0x10, 0x30, 0x90), 1));
      p.setBrush(QColor(0x30, 0x60, 0xD0));
      p.drawEllipse(2, 2, 16, 16);
      QFont font = p.font();
      font.setBold(true);
      font.setPixelSize(13);
      p.setFont(font);
      p.setPen(Qt::white);
      p.drawText(QRect(2, 2, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
    case CommandIcon::Read:
      DrawChip(p);
      DrawArrow(p, true, QColor(0x20, 0x90, 0x20));
      break;
    case CommandIcon::Program:
      DrawChip(p);
      DrawArrow(p, false, QColor(0xC0, 0x20, 0x20));
      break;
    case CommandIcon::Verify:
      p.setPen(QPen(QColor(0x20, 0x90, 0x20), 3));
      p.drawLine(3, 10, 8, 15);
      p.drawLine(8, 15, 17, 4);
      break;
    case CommandIcon::Erase:
      DrawChip(p);
      DrawCross(p, QColor(0xE0, 0x30, 0x30), QRect(QPoint(4, 4), QPoint(16, 16)));
      break;
    case CommandIcon::Blank:
      DrawPage(p);
      break;
  }
}

}  // namespace

QIcon MakeCommandIcon(CommandIcon which) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  Draw(painter, which);
  painter.end();
  return QIcon(pixmap);
}

}  // namespace lpt::app
