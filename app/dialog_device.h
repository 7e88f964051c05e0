// SPDX-License-Identifier: GPL-2.0-or-later
// DeviceDialog "Device": picks the target chip from the list of supported names
// and shows where it sits in the programmer's socket.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QListWidget;
class QPushButton;

namespace lpt::app {

// The dialog's width while `deviceName` is selected: 371, widened for the
// chips wired to the socket so that their wiring shows.
int DeviceDialogWidth(const QString& deviceName);

class DeviceDialog : public QDialog {
  Q_OBJECT

 public:
  // Offset of the dialog from the main window's top-left corner.
  static constexpr int kLeft = 160;
  static constexpr int kTop = 40;

  // On opening: selects `deviceName` if the list has it (otherwise nothing
  // is selected), shows it in the name panel and draws the picture.
  explicit DeviceDialog(const QString& deviceName, QWidget* parent = nullptr);

  // The confirmed name; empty unless the dialog was accepted with an entry
  // selected.
  QString ConfirmedName() const { return confirmed_; }

  // RedrawPackage: redraws the picture for the selected entry and sets
  // the dialog size it needs (taller with connection help).
  void RedrawPackage();

  QListWidget* deviceList_ = nullptr;
  QLabel* nameLabel_ = nullptr;          // the selected name
  QPushButton* okButton_ = nullptr;      // OK
  QPushButton* cancelButton_ = nullptr;  // Cancel
  QLabel* picture_ = nullptr;            // the picture
  // How a part that needs an ICSP cable is connected
  // (devices/connection_help.h); hidden for the others.
  QLabel* connectionHelp_ = nullptr;
  const QImage& Picture() const { return packageImage_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QString SelectedEntry() const;
  void onDeviceHighlighted();
  void Confirm();

  QImage packageImage_;
  QString confirmed_;
};

}  // namespace lpt::app
