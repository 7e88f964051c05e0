// SPDX-License-Identifier: GPL-2.0-or-later
// Every message box of the program, the main window's and the dialogs',
// goes through here, so that the boxes look the same everywhere and tests
// can watch them instead of blocking on a modal loop.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

namespace lpt::app {

enum class BoxKind {
  Error,      // error icon, title "Error", one OK button
  Plain,      // no icon, captioned with the application title
  FileError,  // error icon, application title, the system's message
  Warning,    // warning icon, application title
};

// "lptpic": the executable's base name, lower case after its first letter.
QString ApplicationTitle();

// The box as it would be shown (not yet shown); tests inspect it. A
// non-empty `detail` is the informative text under the message, shown with
// it (a device command's first failing location).
std::unique_ptr<QMessageBox> MakeBox(QWidget* parent, BoxKind kind, const QString& text,
                                     const QString& detail = {});

// Shows the box modally, or hands it to the observer when one is set; the
// text and the detail are written in English and shown translated.
void ShowBox(QWidget* parent, BoxKind kind, const QString& text, const QString& detail = {});

// A warning box with "Continue" (or `goOn`, in English) and "Cancel": true
// when the user chose to go on. The answerer, when set, answers instead of
// a user.
bool AskToContinue(QWidget* parent, const QString& text, const char* goOn = "Continue");
// The same with another kind of box and another button ("Select it").
bool AskWithButton(QWidget* parent, BoxKind kind, const QString& text, const char* button);
using ContinueAnswerer = std::function<bool(const QString&)>;
void SetContinueAnswerer(ContinueAnswerer answerer);

// Test seam: while set, ShowBox calls the observer instead of showing a box.
using BoxObserver = std::function<void(BoxKind, const QString&)>;
void SetBoxObserver(BoxObserver observer);
// The same with the box's detail; when both are set this one is called.
using BoxDetailObserver = std::function<void(BoxKind, const QString&, const QString&)>;
void SetBoxDetailObserver(BoxDetailObserver observer);

}  // namespace lpt::app
