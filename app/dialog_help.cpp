// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/dialog_help.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/dialog_support.h"
#include "app/translation.h"

// The resource lives in the static app library; naming it keeps the linker
// from dropping it.
static void InitDialogResources() { Q_INIT_RESOURCE(dialog_resources); }

namespace lpt::app {

QString HelpText() {
  InitDialogResources();
  QFile file(HelpTextResource());
  if (!file.open(QIODevice::ReadOnly)) return {};
  QString text = QString::fromUtf8(file.readAll());
  // Each of the 43 lines ends in a newline; the window shows them joined.
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  return text;
}

HelpDialog::HelpDialog(QWidget* parent) : QDialog(parent) {
  SetUpDialog(this, QStringLiteral("Help"), QSize(537, 560), TitleButtons::CloseOnly);

  helpText_ = new QPlainTextEdit(this);
  helpText_->setGeometry(8, 8, 521, 505);
  const QFont bold = BoldFont(font());
  helpText_->setFont(bold);
  helpText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  helpText_->setPlainText(HelpText());

  closeButton_ = new QPushButton(QStringLiteral("Close"), this);
  closeButton_->setGeometry((width() - 113) / 2, 524, 113, 25);
  closeButton_->setFont(bold);
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace lpt::app
