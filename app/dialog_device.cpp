#include "app/dialog_device.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

#include "app/dialog_support.h"
#include "app/package_drawing.h"
#include "devices/package_table.h"

namespace lpt::app {
namespace {

constexpr int kClientHeight = 205;
constexpr int kItemHeight = 13;
constexpr QRgb kNamePanelColour = 0xAEBDB0;

}  // namespace

DeviceDialog::DeviceDialog(const QString& deviceName, QWidget* parent) : QDialog(parent) {
  // The width follows the picture (RedrawPackage); the height is fixed there too.
  SetUpDialog(this, QStringLiteral("Device"), QSize(), TitleButtons::WithSystemMenu);
  setAttribute(Qt::WA_DeleteOnClose, false);

  ListBox1 = new QListWidget(this);
  ListBox1->setGeometry(24, 40, 121, 121);
  ListBox1->setUniformItemSizes(true);
  for (std::string_view name : DeviceListNames()) {
    auto* item = new QListWidgetItem(
        QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), ListBox1);
    item->setSizeHint(QSize(0, kItemHeight));
  }
  ListBox1->installEventFilter(this);

  Panel1 = MakeSunkenPanel(this, QRect(24, 11, 121, 17), kNamePanelColour);
  Panel1->setFont(BoldFont(font()));
  Panel1->setAlignment(Qt::AlignCenter);

  const OkCancelButtons buttons =
      MakeOkCancel(this, QStringLiteral("OK"), QRect(16, 176, 57, 17), QRect(96, 176, 57, 17));
  Button1 = buttons.ok;
  Button2 = buttons.cancel;
  for (QPushButton* button : {Button1, Button2}) {
    button->setFont(BoldFont(font()));
    button->setAutoDefault(false);  // Enter belongs to the list
  }

  Image1 = new QLabel(this);
  Image1->setGeometry(176, 104, kPictureWidth, kPictureHeight);
  Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  connect(Button1, &QPushButton::clicked, this, &DeviceDialog::Confirm);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, &DeviceDialog::Confirm);

  // FormShow: select the active name by exact comparison.
  const QList<QListWidgetItem*> matches = ListBox1->findItems(deviceName, Qt::MatchExactly);
  if (!matches.isEmpty()) ListBox1->setCurrentItem(matches.front());
  Panel1->setText(deviceName);
  RedrawPackage();
  // Connected after the initial selection so that FormShow, not a list
  // click, decides the panel text.
  // Selection, not the current row: a list gaining focus makes its first
  // row current without selecting it, which must not blank the panel.
  connect(ListBox1, &QListWidget::itemSelectionChanged, this, &DeviceDialog::ListBox1Click);
}

QString DeviceDialog::SelectedEntry() const {
  const QListWidgetItem* item = ListBox1->currentItem();
  return item && item->isSelected() ? item->text() : QString();
}

void DeviceDialog::RedrawPackage() {
  const QString name = SelectedEntry();
  setFixedSize(DeviceDialogWidth(name.toStdString()), kClientHeight);
  const QColor face = palette().color(QPalette::Button);
  picture_ = DrawDevicePicture(name, face);
  // The picture area is transparent where it shows only the background, so
  // the board outline behind it stays whole.
  QPixmap pixmap = QPixmap::fromImage(picture_);
  pixmap.setMask(pixmap.createMaskFromColor(face, Qt::MaskInColor));
  Image1->setPixmap(pixmap);
}

void DeviceDialog::ListBox1Click() {
  if (SelectedEntry().isEmpty()) return;
  Panel1->setText(SelectedEntry());
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
  if (watched == ListBox1 && event->type() == QEvent::KeyPress) {
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
