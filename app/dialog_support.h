// What every dialog shares: placement relative to the main window and the
// dialog font. Message boxes go through app/message_boxes.h like the main
// window's.
#pragma once

#include <QFont>

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
// the same pixel size elsewhere.
QFont DialogFont();
void ApplyDialogFont(QWidget* dialog);

}  // namespace lpt::app
