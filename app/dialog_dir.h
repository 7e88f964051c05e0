// SPDX-License-Identifier: GPL-2.0-or-later
// DirectoryDialog "Change Dir": the working directory in which the HEX file dialogs
// open, chosen with a drive selector and a directory tree.
#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

namespace lpt::app {

// The path panel text: " " + dir + " ", or for a path longer than 30
// characters " ..." + its last 30 characters + " ".
QString PathPanelText(const QString& dir);

class DirectoryDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kLeft = 66;
  static constexpr int kTop = -66;

  // On opening: shows `workDir`, or `fallbackDir` when `workDir` is no
  // existing directory (FellBack() then tells the caller to store
  // fallbackDir at once).
  DirectoryDialog(const QString& workDir, const QString& fallbackDir, QWidget* parent = nullptr);

  bool FellBack() const { return fellBack_; }
  // The directory selected in the tree (native separators).
  QString SelectedDirectory() const { return selected_; }
  // Selects `dir` in the drive selector and the tree.
  void SetDirectory(const QString& dir);

  QLabel* PathPanel = nullptr;
  QComboBox* DriveBox = nullptr;
  QTreeView* DirectoryTree = nullptr;
  QPushButton* ButtonOk = nullptr;
  QPushButton* ButtonCancel = nullptr;

 private:
  void DriveChosen(int index);
  void DirectoryChanged();

  QFileSystemModel* model_ = nullptr;
  QString selected_;
  bool fellBack_ = false;
};

}  // namespace lpt::app
