#include "app/dialog_id.h"

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

QFont Bold(QFont font) {
  font.setBold(true);
  return font;
}

}  // namespace

QString IdCaptionFor(const QString& entry) {
  for (QChar c : entry) {
    if (!IsHexDigit(c)) return {};
  }
  // A short entry is padded on the left with F to four digits.
  return QString::fromLatin1(kIdPrefix) + entry.rightJustified(kMaxDigits, QLatin1Char('F'), true);
}

TForm6::TForm6(const QString& idDigits, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("ID change"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  ApplyDialogFont(this);
  setFixedSize(193, 107);

  auto* label = new QLabel(QStringLiteral("ID:"), this);
  label->setFont(Bold(font()));
  label->setGeometry(24, 24, 30, 21);

  Edit1 = new QLineEdit(this);
  Edit1->setGeometry(56, 22, 113, 21);
  Edit1->setMaxLength(kMaxDigits);
  Edit1->setValidator(new UpperCaseValidator(Edit1));
  Edit1->setText(idDigits.left(kMaxDigits).toUpper());

  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setGeometry(16, 64, 75, 25);
  Button2 = new QPushButton(QStringLiteral("Cancel"), this);
  Button2->setGeometry(104, 64, 75, 25);
  for (QPushButton* button : {Button1, Button2}) {
    button->setFont(Bold(font()));
    button->setAutoDefault(false);
  }

  connect(Button1, &QPushButton::clicked, this, &TForm6::Accept);
  connect(Edit1, &QLineEdit::returnPressed, this, &TForm6::Accept);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm6::Accept() {
  const QString caption = IdCaptionFor(Edit1->text());
  if (caption.isEmpty()) {
    // The dialog stays open and the ID is unchanged.
    ShowBox(this, BoxKind::Error, QStringLiteral("You can write only A..F, 0..9"));
    return;
  }
  caption_ = caption;
  accept();
}

}  // namespace lpt::app
