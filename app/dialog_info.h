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

  // FormCreate empties the eighteen labels; FormShow fills them with the
  // page chosen by `infoPage` (and for page 28 by `deviceName`).
  FuseInfoDialog(int infoPage, const QString& deviceName, QWidget* parent = nullptr);

  std::array<QLabel*, 18> Labels{};  // Label1 .. Label18
  QPushButton* Button1 = nullptr;    // Close
};

}  // namespace lpt::app
