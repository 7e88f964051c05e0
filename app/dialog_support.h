// What every dialog shares: placement relative to the main window and the
// error message box, which tests replace so that they never block.
#pragma once

#include <QFont>
#include <QString>
#include <functional>

class QWidget;

namespace lpt::app {

// Moves `dialog` so that its top-left corner is (dx, dy) from the main
// window's top-left corner, kept on the screen so that a main window near
// the screen's edge cannot push the title bar out of reach. Without a main
// window the offset is taken from the screen's corner.
void PlaceDialog(QWidget* dialog, QWidget* mainWindow, int dx, int dy);

// Centres `dialog` on the desktop (the help window).
void CentreOnDesktop(QWidget* dialog);

// The error box: title "Error", error icon, one OK button.
using ErrorReporter = std::function<void(QWidget* parent, const QString& text)>;
void ShowDialogError(QWidget* parent, const QString& text);
// Replaces the error box (tests record the text); an empty function
// restores the message box. Returns the previous reporter.
ErrorReporter SetDialogErrorReporter(ErrorReporter reporter);

// Dialog fonts: 8-point "MS Sans Serif" where installed, a sans serif of
// the same pixel size elsewhere.
QFont DialogFont();
void ApplyDialogFont(QWidget* dialog);

}  // namespace lpt::app
