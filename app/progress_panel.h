// Panel6: the dark-blue panel that every device command shows while it
// runs, with the gauge Gauge1 and the "Ok" label Label9. A click on it asks
// a running family-27 program pass to stop (ContinueFlag).
#pragma once

#include "app/click_panel.h"

class QProgressBar;

namespace lpt::app {

class ProgressPanel : public ClickPanel {
  Q_OBJECT
 public:
  explicit ProgressPanel(QWidget* parent);

  QProgressBar* Gauge1() const { return gauge_; }
  QLabel* Label9() const { return okLabel_; }

  void SetMax(int max);
  void SetPosition(int position);
  void ShowOk(bool shown);

 private:
  QProgressBar* gauge_;
  QLabel* okLabel_;
};

}  // namespace lpt::app
