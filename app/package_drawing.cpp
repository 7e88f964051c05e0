// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/package_drawing.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QPoint>
#include <QPolygon>
#include <initializer_list>

#include "app/dialog_support.h"
#include "devices/catalogue.h"

namespace lpt::app {
namespace {

// Rectangles and ellipses are given by their bounding corners with the
// right and bottom edge exclusive, so a shape (x1, y1)-(x2, y2) covers the
// pixels x1 .. x2 - 1; QPainter's outline adds one pixel, hence the - 1.
QRect Box(int x1, int y1, int x2, int y2) { return QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1); }

void Shape(QPainter& p, QRgb pen, QRgb fill) {
  p.setPen(QPen(QColor(pen), 0));
  p.setBrush(QColor(fill));
}

// Text with its cell filled in `background`, top-left at (x, y).
void TextAt(QPainter& p, int x, int y, const QString& text, QRgb colour, QColor background) {
  p.setPen(QColor(colour));
  p.setBackgroundMode(Qt::OpaqueMode);
  p.setBackground(background);
  p.drawText(QRect(x, y, 400, 40), Qt::AlignLeft | Qt::AlignTop, text);
  p.setBackgroundMode(Qt::TransparentMode);
}

// How each package is drawn: body size, label and its place, pin-1 mark.
struct PackageShape {
  Package package;
  int bodyWidth;
  int bodyHeight;
  const char* label;
  int labelDx;  // label position relative to the anchor
  int labelDy;
  int markDy;  // pin-1 mark (x - 3, y + markDy)-(x + 2, y + markDy + 5)
};

// Bodies span the gap between the strips their pin rows sit on: 14 pixels
// between neighbouring strips, 32 across the middle one.
constexpr PackageShape kShapes[] = {
    {Package::Dip8, 30, 14, "Pic", 7, 0, 5},
    {Package::Dip14, 45, 14, "Pic", 7, 0, 5},
    {Package::Dip18, 60, 14, "Pic ...", 10, 0, 5},
    {Package::Dip28, 87, 14, "Pic ...", 10, 0, 5},
    {Package::Dip40, 126, 32, "Pic . . .", 27, 9, 13},
};

const PackageShape* ShapeOf(Package package) {
  for (const PackageShape& shape : kShapes)
    if (shape.package == package) return &shape;
  return nullptr;
}

void DrawShape(QPainter& p, const PackageShape& shape, int pins, int x, int y) {
  Shape(p, 0x000000, 0x000000);
  p.drawRect(Box(x, y, x + shape.bodyWidth, y + shape.bodyHeight));
  Shape(p, 0x000000, kPinColour);
  for (int k = 1; k <= pins / 2; ++k) {
    const int left = x - 3 + 6 * k;
    const int right = x + 2 + 6 * k;
    p.drawRect(Box(left, y - 4, right, y));
    p.drawRect(Box(left, y + shape.bodyHeight, right, y + shape.bodyHeight + 4));
  }
  const int markTop = y + shape.markDy;
  Shape(p, kPin1MarkColour, kPin1MarkColour);
  p.drawEllipse(Box(x - 3, markTop, x + 2, markTop + 5));
  TextAt(p, x + shape.labelDx, y + shape.labelDy, QString::fromLatin1(shape.label), 0xFFFFFF,
         Qt::black);
}

struct Wire {
  QRect dot;  // filled dot on the socket hole
  std::initializer_list<QPoint> path;
};

void DrawWires(QPainter& p, std::initializer_list<Wire> wires) {
  Shape(p, kPinColour, kPinColour);
  for (const Wire& wire : wires) {
    p.drawEllipse(wire.dot);
    p.drawPolyline(QPolygon(QList<QPoint>(wire.path)));
  }
}

// The 16C92x do not fit the socket: five wires from socket holes to the
// named chip pins ("vývod" = pin).
void Wiring16C92x(QPainter& p, QColor face) {
  DrawWires(p, {
                   {Box(18, 41, 22, 45), {{19, 45}, {19, 87}, {170, 87}}},
                   {Box(120, 5, 124, 9), {{121, 9}, {121, 28}, {170, 28}}},
                   {Box(114, 5, 118, 9), {{115, 9}, {115, 47}, {170, 47}}},
                   {Box(78, 41, 82, 45), {{79, 45}, {79, 67}, {170, 67}}},
                   {Box(132, 5, 136, 9), {{132, 7}, {170, 7}}},
               });
  const struct {
    int y;
    const char* text;
  } labels[] = {
      {1, "vývod 7, 23 Pic16c92x"},   {20, "vývod 65 Pic16c92x"}, {40, "vývod 66 Pic16c92x"},
      {60, "vývod 22, 64 Pic16c92x"}, {80, "vývod 2 Pic16c92x"},
  };
  for (const auto& label : labels) {
    TextAt(p, 170, label.y, QString::fromUtf8(label.text), 0x000000, face);
  }
}

// 14C000: a 28-pin package beside the socket, wired to lower-row pins 14,
// 12, 11, 9 and upper-row pin 9.
void Wiring14C000(QPainter& p) {
  DrawPackage(p, Package::Dip28, 170, 25);
  DrawWires(p, {
                   {Box(18, 41, 22, 45), {{19, 45}, {19, 80}, {253, 80}, {253, 42}}},
                   {Box(120, 5, 124, 9), {{121, 9}, {121, 70}, {241, 70}, {241, 42}}},
                   {Box(114, 5, 118, 9), {{115, 9}, {115, 60}, {235, 60}, {235, 42}}},
                   {Box(78, 41, 82, 45), {{79, 45}, {79, 51}, {223, 51}, {223, 42}}},
                   {Box(132, 5, 136, 9), {{132, 7}, {223, 7}, {223, 22}}},
               });
}

QFont PictureFont() {
  QFont font = DialogFont();
  // Crisp like the rest of the picture, and every pixel one of its colours.
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

}  // namespace

int HoleCentreX(int h) { return 6 * h + 14; }
int HoleCentreY(int r) { return 18 * r - 11; }

void DrawSocket(QPainter& p) {
  Shape(p, 0x000000, kBoardColour);
  p.drawRoundedRect(Box(0, 0, 155, 50), 3.5, 3.5);
  TextAt(p, 6, 36, QStringLiteral("1"), 0x000000, QColor(kBoardColour));
  for (int r = 1; r <= 3; ++r) {
    Shape(p, 0x000000, kStripColour);
    p.drawRoundedRect(Box(15, 18 * r - 14, 139, 18 * r - 8), 3.5, 3.5);
    Shape(p, 0x000000, kHoleColour);
    for (int h = 1; h <= 20; ++h)
      p.drawEllipse(Box(6 * h + 12, 18 * r - 13, 6 * h + 16, 18 * r - 9));
  }
}

void DrawPackage(QPainter& p, Package package, int x, int y) {
  if (const PackageShape* shape = ShapeOf(package)) DrawShape(p, *shape, PinCount(package), x, y);
}

// Hole h of strip r spans x 6h + 12 .. 6h + 16 and y 18r - 13 .. 18r - 9;
// a body's top edge lies 5 pixels below its upper strip's holes.
QPoint SeatAnchor(const SocketSeat& seat) {
  return QPoint(6 * seat.firstHole + 8, 18 * seat.upperStrip - 9);
}

QImage DrawDevicePicture(const QString& deviceName, QColor face) {
  QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
  image.fill(face);
  QPainter p(&image);
  p.setFont(PictureFont());
  DrawSocket(p);
  const DeviceRecord* device = FindDevice(deviceName.toStdString());
  if (device == nullptr) return image;
  switch (device->wiring) {
    case Wiring::Pic16C92x:
      Wiring16C92x(p, face);
      break;
    case Wiring::Pic14C000:
      Wiring14C000(p);
      break;
    case Wiring::IcspCable:  // nothing sits in the socket
      break;
    case Wiring::None:
      if (const std::optional<SocketSeat> seat = SeatOf(device->package)) {
        const QPoint anchor = SeatAnchor(*seat);
        DrawPackage(p, device->package, anchor.x(), anchor.y());
      }
      break;
  }
  return image;
}

QImage DrawDevicePicture(const QString& deviceName) {
  return DrawDevicePicture(deviceName, QApplication::palette().color(QPalette::Button));
}

}  // namespace lpt::app
