// SPDX-License-Identifier: GPL-2.0-or-later
// The device dialog's picture: the programmer's socket with the selected
// chip's package over its holes, or the wires to run for chips that do not
// sit in the socket. Drawn on a QImage so the picture can be checked pixel
// by pixel.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>

#include "devices/packages.h"

class QPainter;

namespace lpt::app {

// Size of the picture area (wide enough for the widest wiring labels).
inline constexpr int kPictureWidth = 300;
inline constexpr int kPictureHeight = 100;

// Colours of the picture (RGB).
inline constexpr QRgb kBoardColour = 0xB8A0A5;  // also the main window colour
inline constexpr QRgb kStripColour = 0x008080;
inline constexpr QRgb kHoleColour = 0xC0C0C0;
inline constexpr QRgb kPinColour = 0xFFFF00;  // pins and wires
inline constexpr QRgb kPin1MarkColour = 0xB8A0A5;

// The whole picture for a device name, on a background
// of `face` (the button face colour). Unknown names get the socket only.
QImage DrawDevicePicture(const QString& deviceName, QColor face);
// As above with the application's button face colour.
QImage DrawDevicePicture(const QString& deviceName);

// The socket: board, the "1" mark, three strips of twenty holes.
void DrawSocket(QPainter& p);

// A dual-in-line package at anchor (x, y), the top-left corner of its body:
// body, pins, pin-1 mark, label. Pin k of a row spans x - 3 + 6k .. x + 2 + 6k.
void DrawPackage(QPainter& p, Package package, int x, int y);

// The anchor that puts a package's pins over its seat in the socket.
QPoint SeatAnchor(const SocketSeat& seat);

// Centre of hole h (1..20) on strip r (1..3), for checks and wiring.
int HoleCentreX(int h);
int HoleCentreY(int r);

}  // namespace lpt::app
