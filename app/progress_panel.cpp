#include "app/progress_panel.h"

#include <QProgressBar>

#include "app/dialog_support.h"

namespace lpt::app {

ProgressPanel::ProgressPanel(QWidget* parent) : ClickPanel(parent) {
  setObjectName(QStringLiteral("Panel6"));
  setGeometry(192, 96, 270, 41);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  SetColor(0x004080);

  gauge_ = new QProgressBar(this);
  gauge_->setObjectName(QStringLiteral("Gauge1"));
  gauge_->setGeometry(21, 11, 225, 19);
  gauge_->setRange(0, 0);
  gauge_->setTextVisible(true);
  gauge_->setAlignment(Qt::AlignCenter);
  gauge_->setStyleSheet(QStringLiteral(
      "QProgressBar { background: #004080; border: 1px solid #002040; color: white; }"
      "QProgressBar::chunk { background: #FF8080; }"));
  // A click on the bar counts as a click on the panel.
  gauge_->setAttribute(Qt::WA_TransparentForMouseEvents);

  okLabel_ = new QLabel(QStringLiteral("Ok"), this);
  okLabel_->setObjectName(QStringLiteral("Label9"));
  okLabel_->setGeometry(249, 13, 18, 15);
  okLabel_->setFont(BoldFont(okLabel_->font()));
  okLabel_->setStyleSheet(QStringLiteral("color: #C0C0C0;"));
  okLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
  okLabel_->hide();

  hide();
}

void ProgressPanel::SetMax(int max) {
  gauge_->setMaximum(max < 0 ? 0 : max);
  // A one-row range would otherwise show a busy indicator instead of 100 %.
  if (gauge_->maximum() == 0) gauge_->setMaximum(1);
}

void ProgressPanel::SetPosition(int position) {
  gauge_->setValue(position);
  gauge_->repaint();
}

void ProgressPanel::ShowOk(bool shown) {
  okLabel_->setVisible(shown);
  okLabel_->repaint();
}

}  // namespace lpt::app
