// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/progress_panel.h"

#include <QProgressBar>

#include "app/dialog_support.h"

namespace lpt::app {

namespace {

QLabel* MakeCaption(QWidget* parent, const char* name, const QRect& geometry) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setStyleSheet(QStringLiteral("color: white;"));
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

}  // namespace

ProgressPanel::ProgressPanel(QWidget* parent) : ClickPanel(parent) {
  setObjectName(QStringLiteral("progressPanel"));
  // Taller than the bar alone: the pass name and the closing notice sit under it.
  setGeometry(192, 96, 270, 66);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  SetColor(0x004080);
  setToolTip(tr("Click to stop"));

  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName(QStringLiteral("progressBar"));
  progressBar_->setGeometry(21, 11, 225, 19);
  progressBar_->setRange(0, 0);
  progressBar_->setTextVisible(true);
  progressBar_->setAlignment(Qt::AlignCenter);
  QPalette bar = progressBar_->palette();
  bar.setColor(QPalette::Highlight, kBarChunkColour);
  bar.setColor(QPalette::Base, kBarGrooveColour);
  bar.setColor(QPalette::Text, kBarTextColour);
  bar.setColor(QPalette::HighlightedText, kBarTextColour);
  progressBar_->setPalette(bar);
  // The style sheet draws what the palette says, on every platform style.
  progressBar_->setStyleSheet(
      QStringLiteral("QProgressBar { background: %1; border: 1px solid "
                     "#002040; color: %2; }"
                     "QProgressBar::chunk { background: %3; }")
          .arg(kBarGrooveColour.name(), kBarTextColour.name(), kBarChunkColour.name()));
  // A click on the bar counts as a click on the panel.
  progressBar_->setAttribute(Qt::WA_TransparentForMouseEvents);

  okLabel_ = new QLabel(QStringLiteral("Ok"), this);
  okLabel_->setObjectName(QStringLiteral("okLabel"));
  okLabel_->setGeometry(249, 13, 18, 15);
  okLabel_->setFont(BoldFont(okLabel_->font()));
  okLabel_->setStyleSheet(QStringLiteral("color: #C0C0C0;"));
  okLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
  okLabel_->hide();

  passLabel_ = MakeCaption(this, "passLabel", QRect(21, 32, 225, 15));
  noticeLabel_ = MakeCaption(this, "noticeLabel", QRect(21, 47, 225, 15));
  noticeLabel_->setText(tr("Closing when the command ends…"));
  noticeLabel_->hide();

  hide();
}

void ProgressPanel::SetMax(int max) {
  progressBar_->setMaximum(max < 0 ? 0 : max);
  // A one-row range would otherwise show a busy indicator instead of 100 %.
  if (progressBar_->maximum() == 0) progressBar_->setMaximum(1);
}

void ProgressPanel::SetPosition(int position) { progressBar_->setValue(position); }

void ProgressPanel::ShowOk(bool shown) { okLabel_->setVisible(shown); }

void ProgressPanel::SetPassName(const QString& name) { passLabel_->setText(name); }

void ProgressPanel::ShowClosingNotice(bool shown) { noticeLabel_->setVisible(shown); }

}  // namespace lpt::app
