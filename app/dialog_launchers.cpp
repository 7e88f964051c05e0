// Opens each dialog the way its menu command does: created on demand,
// placed at its offset from the main window, modal, destroyed on closing.
#include "app/dialog_launchers.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QImage>
#include <QMap>
#include <QUrl>
#include <cstdio>
#include <memory>

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
#include "devices/catalogue.h"

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

DialogStateSource& StateSource() {
  static DialogStateSource source;
  return source;
}

QMap<QString, DialogFactory>& Factories() {
  static QMap<QString, DialogFactory> factories;
  return factories;
}

// The device named by the main window's caption "Pic" + DeviceName (a file
// name may follow); the longest catalogue name that fits wins, so that
// "16F84A" is not read as "16F84".
std::string DeviceFromCaption(const QString& caption) {
  if (!caption.startsWith(QStringLiteral("Pic"))) return {};
  const std::string rest = caption.mid(3).toStdString();
  std::string best;
  for (std::string_view name : CatalogueNames()) {
    if (rest.starts_with(name) && name.size() > best.size()) best = std::string(name);
  }
  return best;
}

DialogState CurrentState(QWidget* mainWindow) {
  if (StateSource()) return StateSource()();
  DialogState state;
  const std::string name = mainWindow ? DeviceFromCaption(mainWindow->windowTitle()) : "";
  InicChip(state.device, state.buffers, name.empty() ? state.device.DeviceName : name);
  state.exeDir = QCoreApplication::applicationDirPath().toStdString();
  state.workDir = state.exeDir;
  return state;
}

// A dialog as its command creates and places it, for the screenshot.
// `state` must outlive the dialog (Clear Area keeps references to it).
std::unique_ptr<QDialog> MakeDialog(QWidget* mainWindow, const QString& name, DialogState& state) {
  std::unique_ptr<QDialog> dialog;
  QPoint offset;
  if (Factories().contains(name)) {
    return std::unique_ptr<QDialog>(Factories().value(name)(mainWindow));
  } else if (name == QStringLiteral("device")) {
    dialog = std::make_unique<TForm7>(FromStd(state.device.DeviceName), mainWindow);
    offset = {TForm7::kLeft, TForm7::kTop};
  } else if (name == QStringLiteral("info")) {
    dialog = std::make_unique<TForm8>(state.device.InfoPage, FromStd(state.device.DeviceName),
                                      mainWindow);
    offset = {TForm8::kLeft, TForm8::kTop};
  } else if (name == QStringLiteral("id")) {
    dialog = std::make_unique<TForm6>(FromStd(state.buffers.IdDigits()), mainWindow);
    offset = {TForm6::kLeft, TForm6::kTop};
  } else if (name == QStringLiteral("port")) {
    dialog = std::make_unique<TForm4>(state.portAddress, mainWindow);
    offset = {TForm4::kLeft, TForm4::kTop};
  } else if (name == QStringLiteral("dir")) {
    dialog = std::make_unique<TForm2>(FromStd(state.workDir), FromStd(state.exeDir), mainWindow);
    offset = {TForm2::kLeft, TForm2::kTop};
  } else if (name == QStringLiteral("about")) {
    dialog = std::make_unique<TForm3>(mainWindow);
    offset = {TForm3::kLeft, TForm3::kTop};
  } else if (name == QStringLiteral("help")) {
    dialog = std::make_unique<TForm9>(mainWindow);
    CentreOnDesktop(dialog.get());
    return dialog;
  } else if (name == QStringLiteral("cleararea")) {
    dialog = std::make_unique<TForm5>(mainWindow, state.device, state.buffers);
    offset = {TForm5::kLeft, TForm5::kTop};
  } else {
    return nullptr;
  }
  PlaceDialog(dialog.get(), mainWindow, offset.x(), offset.y());
  return dialog;
}

}  // namespace

bool ShowDeviceDialog(QWidget* mainWindow, std::string* deviceName) {
  TForm7 dialog(FromStd(*deviceName), mainWindow);
  PlaceDialog(&dialog, mainWindow, TForm7::kLeft, TForm7::kTop);
  if (RunModal(dialog) != QDialog::Accepted || dialog.ConfirmedName().isEmpty()) return false;
  *deviceName = dialog.ConfirmedName().toStdString();
  return true;
}

bool ShowIdDialog(QWidget* mainWindow, EditBuffers& buffers) {
  TForm6 dialog(FromStd(buffers.IdDigits()), mainWindow);
  PlaceDialog(&dialog, mainWindow, TForm6::kLeft, TForm6::kTop);
  if (RunModal(dialog) != QDialog::Accepted || dialog.NewCaption().isEmpty()) return false;
  buffers.SetIdDigits(dialog.NewDigits().toStdString());
  return true;
}

void ShowInfoDialog(QWidget* mainWindow, const ActiveDevice& device) {
  TForm8 dialog(device.InfoPage, FromStd(device.DeviceName), mainWindow);
  PlaceDialog(&dialog, mainWindow, TForm8::kLeft, TForm8::kTop);
  RunModal(dialog);
}

bool ShowPortDialog(QWidget* mainWindow, int* portAddress) {
  TForm4 dialog(*portAddress, mainWindow);
  PlaceDialog(&dialog, mainWindow, TForm4::kLeft, TForm4::kTop);
  if (RunModal(dialog) != QDialog::Accepted) return false;
  const int chosen = dialog.SelectedAddress();
  if (chosen == *portAddress) return false;
  *portAddress = chosen;
  return true;
}

void ShowDirDialog(QWidget* mainWindow, std::string* workDir, const std::string& exeDir) {
  TForm2 dialog(FromStd(*workDir), FromStd(exeDir), mainWindow);
  PlaceDialog(&dialog, mainWindow, TForm2::kLeft, TForm2::kTop);
  // The repair of a removed directory stands even if the user cancels.
  if (dialog.FellBack()) *workDir = exeDir;
  if (RunModal(dialog) == QDialog::Accepted) *workDir = dialog.SelectedDirectory().toStdString();
}

void ShowHelpDialog(QWidget* mainWindow) {
  TForm9 dialog(mainWindow);
  CentreOnDesktop(&dialog);
  RunModal(dialog);
}

void ShowAboutDialog(QWidget* mainWindow) {
  TForm3 dialog(mainWindow);
  PlaceDialog(&dialog, mainWindow, TForm3::kLeft, TForm3::kTop);
  RunModal(dialog);
}

void OpenHomePage() { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHomePageUrl))); }

bool ScreenshotDialog(QWidget* mainWindow, const QString& name, const QString& file) {
  DialogState state = CurrentState(mainWindow);
  std::unique_ptr<QDialog> dialog = MakeDialog(mainWindow, name, state);
  if (!dialog) {
    std::fprintf(stderr,
                 "--screenshot-dialog: unknown dialog '%s' (device, info, id, port, dir, "
                 "cleararea, about, help)\n",
                 name.toLocal8Bit().constData());
    return false;
  }
  dialog->show();
  QApplication::processEvents();
  const bool saved = dialog->grab().save(file);
  dialog->close();
  if (!saved) std::fprintf(stderr, "cannot write %s\n", file.toLocal8Bit().constData());
  return saved;
}

void SetDialogStateSource(DialogStateSource source) { StateSource() = std::move(source); }

void RegisterDialogScreenshot(const QString& name, DialogFactory factory) {
  Factories().insert(name, std::move(factory));
}

}  // namespace lpt::app
