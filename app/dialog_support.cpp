// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/dialog_support.h"

#include <QDialog>
#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
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

QFont BoldFont(QFont font) {
  font.setBold(true);
  return font;
}

void SetUpDialog(QDialog* dialog, const QString& title, QSize clientSize, TitleButtons buttons) {
  dialog->setWindowTitle(title);
  Qt::WindowFlags flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint;
  if (buttons == TitleButtons::WithSystemMenu) flags |= Qt::WindowSystemMenuHint;
  dialog->setWindowFlags(flags);
  ApplyDialogFont(dialog);
  if (!clientSize.isEmpty()) dialog->setFixedSize(clientSize);
}

void SetPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette pal = widget->palette();
  pal.setColor(role, colour);
  widget->setPalette(pal);
}

void SetGroupFrame(QGroupBox* group) {
  // The style's frame is a shade of the window colour (hardly seen on the
  // window's own scheme) and its top line runs below the caption, through
  // the first row of what the group holds.
  group->setStyleSheet(QStringLiteral(
      "QGroupBox { border: 1px solid #6E5A5E; margin-top: 6px; }"
      "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; top: -1px; }"));
}

QLabel* MakeSunkenPanel(QWidget* parent, const QRect& geometry, QRgb colour) {
  auto* panel = new QLabel(parent);
  panel->setGeometry(geometry);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setAutoFillBackground(true);
  SetPaletteColour(panel, QPalette::Window, QColor(colour));
  return panel;
}

OkCancelButtons MakeOkCancel(QDialog* dialog, const QString& okText, const QRect& okGeometry,
                             const QRect& cancelGeometry) {
  OkCancelButtons buttons{new QPushButton(okText, dialog),
                          new QPushButton(QStringLiteral("Cancel"), dialog)};
  buttons.ok->setGeometry(okGeometry);
  buttons.cancel->setGeometry(cancelGeometry);
  QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace lpt::app
