// SPDX-License-Identifier: GPL-2.0-or-later
// The edit-program loop at the desk: a HEX file dropped on the window opens
// it; the open file is reloaded before Program All when it changed on disk
// since it was loaded (a check box in the status bar turns this off); the
// status bar shows the buffers' checksum as the makers' tools compute it;
// File > Recent files lists the last files opened.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"

class QCheckBox;
class QLabel;
class QMimeData;

namespace lpt::app {

class MainWindow;
class RecentFiles;

class DeskLoop : public QObject {
  Q_OBJECT
 public:
  explicit DeskLoop(MainWindow& window);

  // The window loaded `path`: it is the file watched from now on.
  void FileLoaded(const QString& path);
  // A drop on the window: opens the first local file it carries; false
  // when it carries none or a command runs.
  bool OpenDropped(const QMimeData& data);
  // Off while a device command runs: nothing may load into its buffers.
  void SetEnabled(bool enabled);
  // "Checksum 1A2B" for the buffers as they are now.
  void ShowChecksum(const ActiveDevice& device, const EditBuffers& buffers);

  enum class Reload { Unchanged, Reloaded, Failed };
  // Before Program All: loads the open file again when it changed on disk
  // and the check box is on. Failed when the new file could not be loaded
  // (the window said why): nothing should be programmed then.
  Reload ReloadIfChanged();
  // The status text's remark after a reload.
  QString ReloadedNotice() const;

  QCheckBox* ReloadBox() const { return reloadBox_; }
  QLabel* ChecksumLabel() const { return checksum_; }
  const QString& OpenFile() const { return path_; }
  RecentFiles& Recent() const { return *recent_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Stamp {
    QDateTime modified;
    qint64 size = -1;
    bool operator==(const Stamp&) const = default;
  };
  static Stamp StampOf(const QString& path);

  MainWindow& window_;
  QString path_;
  Stamp stamp_;
  QCheckBox* reloadBox_ = nullptr;
  QLabel* checksum_ = nullptr;
  RecentFiles* recent_ = nullptr;
};

// The HEX file among dropped URLs: the first local file; empty for none.
QString DroppedHexFile(const QList<QUrl>& urls);

}  // namespace lpt::app
