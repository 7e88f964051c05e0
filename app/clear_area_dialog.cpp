// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/clear_area_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <algorithm>

#include "app/dialog_support.h"
#include "app/message_boxes.h"
#include "buffers/clear_area.h"
#include "buffers/hex_text.h"

namespace lpt::app {

namespace {

// Turns typed letters into upper case; any character is let through so
// that Ok can name the bad one.
class UpperCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    input = QString::fromStdString(UpperCaseAscii(input.toStdString()));
    return Acceptable;
  }
};

// The field sits over the spaces of its label, between the caption and
// the trailing "h"; measured, so any font keeps the two apart.
QLineEdit* MakeAddressEdit(QLabel* label, const QString& name) {
  const QFontMetrics metrics(label->font());
  const QString text = label->text();
  const QString caption = text.left(text.indexOf(QLatin1Char(':')) + 1);
  const int left = label->x() + metrics.horizontalAdvance(caption) + 4;
  const int right = label->x() + metrics.horizontalAdvance(text.chopped(1)) - 3;
  auto* edit = new QLineEdit(label->parentWidget());
  edit->setObjectName(name);
  edit->setGeometry(left, label->y() - 3, std::max(right - left, 40), 21);
  edit->setMaxLength(static_cast<int>(kClearAreaFieldLength));
  edit->setValidator(new UpperCaseValidator(edit));
  return edit;
}

QLabel* MakeBoldLabel(QWidget* parent, const QString& text, int top) {
  auto* label = new QLabel(text, parent);
  label->setFont(BoldFont(label->font()));
  label->move(16, top);
  label->adjustSize();
  return label;
}

}  // namespace

ClearAreaDialog::ClearAreaDialog(QWidget* mainWindow, const ActiveDevice& device,
                                 EditBuffers& buffers)
    : QDialog(mainWindow), device_(device), buffers_(buffers) {
  setObjectName(QStringLiteral("ClearAreaDialog"));
  SetUpDialog(this, QStringLiteral("Clear Area"), QSize(225, 113), TitleButtons::WithSystemMenu);

  // The fields sit over the spaces of the labels, before the trailing "h".
  QLabel* startLabel = MakeBoldLabel(this, QStringLiteral("Start Address:                  h"), 19);
  QLabel* endLabel = MakeBoldLabel(this, QStringLiteral("End Address:                   h"), 51);
  startEdit_ = MakeAddressEdit(startLabel, QStringLiteral("startEdit"));
  endEdit_ = MakeAddressEdit(endLabel, QStringLiteral("endEdit"));

  const OkCancelButtons buttons =
      MakeOkCancel(this, QStringLiteral("Ok"), QRect(32, 80, 75, 25), QRect(120, 80, 75, 25));
  okButton_ = buttons.ok;
  cancelButton_ = buttons.cancel;
  okButton_->setDefault(true);

  const ClearAreaFields fields = InitialClearAreaFields(device_);
  startEdit_->setText(QString::fromStdString(fields.start));
  endEdit_->setText(QString::fromStdString(fields.end));
  // Typing replaces what a field shows: appended to the "0" it used to
  // make a different, shifted address.
  startEdit_->selectAll();
  endEdit_->selectAll();
  startEdit_->setFocus();

  connect(okButton_, &QPushButton::clicked, this, &ClearAreaDialog::OkClick);
}

void ClearAreaDialog::OkClick() {
  ClearAreaFields fields{startEdit_->text().toStdString(), endEdit_->text().toStdString()};
  const ClearAreaResult result = ApplyClearArea(fields, device_, buffers_);
  // The padded fields are shown whether or not the check passed.
  startEdit_->setText(QString::fromStdString(fields.start));
  endEdit_->setText(QString::fromStdString(fields.end));
  if (!result.ok) {
    ShowBox(this, BoxKind::Error, QString::fromStdString(result.message));
    startEdit_->setFocus();
    startEdit_->selectAll();
    return;
  }
  accept();
}

bool ShowClearAreaDialog(QWidget* mainWindow, const ActiveDevice& device, EditBuffers& buffers) {
  ClearAreaDialog dialog(mainWindow, device, buffers);
  dialog.move(mainWindow->pos() + QPoint(ClearAreaDialog::kLeft, ClearAreaDialog::kTop));
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace lpt::app
