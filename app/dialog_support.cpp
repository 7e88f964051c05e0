#include "app/dialog_support.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace lpt::app {
namespace {

QRect AvailableArea(QWidget* anchor) {
  QScreen* screen = anchor ? anchor->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

}  // namespace

void PlaceDialog(QWidget* dialog, QWidget* mainWindow, int dx, int dy) {
  const QRect area = AvailableArea(mainWindow);
  QPoint origin = mainWindow ? mainWindow->frameGeometry().topLeft() : area.topLeft();
  QPoint target = origin + QPoint(dx, dy);
  if (area.isValid()) {
    const QSize size = dialog->frameGeometry().size();
    target.setX(
        std::clamp(target.x(), area.left(), std::max(area.left(), area.right() - size.width())));
    target.setY(
        std::clamp(target.y(), area.top(), std::max(area.top(), area.bottom() - size.height())));
  }
  dialog->move(target);
}

void CentreOnDesktop(QWidget* dialog) {
  const QRect area = AvailableArea(nullptr);
  if (!area.isValid()) return;
  QRect frame = dialog->frameGeometry();
  frame.moveCenter(area.center());
  dialog->move(frame.topLeft());
}

QFont DialogFont() {
  QFont font;
  // Where "MS Sans Serif" is missing, faces of similar widths keep the
  // fixed geometry; the main window uses the same list.
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                    QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);  // 8 points at 96 dots per inch
  return font;
}

void ApplyDialogFont(QWidget* dialog) { dialog->setFont(DialogFont()); }

}  // namespace lpt::app
