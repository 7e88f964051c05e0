// SPDX-License-Identifier: GPL-2.0-or-later
// The modal dialogs as the main window opens them: each is created, placed
// at its offset from the main window, shown modally and destroyed.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"

class QDialog;
class QWidget;

namespace lpt::app {

// Select > "&Device": true when the user confirmed a name, which is then in
// *deviceName; the caller runs SetUpDevice.
bool ShowDeviceDialog(QWidget* mainWindow, std::string* deviceName);
// The ID panel and Select > "&ID": edits the buffers' ID; true on OK.
bool ShowIdDialog(QWidget* mainWindow, EditBuffers& buffers,
                  const std::optional<std::string>& fileId = std::nullopt);
// The "?" panel: the fuse information page of the device.
void ShowInfoDialog(QWidget* mainWindow, const ActiveDevice& device);
// Option > "Output &Port", opened on *portAddress: true on OK, with the
// choice in *portAddress, changed or not. `openPort` (when given) opens the
// chosen port on OK and returns why it cannot, which keeps the dialog open.
bool ShowPortDialog(QWidget* mainWindow, int* portAddress,
                    const std::function<std::string(int)>& openPort = {});
// File > "Change &Dir": may change *workDir (falls back to fallbackDir,
// the default working folder).
void ShowDirDialog(QWidget* mainWindow, std::string* workDir, const std::string& fallbackDir);
// Help > "&Help", "&About", "Home &Page".
void ShowHelpDialog(QWidget* mainWindow);
void ShowAboutDialog(QWidget* mainWindow);
void OpenHomePage();

// What the dialogs read from the main window when ScreenshotDialog opens
// them without a menu command.
struct DialogState {
  ActiveDevice device;
  EditBuffers buffers;
  int portAddress = 888;
  std::string workDir;
  std::string fallbackDir;  // the default working folder
};

// --screenshot-dialog NAME FILE: opens dialog NAME (device, info, id, port,
// dir, cleararea, about, help) over `state` as its menu command would,
// renders it to FILE and closes it. False with a message on stderr for an
// unknown NAME.
bool ScreenshotDialog(QWidget* mainWindow, const QString& name, DialogState state,
                      const QString& file);
// Renders an open-ready dialog to FILE and closes it.
bool ScreenshotOf(QDialog& dialog, const QString& file);

}  // namespace lpt::app
