// The dark-blue panel that every device command shows while it runs, with
// its progress bar and the "Ok" label. A click on it asks
// a running family-27 program pass to stop (ContinueFlag).
#pragma once

#include "app/click_panel.h"

class QProgressBar;

namespace lpt::app {

class ProgressPanel : public ClickPanel {
  Q_OBJECT
 public:
  explicit ProgressPanel(QWidget* parent);

  QProgressBar* ProgressBar() const { return progressBar_; }
  QLabel* OkLabel() const { return okLabel_; }

  void SetMax(int max);
  void SetPosition(int position);
  void ShowOk(bool shown);

 private:
  QProgressBar* progressBar_;
  QLabel* okLabel_;
};

}  // namespace lpt::app
