// SPDX-License-Identifier: GPL-2.0-or-later
// AboutDialog "Info": the about box with name, version, the home page link
// and the licence notice.
#pragma once

#include <QDialog>
#include <QLabel>

class QPushButton;

namespace lpt::app {

inline constexpr QRgb kLinkColour = 0x0000FF;       // blue, mouse elsewhere
inline constexpr QRgb kLinkHoverColour = 0x008000;  // green, mouse over the link

// The home page link: green while the mouse
// moves over it, opens the page in the browser on a click.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(QWidget* parent = nullptr);
  void SetLinkColour(QRgb colour);
  QRgb LinkColour() const { return colour_; }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QRgb colour_ = kLinkColour;
};

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kLeft = 98;
  static constexpr int kTop = -30;

  explicit AboutDialog(QWidget* parent = nullptr);

  QLabel* Title = nullptr;
  QLabel* Version = nullptr;
  LinkLabel* Link = nullptr;
  // The program's version, its licence and the Qt it runs on.
  QLabel* Licence = nullptr;
  QPushButton* ButtonOk = nullptr;

 protected:
  // The mouse over the rest of the box turns the link blue again.
  void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace lpt::app
