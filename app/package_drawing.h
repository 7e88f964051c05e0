// The device dialog's picture: the programmer's socket with the selected
// chip's package over its holes, or the wires to run for chips that do not
// sit in the socket. Drawn on a QImage so the picture can be checked pixel
// by pixel.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

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

// RedrawPackage (package): the whole picture for a device name, on a background
// of `face` (the button face colour). Unknown names get the socket only.
QImage DrawDevicePicture(const QString& deviceName, QColor face);
// As above with the application's button face colour.
QImage DrawDevicePicture(const QString& deviceName);

// The socket: board, the "1" mark, three strips of twenty holes.
void SocketPicture(QPainter& p);

// The package routines at anchor (x, y): body, pins, pin-1 mark, label.
void IO1(QPainter& p, int x, int y);  // 18 pins
void IO2(QPainter& p, int x, int y);  // 8 pins
void IO3(QPainter& p, int x, int y);  // 40 pins
void IO5(QPainter& p, int x, int y);  // 28 pins
void IO6(QPainter& p, int x, int y);  // 14 pins

// Centre of hole h (1..20) on strip r (1..3), for checks and wiring.
int HoleCentreX(int h);
int HoleCentreY(int r);

}  // namespace lpt::app
