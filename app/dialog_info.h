// SPDX-License-Identifier: GPL-2.0-or-later
// FuseInfoDialog "Info": the fuse information page of the active device.
#pragma once

#include <QDialog>
#include <array>

#include "devices/info_pages.h"

class QLabel;
class QPushButton;

namespace lpt::app {

class FuseInfoDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kLeft = 100;
  static constexpr int kTop = -130;

  // The eighteen lines start empty; the dialog fills them with the page.
  explicit FuseInfoDialog(InfoPage page, QWidget* parent = nullptr);

  static constexpr int kLabelCount = 18;      // the longest page fits exactly
  std::array<QLabel*, kLabelCount> Labels{};  // one per line of the page
  QPushButton* closeButton_ = nullptr;        // Close
};

}  // namespace lpt::app
