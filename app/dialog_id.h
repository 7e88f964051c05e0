// SPDX-License-Identifier: GPL-2.0-or-later
// IdDialog "ID change": entry of the four-digit user ID.
#pragma once

#include <QDialog>
#include <QString>
#include <cstring>

#include "buffers/edit_buffers.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace lpt::app {

// The ID panel shows the four ID digits after this prefix.
inline constexpr const char* kIdPrefix = "   ID:  ";
inline QString IdPanelText(const std::string& digits) {
  return QString::fromLatin1(kIdPrefix) + QString::fromStdString(digits);
}

// "   ID:  " + the entry padded on the left with F to four digits; empty
// when the entry holds a character other than 0-9 and A-F (upper case).
QString IdCaptionFor(const QString& entry);

class IdDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kLeft = 283;
  static constexpr int kTop = 97;

  // The entry starts with the four digits of the ID caption. `fileId`, the
  // loaded file's ID, offers a check box that takes it; empty when the
  // file holds none.
  explicit IdDialog(const QString& idDigits, QWidget* parent = nullptr, const QString& fileId = {});

  // The new caption after OK; empty otherwise.
  QString NewCaption() const { return caption_; }
  // Its four digits (caption positions 9 to 12); empty unless accepted.
  QString NewDigits() const { return caption_.mid(static_cast<qsizetype>(std::strlen(kIdPrefix))); }

  QLineEdit* idEdit_ = nullptr;
  QCheckBox* fromFileBox_ = nullptr;     // "take the ID from the loaded file"
  QPushButton* okButton_ = nullptr;      // OK
  QPushButton* cancelButton_ = nullptr;  // Cancel

 private:
  void Accept();

  QString caption_;
};

}  // namespace lpt::app
