// SPDX-License-Identifier: GPL-2.0-or-later
// What the dialogs share: their frame, font and placement relative to the
// main window, and the few widgets several of them build the same way. The
// main window takes its font and palette colours from here too; message
// boxes go through app/message_boxes.h.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QSize>

class QDialog;
class QGroupBox;
class QLabel;
class QPushButton;
class QString;
class QWidget;

namespace lpt::app {

// Moves `dialog` so that its top-left corner is (dx, dy) from the main
// window's top-left corner, kept on the screen so that a main window near
// the screen's edge cannot push the title bar out of reach. Without a main
// window the offset is taken from the screen's corner.
void PlaceDialog(QWidget* dialog, QWidget* mainWindow, int dx, int dy);

// Centres `dialog` on the desktop (the help window).
void CentreOnDesktop(QWidget* dialog);

// Dialog fonts: 8-point "MS Sans Serif" where installed, a sans serif of
// the same pixel size elsewhere. The main window uses the same font.
QFont DialogFont();
void ApplyDialogFont(QWidget* dialog);

// `font` in bold.
QFont BoldFont(QFont font);

// Which buttons a dialog's title bar carries besides the close button.
enum class TitleButtons { CloseOnly, WithSystemMenu };

// The first steps of every dialog: caption, a frame that cannot be resized
// or maximised, the dialog font, and the fixed client size (an empty size
// leaves sizing to the dialog, as the device dialog's width follows its
// picture).
void SetUpDialog(QDialog* dialog, const QString& title, QSize clientSize, TitleButtons buttons);

// Sets one colour of a widget's palette.
void SetPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

// A group frame that shows on the window's own colours, its top line 6
// pixels down so that what sits from y 16 on is inside it, the caption
// on the line.
void SetGroupFrame(QGroupBox* group);

// A sunken panel filled with `colour` (RGB): the device name and the path.
QLabel* MakeSunkenPanel(QWidget* parent, const QRect& geometry, QRgb colour);

// OK and Cancel at their places; Cancel rejects the dialog, OK is left for
// the caller to connect (several dialogs check the entry first).
struct OkCancelButtons {
  QPushButton* ok;
  QPushButton* cancel;
};
OkCancelButtons MakeOkCancel(QDialog* dialog, const QString& okText, const QRect& okGeometry,
                             const QRect& cancelGeometry);

}  // namespace lpt::app
