// SPDX-License-Identifier: GPL-2.0-or-later
// ClearAreaDialog "Clear Area": two address fields and Ok / Cancel. Ok zeroes the
// program words from the start to the end address; the check, padding and
// clearing themselves are ApplyClearArea's.
#pragma once

#include <QDialog>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"

class QLineEdit;
class QPushButton;

namespace lpt::app {

class ClearAreaDialog : public QDialog {
  Q_OBJECT
 public:
  // Offset from the main window's top-left corner.
  static constexpr int kLeft = 100;
  static constexpr int kTop = -53;

  ClearAreaDialog(QWidget* mainWindow, const ActiveDevice& device, EditBuffers& buffers);

  QLineEdit* StartEdit() const { return startEdit_; }
  QLineEdit* EndEdit() const { return endEdit_; }
  QPushButton* OkButton() const { return okButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }

 private:
  void OkClick();
  const ActiveDevice& device_;
  EditBuffers& buffers_;
  QLineEdit* startEdit_;
  QLineEdit* endEdit_;
  QPushButton* okButton_;
  QPushButton* cancelButton_;
};

// Edit > "Clear &Area": opens the dialog 53 pixels above and 100 pixels
// right of the main window's top-left corner; true when Ok cleared.
bool ShowClearAreaDialog(QWidget* mainWindow, const ActiveDevice& device, EditBuffers& buffers);

}  // namespace lpt::app
