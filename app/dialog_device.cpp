// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/dialog_device.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

#include "app/dialog_support.h"
#include "app/message_translation.h"
#include "app/package_drawing.h"
#include "devices/catalogue.h"
#include "devices/connection_help.h"

namespace lpt::app {
namespace {

constexpr int kClientHeight = 205;
constexpr int kWidth = 371;
constexpr int kItemHeight = 13;
constexpr int kHelpLineHeight = 15;
constexpr QRgb kNamePanelColour = 0xAEBDB0;

}  // namespace

int DeviceDialogWidth(const QString& deviceName) {
  const DeviceRecord* device = FindDevice(deviceName.toStdString());
  // Wide enough for the wires and the chip or pin labels beside the socket.
  switch (device ? device->wiring : Wiring::None) {
    case Wiring::Pic14C000:
      return 455;
    case Wiring::Pic16C92x:
      return 470;
    case Wiring::None:
    case Wiring::IcspCable:
      break;
  }
  return kWidth;
}

DeviceDialog::DeviceDialog(const QString& deviceName, QWidget* parent) : QDialog(parent) {
  // The width follows the picture (RedrawPackage); the height is fixed there too.
  SetUpDialog(this, QStringLiteral("Device"), QSize(), TitleButtons::WithSystemMenu);
  setAttribute(Qt::WA_DeleteOnClose, false);

  deviceList_ = new QListWidget(this);
  deviceList_->setGeometry(24, 40, 121, 121);
  deviceList_->setUniformItemSizes(true);
  for (std::string_view name : DeviceListNames()) {
    auto* item = new QListWidgetItem(
        QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), deviceList_);
    item->setSizeHint(QSize(0, kItemHeight));
  }
  deviceList_->installEventFilter(this);

  nameLabel_ = MakeSunkenPanel(this, QRect(24, 11, 121, 17), kNamePanelColour);
  nameLabel_->setFont(BoldFont(font()));
  nameLabel_->setAlignment(Qt::AlignCenter);

  const OkCancelButtons buttons =
      MakeOkCancel(this, QStringLiteral("OK"), QRect(16, 176, 57, 17), QRect(96, 176, 57, 17));
  okButton_ = buttons.ok;
  cancelButton_ = buttons.cancel;
  for (QPushButton* button : {okButton_, cancelButton_}) {
    button->setFont(BoldFont(font()));
    button->setAutoDefault(false);  // Enter belongs to the list
  }

  picture_ = new QLabel(this);
  picture_->setGeometry(176, 104, kPictureWidth, kPictureHeight);
  picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  connectionHelp_ = new QLabel(this);
  connectionHelp_->setObjectName(QStringLiteral("connectionHelp"));
  connectionHelp_->setWordWrap(true);
  connectionHelp_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  connectionHelp_->hide();

  connect(okButton_, &QPushButton::clicked, this, &DeviceDialog::Confirm);
  connect(deviceList_, &QListWidget::itemDoubleClicked, this, &DeviceDialog::Confirm);

  // When the dialog opens: select the active name by exact comparison.
  const QList<QListWidgetItem*> matches = deviceList_->findItems(deviceName, Qt::MatchExactly);
  if (!matches.isEmpty()) deviceList_->setCurrentItem(matches.front());
  nameLabel_->setText(deviceName);
  RedrawPackage();
  // Connected after the initial selection so that the opening, not a list
  // click, decides the panel text.
  // Selection, not the current row: a list gaining focus makes its first
  // row current without selecting it, which must not blank the panel.
  connect(deviceList_, &QListWidget::itemSelectionChanged, this,
          &DeviceDialog::onDeviceHighlighted);
}

QString DeviceDialog::SelectedEntry() const {
  const QListWidgetItem* item = deviceList_->currentItem();
  return item && item->isSelected() ? item->text() : QString();
}

void DeviceDialog::RedrawPackage() {
  const QString name = SelectedEntry();
  const int width = DeviceDialogWidth(name);
  const DeviceRecord* record = FindDevice(name.toStdString());
  QStringList help;
  if (record != nullptr && record->wiring == Wiring::IcspCable)
    for (const std::string& line : ConnectionHelp(*record))
      help << TranslateMessage(QString::fromStdString(line));
  const int helpHeight = help.isEmpty() ? 0 : kHelpLineHeight * static_cast<int>(help.size()) + 8;
  connectionHelp_->setText(help.join(QLatin1Char('\n')));
  connectionHelp_->setGeometry(16, kClientHeight, width - 32, helpHeight);
  connectionHelp_->setVisible(!help.isEmpty());
  setFixedSize(width, kClientHeight + helpHeight);
  const QColor face = palette().color(QPalette::Button);
  packageImage_ = DrawDevicePicture(name, face);
  // The picture area is transparent where it shows only the background, so
  // the board outline behind it stays whole.
  QPixmap pixmap = QPixmap::fromImage(packageImage_);
  pixmap.setMask(pixmap.createMaskFromColor(face, Qt::MaskInColor));
  picture_->setPixmap(pixmap);
}

void DeviceDialog::onDeviceHighlighted() {
  if (SelectedEntry().isEmpty()) return;
  nameLabel_->setText(SelectedEntry());
  RedrawPackage();
}

void DeviceDialog::Confirm() {
  const QString name = SelectedEntry();
  // Nothing selected (an active name the list lacks): OK changes nothing.
  if (name.isEmpty()) {
    reject();
    return;
  }
  confirmed_ = name;
  accept();
}

bool DeviceDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == deviceList_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Confirm();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

// The fixed decoration around the picture: an outline of the programmer
// board and the parts on it.
void DeviceDialog::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter p(this);
  p.setPen(Qt::black);
  p.setBrush(Qt::NoBrush);
  p.drawRect(168, 32, 171, 128);
  p.setBrush(palette().color(QPalette::Inactive, QPalette::Highlight));
  p.drawRect(176, 32, 152, 32);
  p.setBrush(palette().color(QPalette::Light));
  p.drawRect(200, 16, 104, 16);
  p.drawRect(310, 17, 16, 15);
  p.drawRect(179, 17, 16, 15);
}

}  // namespace lpt::app
