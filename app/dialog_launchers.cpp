// Opens each dialog the way its menu command does. The dialogs themselves
// arrive one by one; until a dialog exists its launcher leaves every value
// untouched and reports no change.
#include "app/dialog_launchers.h"

#include <QDesktopServices>
#include <QUrl>
#include <cstdio>

namespace lpt::app {

bool ShowDeviceDialog(QWidget*, std::string*) { return false; }
bool ShowIdDialog(QWidget*, EditBuffers&) { return false; }
void ShowInfoDialog(QWidget*, const ActiveDevice&) {}
bool ShowPortDialog(QWidget*, int*) { return false; }
void ShowDirDialog(QWidget*, std::string*, const std::string&) {}
void ShowHelpDialog(QWidget*) {}
void ShowAboutDialog(QWidget*) {}
void OpenHomePage() {
  QDesktopServices::openUrl(QUrl(QStringLiteral("https://github.com/lptpic/lptpic")));
}

bool ScreenshotDialog(QWidget*, const QString& name, const QString&) {
  std::fprintf(stderr, "dialog '%s' cannot be captured yet\n", name.toLocal8Bit().constData());
  return false;
}

}  // namespace lpt::app
