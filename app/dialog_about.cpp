// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/dialog_about.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

#include "app/dialog_support.h"
#include "app/project_links.h"
#include "lptpic/program_info.h"

namespace lpt::app {
namespace {

QFont BoldPoints(const QFont& font, int points) {
  QFont bold = BoldFont(font);
  bold.setPointSize(points);
  return bold;
}

QLabel* CentredLine(QWidget* parent, const QString& text, int top, int height) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignCenter);
  label->setGeometry(0, top, parent->width(), height);
  return label;
}

}  // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setCursor(Qt::PointingHandCursor);
  setMouseTracking(true);
  SetLinkColour(kLinkColour);
}

void LinkLabel::SetLinkColour(QRgb colour) {
  colour_ = colour;
  SetPaletteColour(this, QPalette::WindowText, QColor(colour));
}

// Accepted here: an ignored move would reach the box, which turns the link
// blue again.
void LinkLabel::mouseMoveEvent(QMouseEvent* event) {
  SetLinkColour(kLinkHoverColour);
  event->accept();
}

void LinkLabel::leaveEvent(QEvent* event) {
  SetLinkColour(kLinkColour);
  QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    QDesktopServices::openUrl(QUrl(QLatin1String(kHomePageUrl)));
  }
  QLabel::mouseReleaseEvent(event);
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  SetUpDialog(this, QStringLiteral("Info"), QSize(355, 200), TitleButtons::CloseOnly);
  setMouseTracking(true);

  Title = CentredLine(this, QCoreApplication::translate("Dialogs", "lptpic - PIC Programmer - LPT"),
                      12, 24);
  Title->setFont(BoldPoints(font(), 11));
  // The version `lptpic --version` prints.
  Version = CentredLine(
      this,
      QCoreApplication::translate("Dialogs", "Version  %1").arg(QLatin1String(kProgramVersion)), 42,
      20);
  Version->setFont(BoldPoints(font(), 10));

  Link = new LinkLabel(this);
  Link->setText(
      QCoreApplication::translate("Dialogs", "Home page: %1").arg(QLatin1String(kHomePageUrl)));
  Link->setFont(BoldFont(font()));
  Link->adjustSize();
  Link->move((width() - Link->width()) / 2, 74);

  Licence = CentredLine(
      this,
      QCoreApplication::translate("Dialogs",
                                  "lptpic %1 is free software under the GNU General Public\n"
                                  "License, version 2 or later (%2), and comes\n"
                                  "with NO WARRANTY. It uses Qt %3 under the GNU LGPL 3.")
          .arg(QLatin1String(kProgramVersion), QLatin1String(kLicenceName),
               QLatin1String(qVersion())),
      98, 52);

  ButtonOk = new QPushButton(QStringLiteral("OK"), this);
  ButtonOk->setGeometry((width() - 75) / 2, 160, 75, 25);
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutDialog::mouseMoveEvent(QMouseEvent* event) {
  Link->SetLinkColour(kLinkColour);
  QDialog::mouseMoveEvent(event);
}

}  // namespace lpt::app
