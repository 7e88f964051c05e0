// FuseInfoDialog "Info": the fuse information page of the active device.
#pragma once

#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class QPushButton;

namespace lpt::app {

class FuseInfoDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kLeft = 100;
  static constexpr int kTop = -130;

  // The eighteen lines start empty; the dialog fills them with the
  // page chosen by `infoPage` (and for page 28 by `deviceName`).
  FuseInfoDialog(int infoPage, const QString& deviceName, QWidget* parent = nullptr);

  std::array<QLabel*, 18> Labels{};     // one per line of the page
  QPushButton* closeButton_ = nullptr;  // Close
};

}  // namespace lpt::app
