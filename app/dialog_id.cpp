// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/dialog_id.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include "app/dialog_support.h"
#include "app/message_boxes.h"
#include "buffers/edit_buffers.h"

namespace lpt::app {
namespace {

constexpr int kMaxDigits = 4;

// Every typed letter becomes upper case; which characters are hex digits
// is checked on OK, with a message, not while typing.
class UpperCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    input = input.toUpper();
    return Acceptable;
  }
};

bool IsHexDigit(QChar c) {
  return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
         (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

}  // namespace

QString IdCaptionFor(const QString& entry) {
  for (QChar c : entry) {
    if (!IsHexDigit(c)) return {};
  }
  // A short entry is padded on the left with F to four digits.
  return QString::fromLatin1(kIdPrefix) + entry.rightJustified(kMaxDigits, QLatin1Char('F'), true);
}

IdDialog::IdDialog(const QString& idDigits, QWidget* parent, const QString& fileId)
    : QDialog(parent) {
  SetUpDialog(this, QStringLiteral("ID change"), QSize(193, 107), TitleButtons::WithSystemMenu);

  auto* label = new QLabel(QCoreApplication::translate("Dialogs", "ID:"), this);
  label->setFont(BoldFont(font()));
  label->setGeometry(24, 24, 30, 21);

  idEdit_ = new QLineEdit(this);
  idEdit_->setGeometry(56, 22, 113, 21);
  idEdit_->setMaxLength(kMaxDigits);
  idEdit_->setValidator(new UpperCaseValidator(idEdit_));
  idEdit_->setText(idDigits.left(kMaxDigits).toUpper());
  // The entry opens full: selected, so typing replaces the old ID.
  idEdit_->selectAll();

  const OkCancelButtons buttons =
      MakeOkCancel(this, QStringLiteral("OK"), QRect(16, 64, 75, 25), QRect(104, 64, 75, 25));
  okButton_ = buttons.ok;
  cancelButton_ = buttons.cancel;
  for (QPushButton* button : {okButton_, cancelButton_}) {
    button->setFont(BoldFont(font()));
    button->setAutoDefault(false);
  }

  // The file's ID words reach the chip only when the user takes them.
  if (!fileId.isEmpty()) {
    setFixedSize(260, height() + 24);
    fromFileBox_ = new QCheckBox(
        QCoreApplication::translate("Dialogs", "take the ID from the loaded file"), this);
    fromFileBox_->setGeometry(16, 48, width() - 24, 21);
    for (QPushButton* button : {okButton_, cancelButton_}) button->move(button->x(), 88);
    const QString oldEntry = idEdit_->text();
    connect(fromFileBox_, &QCheckBox::toggled, this, [this, fileId, oldEntry](bool take) {
      idEdit_->setText(take ? fileId : oldEntry);
      idEdit_->setEnabled(!take);
    });
  }
  connect(okButton_, &QPushButton::clicked, this, &IdDialog::Accept);
  connect(idEdit_, &QLineEdit::returnPressed, this, &IdDialog::Accept);
}

void IdDialog::Accept() {
  const QString caption = IdCaptionFor(idEdit_->text());
  if (caption.isEmpty()) {
    // The dialog stays open and the ID is unchanged.
    ShowBox(this, BoxKind::Error, QStringLiteral("You can write only A..F, 0..9"));
    return;
  }
  caption_ = caption;
  accept();
}

}  // namespace lpt::app
