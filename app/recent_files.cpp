// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/recent_files.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include "app/main_window.h"
#include "fileio/bounded_read.h"
#include "fileio/replace_file.h"

namespace lpt::app {
namespace {

// Eight paths are far below this; anything longer is no list of ours.
constexpr std::size_t kMostListBytes = 64 * 1024;

}  // namespace

QStringList WithRecent(QStringList files, const QString& path) {
  files.removeAll(path);
  files.prepend(path);
  while (files.size() > kRecentFiles) files.removeLast();
  return files;
}

RecentFiles::RecentFiles(MainWindow& window, QString listFile)
    : QObject(&window), window_(window), listFile_(std::move(listFile)) {
  std::string text, reason;
  if (!listFile_.isEmpty() &&
      fileio::ReadWholeFile(listFile_.toStdString(), kMostListBytes, &text, &reason)) {
    for (const QString& line : QString::fromUtf8(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
      if (files_.size() < kRecentFiles && !files_.contains(line)) files_ << line;
  }
  menu_ = new QMenu(QCoreApplication::translate("Production", "Recent &files"), &window);
  menu_->setObjectName(QStringLiteral("recentFilesMenu"));
  // Under Change Dir, before the separator above Exit.
  QMenu* file = window.menuBar()->actions().first()->menu();
  const QList<QAction*> items = file->actions();
  QAction* before = items.size() >= 2 ? items[items.size() - 2] : nullptr;
  file->insertMenu(before, menu_);
  Rebuild();
}

void RecentFiles::Opened(const QString& path) {
  files_ = WithRecent(files_, QFileInfo(path).absoluteFilePath());
  Rebuild();
  // A list that cannot be kept costs nothing but the list: no box.
  if (!listFile_.isEmpty()) {
    std::string reason;
    fileio::ReplaceFile(listFile_.toStdString(),
                        (files_.join(QLatin1Char('\n')) + "\n").toStdString(), &reason);
  }
}

void RecentFiles::SetEnabled(bool enabled) {
  enabled_ = enabled;
  for (QAction* item : menu_->actions()) item->setEnabled(enabled);
  menu_->setEnabled(enabled && !files_.isEmpty());
}

void RecentFiles::Rebuild() {
  menu_->clear();
  for (int k = 0; k < files_.size(); ++k) {
    const QString path = files_[k];
    QString shown = QDir::toNativeSeparators(path);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* item = menu_->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(shown));
    connect(item, &QAction::triggered, this, [this, path] {
      if (!window_.Busy()) window_.LoadHexPath(path);
    });
  }
  SetEnabled(enabled_);
}

}  // namespace lpt::app
