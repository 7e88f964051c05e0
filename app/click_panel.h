// SPDX-License-Identifier: GPL-2.0-or-later
// A panel with a caption that reports clicks: the fuse switches, the ID
// field, the "?" panel and the progress panel are all made of it.
#pragma once

#include <QLabel>

namespace lpt::app {

inline const QColor kDisabledCaptionColour{0x28, 0x28, 0x28};

class ClickPanel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickPanel(QWidget* parent = nullptr);

  // Fill colour as RGB (RRGGBBh).
  void SetColor(unsigned rgb);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace lpt::app
