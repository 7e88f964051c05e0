// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/desk_loop.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>

#include "app/main_window.h"
#include "app/recent_files.h"
#include "buffers/checksum.h"

namespace lpt::app {

QString DroppedHexFile(const QList<QUrl>& urls) {
  for (const QUrl& url : urls)
    if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile()) return url.toLocalFile();
  return {};
}

DeskLoop::DeskLoop(MainWindow& window) : QObject(&window), window_(window) {
  checksum_ = new QLabel(&window);
  checksum_->setObjectName(QStringLiteral("checksumLabel"));
  reloadBox_ = new QCheckBox(
      QCoreApplication::translate("Production", "Reload the changed HEX file before Program All"),
      &window);
  reloadBox_->setObjectName(QStringLiteral("reloadBox"));
  reloadBox_->setChecked(true);
  window.statusBar()->addPermanentWidget(reloadBox_);
  window.statusBar()->addPermanentWidget(checksum_);
  window.setAcceptDrops(true);
  const QString settings = QString::fromStdString(window.Location().PathToRead());
  recent_ = new RecentFiles(window, settings.isEmpty() ? QString()
                                                       : QFileInfo(settings).dir().filePath(
                                                             QStringLiteral("recent.txt")));
  window.installEventFilter(this);
}

DeskLoop::Stamp DeskLoop::StampOf(const QString& path) {
  const QFileInfo info(path);
  return {info.lastModified(), info.exists() ? info.size() : -1};
}

void DeskLoop::FileLoaded(const QString& path) {
  path_ = QFileInfo(path).absoluteFilePath();
  stamp_ = StampOf(path_);
  recent_->Opened(path_);
}

void DeskLoop::ShowChecksum(const ActiveDevice& device, const EditBuffers& buffers) {
  const QString digits =
      QStringLiteral("%1").arg(BuffersChecksum(device, buffers), 4, 16, QLatin1Char('0'));
  checksum_->setText(
      QCoreApplication::translate("Production", "Checksum %1").arg(digits.toUpper()));
}

void DeskLoop::SetEnabled(bool enabled) {
  reloadBox_->setEnabled(enabled);
  recent_->SetEnabled(enabled);
}

DeskLoop::Reload DeskLoop::ReloadIfChanged() {
  if (path_.isEmpty() || !reloadBox_->isChecked() || StampOf(path_) == stamp_)
    return Reload::Unchanged;
  const QString path = path_;
  const Stamp before = stamp_;
  window_.LoadHexPath(path);
  // LoadHexPath calls FileLoaded only for a file that loaded.
  return stamp_ == before ? Reload::Failed : Reload::Reloaded;
}

QString DeskLoop::ReloadedNotice() const {
  return QCoreApplication::translate("Production", "%1 changed on disk and was loaded again.")
      .arg(QFileInfo(path_).fileName());
}

bool DeskLoop::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &window_) return false;
  if (event->type() == QEvent::DragEnter) {
    auto* drag = static_cast<QDragEnterEvent*>(event);
    if (drag->mimeData()->hasUrls() && !DroppedHexFile(drag->mimeData()->urls()).isEmpty() &&
        !window_.Busy())
      drag->acceptProposedAction();
    return true;
  }
  if (event->type() == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(event);
    if (OpenDropped(*drop->mimeData())) drop->acceptProposedAction();
    return true;
  }
  return false;
}

bool DeskLoop::OpenDropped(const QMimeData& data) {
  const QString path = data.hasUrls() ? DroppedHexFile(data.urls()) : QString();
  if (path.isEmpty() || window_.Busy()) return false;
  window_.LoadHexPath(path);
  return true;
}

}  // namespace lpt::app
