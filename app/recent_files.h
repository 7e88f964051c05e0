// SPDX-License-Identifier: GPL-2.0-or-later
// File > Recent files: the last eight HEX files the window opened, newest
// first, kept in recent.txt beside path.dat (one path a line) so they are
// there at the next start.
#pragma once

#include <QObject>
#include <QStringList>

class QMenu;

namespace lpt::app {

class MainWindow;

inline constexpr int kRecentFiles = 8;

// The list after `path` was opened: it moves to the front, once.
QStringList WithRecent(QStringList files, const QString& path);

class RecentFiles : public QObject {
  Q_OBJECT
 public:
  // `listFile`: where the list is kept; empty keeps it for this run only.
  RecentFiles(MainWindow& window, QString listFile);

  void Opened(const QString& path);
  void SetEnabled(bool enabled);
  const QStringList& Files() const { return files_; }
  QMenu* Menu() const { return menu_; }

 private:
  void Rebuild();

  MainWindow& window_;
  QString listFile_;
  QStringList files_;
  QMenu* menu_ = nullptr;
  bool enabled_ = true;
};

}  // namespace lpt::app
