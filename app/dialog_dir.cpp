// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/dialog_dir.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>

#include "app/dialog_support.h"

namespace lpt::app {
namespace {

constexpr int kPanelChars = 30;
constexpr QRgb kPathPanelColour = 0xA5BAC0;

// Mount points of real, ready volumes: the Linux counterpart of drives.
QStringList DriveRoots() {
  QStringList roots;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady()) roots << volume.rootPath();
  }
  roots.removeDuplicates();
  roots.sort();
  return roots;
}

}  // namespace

QString PathPanelText(const QString& dir) {
  if (dir.size() <= kPanelChars) return QLatin1Char(' ') + dir + QLatin1Char(' ');
  return QStringLiteral(" ...") + dir.right(kPanelChars) + QLatin1Char(' ');
}

DirectoryDialog::DirectoryDialog(const QString& workDir, const QString& fallbackDir,
                                 QWidget* parent)
    : QDialog(parent) {
  SetUpDialog(this, QStringLiteral("Change Dir"), QSize(355, 307), TitleButtons::CloseOnly);

  PathPanel = MakeSunkenPanel(this, QRect(8, 8, 339, 21), kPathPanelColour);
  PathPanel->setTextFormat(Qt::PlainText);

  DriveBox = new QComboBox(this);
  DriveBox->setGeometry(8, 40, 249, 22);
  DriveBox->addItems(DriveRoots());

  model_ = new QFileSystemModel(this);
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  model_->setRootPath(QString());
  DirectoryTree = new QTreeView(this);
  DirectoryTree->setGeometry(8, 70, 249, 229);
  DirectoryTree->setModel(model_);
  DirectoryTree->setHeaderHidden(true);
  for (int column = 1; column < model_->columnCount(); ++column) DirectoryTree->hideColumn(column);

  const OkCancelButtons buttons =
      MakeOkCancel(this, QStringLiteral("Ok"), QRect(268, 70, 79, 25), QRect(268, 104, 79, 25));
  ButtonOk = buttons.ok;
  ButtonCancel = buttons.cancel;
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);

  // A directory that no longer exists falls back to the default one.
  QString start = workDir;
  if (start.isEmpty() || !QFileInfo(start).isDir()) {
    start = fallbackDir;
    fellBack_ = true;
  }
  SetDirectory(start);
  // The model reads folders in the background: until the folders above
  // the chosen one are read and sorted its row is not where it ends up,
  // so the first scroll leaves it out of view. Each folder read on its
  // path scrolls again (they are read in no set order, and a folder the
  // user picks later has its path read already).
  connect(model_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
    const QString target = QDir::fromNativeSeparators(selected_);
    QString folder = QDir::cleanPath(QDir::fromNativeSeparators(loaded));
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');  // "/" and "C:/" do
    if (target != folder.chopped(1) && !target.startsWith(folder)) return;
    // After the model's own delayed sort, which is queued the same way.
    QTimer::singleShot(0, this, [this] {
      DirectoryTree->scrollTo(DirectoryTree->currentIndex(), QAbstractItemView::PositionAtCenter);
    });
  });

  connect(DriveBox, &QComboBox::activated, this, &DirectoryDialog::DriveChosen);
  connect(DirectoryTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &DirectoryDialog::DirectoryChanged);
}

void DirectoryDialog::SetDirectory(const QString& dir) {
  const QString clean = QDir::cleanPath(QFileInfo(dir).absoluteFilePath());
  const QString drive = QStorageInfo(clean).rootPath();
  const int driveIndex = DriveBox->findText(drive);
  if (driveIndex >= 0) DriveBox->setCurrentIndex(driveIndex);
  const QModelIndex index = model_->index(clean);
  if (index.isValid()) {
    DirectoryTree->setCurrentIndex(index);
    DirectoryTree->expand(index);
    DirectoryTree->scrollTo(index);
  }
  selected_ = QDir::toNativeSeparators(clean);
  PathPanel->setText(PathPanelText(selected_));
}

void DirectoryDialog::DriveChosen(int index) { SetDirectory(DriveBox->itemText(index)); }

void DirectoryDialog::DirectoryChanged() {
  const QString path = model_->filePath(DirectoryTree->currentIndex());
  if (path.isEmpty()) return;
  selected_ = QDir::toNativeSeparators(path);
  PathPanel->setText(PathPanelText(selected_));
}

}  // namespace lpt::app
