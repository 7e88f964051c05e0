#include "app/progress_panel.h"

#include <QProgressBar>

#include "app/dialog_support.h"

namespace lpt::app {

ProgressPanel::ProgressPanel(QWidget* parent) : ClickPanel(parent) {
  setObjectName(QStringLiteral("progressPanel"));
  setGeometry(192, 96, 270, 41);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  SetColor(0x004080);

  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName(QStringLiteral("progressBar"));
  progressBar_->setGeometry(21, 11, 225, 19);
  progressBar_->setRange(0, 0);
  progressBar_->setTextVisible(true);
  progressBar_->setAlignment(Qt::AlignCenter);
  progressBar_->setStyleSheet(QStringLiteral(
      "QProgressBar { background: #004080; border: 1px solid #002040; color: white; }"
      "QProgressBar::chunk { background: #FF8080; }"));
  // A click on the bar counts as a click on the panel.
  progressBar_->setAttribute(Qt::WA_TransparentForMouseEvents);

  okLabel_ = new QLabel(QStringLiteral("Ok"), this);
  okLabel_->setObjectName(QStringLiteral("okLabel"));
  okLabel_->setGeometry(249, 13, 18, 15);
  okLabel_->setFont(BoldFont(okLabel_->font()));
  okLabel_->setStyleSheet(QStringLiteral("color: #C0C0C0;"));
  okLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
  okLabel_->hide();

  hide();
}

void ProgressPanel::SetMax(int max) {
  progressBar_->setMaximum(max < 0 ? 0 : max);
  // A one-row range would otherwise show a busy indicator instead of 100 %.
  if (progressBar_->maximum() == 0) progressBar_->setMaximum(1);
}

void ProgressPanel::SetPosition(int position) {
  progressBar_->setValue(position);
  progressBar_->repaint();
}

void ProgressPanel::ShowOk(bool shown) {
  okLabel_->setVisible(shown);
  okLabel_->repaint();
}

}  // namespace lpt::app
