// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/dialog_info.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <string>

#include "app/dialog_support.h"

namespace lpt::app {

FuseInfoDialog::FuseInfoDialog(InfoPage page, QWidget* parent) : QDialog(parent) {
  SetUpDialog(this, QStringLiteral("Info"), QSize(559, 341), TitleButtons::WithSystemMenu);

  for (std::size_t i = 0; i < Labels.size(); ++i) {
    Labels[i] = new QLabel(this);
    Labels[i]->setTextFormat(Qt::PlainText);
    Labels[i]->move(16, 8 + 16 * static_cast<int>(i));
  }

  const std::vector<std::string_view> lines = InfoPageLines(page);
  for (std::size_t i = 0; i < lines.size() && i < Labels.size(); ++i) {
    // Each line is translated whole; the makers' bit names stay in it.
    const std::string line(lines[i]);
    Labels[i]->setText(QCoreApplication::translate("InfoPages", line.c_str()));
  }
  int widest = 0;
  for (QLabel* label : Labels) {
    label->adjustSize();  // sized to their text
    widest = std::max(widest, label->geometry().right() + 1);
  }
  // Where the installed font is wider than the one the page was laid out
  // for, the box grows rather than cutting the longest lines.
  setFixedSize(std::max(559, widest + 16), 341);

  closeButton_ = new QPushButton(QCoreApplication::translate("Dialogs", "Close"), this);
  // Centred, also in a box grown for a wider font.
  closeButton_->setGeometry((width() - 113) / 2, 304, 113, 25);
  closeButton_->setFont(BoldFont(font()));
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace lpt::app
