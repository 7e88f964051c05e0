// SPDX-License-Identifier: GPL-2.0-or-later
// Opens each dialog the way its menu command does: created on demand,
// placed at its offset from the main window, modal, destroyed on closing.
#include "app/dialog_launchers.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QImage>
#include <QUrl>
#include <cstdio>
#include <memory>
#include <utility>

#include "app/clear_area_dialog.h"
#include "app/dialog_about.h"
#include "app/dialog_device.h"
#include "app/dialog_dir.h"
#include "app/dialog_help.h"
#include "app/dialog_id.h"
#include "app/dialog_info.h"
#include "app/dialog_port.h"
#include "app/dialog_support.h"
#include "app/project_links.h"

namespace lpt::app {
namespace {

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

// Runs a dialog modally; it lives on the launcher's stack, so it is
// destroyed when the launcher returns, whatever closed it.
template <typename Dialog>
int RunModal(Dialog& dialog) {
  dialog.setModal(true);
  return dialog.exec();
}

// Every dialog but help names its offset from the main window.
template <typename Dialog>
void PlaceAtItsOffset(Dialog& dialog, QWidget* mainWindow) {
  PlaceDialog(&dialog, mainWindow, Dialog::kLeft, Dialog::kTop);
}

// A new dialog made from `args`, placed at its offset from `mainWindow`.
template <typename Dialog, typename... Args>
std::unique_ptr<QDialog> MakePlaced(QWidget* mainWindow, Args&&... args) {
  auto dialog = std::make_unique<Dialog>(std::forward<Args>(args)...);
  PlaceAtItsOffset(*dialog, mainWindow);
  return dialog;
}

// A dialog as its command creates and places it, for the screenshot.
// `state` must outlive the dialog (Clear Area keeps references to it).
std::unique_ptr<QDialog> MakeDialog(QWidget* mainWindow, const QString& name, DialogState& state) {
  QWidget* const parent = mainWindow;
  if (name == QStringLiteral("device")) {
    return MakePlaced<DeviceDialog>(parent, FromStd(state.device.name), parent);
  }
  if (name == QStringLiteral("info")) {
    return MakePlaced<FuseInfoDialog>(parent, state.device.infoPage, parent);
  }
  if (name == QStringLiteral("id")) {
    return MakePlaced<IdDialog>(parent, FromStd(state.buffers.IdDigits()), parent);
  }
  if (name == QStringLiteral("port")) {
    return MakePlaced<PortDialog>(parent, state.portAddress, parent);
  }
  if (name == QStringLiteral("dir")) {
    return MakePlaced<DirectoryDialog>(parent, FromStd(state.workDir), FromStd(state.fallbackDir),
                                       parent);
  }
  if (name == QStringLiteral("about")) {
    return MakePlaced<AboutDialog>(parent, parent);
  }
  if (name == QStringLiteral("cleararea")) {
    return MakePlaced<ClearAreaDialog>(parent, parent, state.device, state.buffers);
  }
  if (name == QStringLiteral("help")) {
    auto dialog = std::make_unique<HelpDialog>(parent);
    CentreOnDesktop(dialog.get());
    return dialog;
  }
  return nullptr;
}

}  // namespace

bool ShowDeviceDialog(QWidget* mainWindow, std::string* deviceName) {
  DeviceDialog dialog(FromStd(*deviceName), mainWindow);
  PlaceAtItsOffset(dialog, mainWindow);
  if (RunModal(dialog) != QDialog::Accepted || dialog.ConfirmedName().isEmpty()) return false;
  *deviceName = dialog.ConfirmedName().toStdString();
  return true;
}

bool ShowIdDialog(QWidget* mainWindow, EditBuffers& buffers,
                  const std::optional<std::string>& fileId) {
  IdDialog dialog(FromStd(buffers.IdDigits()), mainWindow, fileId ? FromStd(*fileId) : QString());
  PlaceAtItsOffset(dialog, mainWindow);
  if (RunModal(dialog) != QDialog::Accepted || dialog.NewCaption().isEmpty()) return false;
  buffers.SetIdDigits(dialog.NewDigits().toStdString());
  return true;
}

void ShowInfoDialog(QWidget* mainWindow, const ActiveDevice& device) {
  FuseInfoDialog dialog(device.infoPage, mainWindow);
  PlaceAtItsOffset(dialog, mainWindow);
  RunModal(dialog);
}

bool ShowPortDialog(QWidget* mainWindow, int* portAddress,
                    const std::function<std::string(int)>& openPort) {
  PortDialog dialog(*portAddress, mainWindow);
  PlaceAtItsOffset(dialog, mainWindow);
  if (openPort) dialog.SetPortOpener(openPort);
  if (RunModal(dialog) != QDialog::Accepted) return false;
  *portAddress = dialog.SelectedAddress();
  return true;
}

void ShowDirDialog(QWidget* mainWindow, std::string* workDir, const std::string& fallbackDir) {
  DirectoryDialog dialog(FromStd(*workDir), FromStd(fallbackDir), mainWindow);
  PlaceAtItsOffset(dialog, mainWindow);
  // The repair of a removed directory stands even if the user cancels.
  if (dialog.FellBack()) *workDir = fallbackDir;
  if (RunModal(dialog) == QDialog::Accepted) *workDir = dialog.SelectedDirectory().toStdString();
}

void ShowHelpDialog(QWidget* mainWindow) {
  HelpDialog dialog(mainWindow);
  CentreOnDesktop(&dialog);
  RunModal(dialog);
}

void ShowAboutDialog(QWidget* mainWindow) {
  AboutDialog dialog(mainWindow);
  PlaceAtItsOffset(dialog, mainWindow);
  RunModal(dialog);
}

void OpenHomePage() { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHomePageUrl))); }

bool ScreenshotDialog(QWidget* mainWindow, const QString& name, DialogState state,
                      const QString& file) {
  std::unique_ptr<QDialog> dialog = MakeDialog(mainWindow, name, state);
  if (!dialog) {
    std::fprintf(stderr,
                 "--screenshot-dialog: unknown dialog '%s' (device, info, id, port, dir, "
                 "cleararea, about, help, adapter, pintest)\n",
                 name.toLocal8Bit().constData());
    return false;
  }
  return ScreenshotOf(*dialog, file);
}

bool ScreenshotOf(QDialog& dialog, const QString& file) {
  dialog.show();
  QApplication::processEvents();
  const bool saved = dialog.grab().save(file);
  dialog.close();
  if (!saved) std::fprintf(stderr, "cannot write %s\n", file.toLocal8Bit().constData());
  return saved;
}

}  // namespace lpt::app
