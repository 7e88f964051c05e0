// SPDX-License-Identifier: GPL-2.0-or-later
// The dark-blue panel that every device command shows while it runs: the
// progress bar of the program-memory pass, the name of the running pass,
// the "Ok" label, and a notice when the window waits for the command to
// end before it closes. A click on it stops the running command.
#pragma once

#include <QColor>

#include "app/click_panel.h"

class QProgressBar;

namespace lpt::app {

// The bar's colours: dark text reads on the chunk and on the groove alike.
inline const QColor kBarChunkColour{0xFF, 0x80, 0x80};
inline const QColor kBarGrooveColour{0xFF, 0xFF, 0xFF};
inline const QColor kBarTextColour{0x00, 0x00, 0x00};

class ProgressPanel : public ClickPanel {
  Q_OBJECT
 public:
  explicit ProgressPanel(QWidget* parent);

  QProgressBar* ProgressBar() const { return progressBar_; }
  QLabel* OkLabel() const { return okLabel_; }
  QLabel* PassLabel() const { return passLabel_; }
  QLabel* NoticeLabel() const { return noticeLabel_; }

  void SetMax(int max);
  void SetPosition(int position);
  void ShowOk(bool shown);
  // The running pass ("Program memory", "Data memory", "ID", ...).
  void SetPassName(const QString& name);
  // "Closing when the command ends…" while a close waits for the command.
  void ShowClosingNotice(bool shown);

 private:
  QProgressBar* progressBar_;
  QLabel* okLabel_;
  QLabel* passLabel_;
  QLabel* noticeLabel_;
};

}  // namespace lpt::app
