// SPDX-License-Identifier: GPL-2.0-or-later
// HelpDialog "Help": a short description of every menu command, in Czech.
#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

namespace lpt::app {

// The help text (43 lines), as stored in the program's resources.
QString HelpText();

class HelpDialog : public QDialog {
  Q_OBJECT

 public:
  // Every opening shows the stored text; edits in the window are not kept.
  explicit HelpDialog(QWidget* parent = nullptr);

  QPlainTextEdit* helpText_ = nullptr;
  QPushButton* closeButton_ = nullptr;  // Close
};

}  // namespace lpt::app
