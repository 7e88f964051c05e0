// SPDX-License-Identifier: GPL-2.0-or-later
// The device dialog: list, name panel, confirmation, and the picture of
// the socket checked pixel by pixel at the drawing's coordinates.
#include "app/dialog_device.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "app/dialog_launchers.h"
#include "app/package_drawing.h"
#include "devices/catalogue.h"
#include "support/gui_modal_dialog.h"

using namespace lpt::app;

namespace {

constexpr QRgb kFace = 0xF0F0F0;
constexpr QRgb kBlack = 0x000000;

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

// Centre of hole h on strip r, and whether the package's pin covers it.
QRgb Hole(const QImage& image, int h, int r) { return At(image, HoleCentreX(h), HoleCentreY(r)); }

// Holes a package covers on strip r show the pin's yellow, the others the
// hole's grey (or black under a 40-pin body).
void ExpectStrip(const QImage& image, int r, int firstPin, int lastPin) {
  for (int h = 1; h <= 20; ++h) {
    const bool covered = h >= firstPin && h <= lastPin;
    QCOMPARE_EQ(Hole(image, h, r), covered ? kPinColour : kHoleColour);
  }
}

bool HasColourIn(const QImage& image, QRect area, QRgb colour) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (At(image, x, y) == colour) return true;
    }
  }
  return false;
}

}  // namespace

class DeviceDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void socketAloneForUnknownNames() {
    const QImage image = DrawDevicePicture(QStringLiteral("16F999"), QColor(kFace));
    for (int r = 1; r <= 3; ++r) ExpectStrip(image, r, 0, -1);
    QCOMPARE_EQ(At(image, 5, 20), kBoardColour);               // board left of the strips
    QCOMPARE_EQ(At(image, 6 * 3 + 17, 7), kStripColour);       // strip between holes 3 and 4
    QCOMPARE_EQ(At(image, 200, 30), kFace);                    // cleared area beside the socket
    QVERIFY(HasColourIn(image, QRect(6, 36, 6, 10), kBlack));  // the "1" mark
  }

  void eighteenPinsOverHolesTwelveToTwenty() {
    DeviceDialog dialog(QStringLiteral("16F84"));
    QCOMPARE(dialog.deviceList_->currentItem()->text(), QStringLiteral("16F84"));
    QCOMPARE(dialog.nameLabel_->text(), QStringLiteral("16F84"));
    QCOMPARE(dialog.width(), 371);
    const QImage& image = dialog.Picture();
    ExpectStrip(image, 1, 12, 20);
    ExpectStrip(image, 2, 12, 20);
    ExpectStrip(image, 3, 0, -1);
    QCOMPARE_EQ(At(image, 83, 16), kBlack);           // body between the mark and the label
    QCOMPARE_EQ(At(image, 80, 16), kPin1MarkColour);  // pin-1 mark on the body's left end
    QCOMPARE_EQ(At(image, 139, 16), kBlack);          // body right end (x 80 + 60 - 1)
    QCOMPARE_NE(At(image, 140, 16), kBlack);
    QVERIFY(HasColourIn(image, QRect(90, 9, 20, 13), 0xFFFFFF));  // "Pic ..." label
  }

  void movingRedrawsFortyPinsThenEightPins() {
    DeviceDialog dialog(QStringLiteral("16F84"));
    dialog.deviceList_->setCurrentItem(
        dialog.deviceList_->findItems(QStringLiteral("16F877"), Qt::MatchExactly).front());
    QCOMPARE(dialog.nameLabel_->text(), QStringLiteral("16F877"));
    QImage image = dialog.Picture();
    ExpectStrip(image, 1, 1, 20);
    ExpectStrip(image, 3, 1, 20);
    QCOMPARE_EQ(Hole(image, 5, 2), kBlack);           // middle strip under the body
    QCOMPARE_EQ(At(image, 14, 24), kPin1MarkColour);  // mark at (x - 3, y + 13)-(x + 2, y + 18)
    QVERIFY(HasColourIn(image, QRect(41, 18, 30, 13), 0xFFFFFF));  // "Pic . . ."

    dialog.deviceList_->setCurrentItem(
        dialog.deviceList_->findItems(QStringLiteral("12C508"), Qt::MatchExactly).front());
    image = dialog.Picture();
    ExpectStrip(image, 1, 12, 15);
    ExpectStrip(image, 2, 12, 15);
    ExpectStrip(image, 3, 0, -1);             // the 40-pin drawing is gone
    QCOMPARE_EQ(At(image, 109, 16), kBlack);  // 30-pixel body
    QCOMPARE_NE(At(image, 110, 16), kBlack);
    QCOMPARE(dialog.width(), 371);
  }

  void fourteenAndTwentyEightPinPackages() {
    QImage image = DrawDevicePicture(QStringLiteral("16F630/676"), QColor(kFace));
    ExpectStrip(image, 1, 12, 18);
    ExpectStrip(image, 2, 12, 18);
    image = DrawDevicePicture(QStringLiteral("16F876"), QColor(kFace));
    ExpectStrip(image, 1, 0, -1);
    ExpectStrip(image, 2, 1, 14);
    ExpectStrip(image, 3, 1, 14);
  }

  // Every part that sits in the socket is drawn with each pin over the hole
  // its seat names, on both strips, and no pin beyond; the wired parts (whose
  // wires start on socket holes, checked below) widen the dialog. A part on
  // an ICSP cable leaves the socket empty.
  void everyPartIsDrawnOverItsSeat() {
    for (const lpt::DeviceRecord& device : lpt::AllDevices()) {
      const QString name = QString::fromUtf8(device.name.data(), device.name.size());
      const QImage image = DrawDevicePicture(name, QColor(kFace));
      const std::optional<lpt::SocketSeat> seat = lpt::SeatOf(device.package);
      if (device.wiring == lpt::Wiring::IcspCable) {
        QVERIFY2(DeviceDialogWidth(name) == 371, qPrintable(name));
        for (int r = 1; r <= 3; ++r)
          for (int h = 1; h <= 20; ++h) QVERIFY2(Hole(image, h, r) != kPinColour, qPrintable(name));
        continue;
      }
      if (device.wiring != lpt::Wiring::None || !seat) {
        QVERIFY2(DeviceDialogWidth(name) > 371, qPrintable(name));
        continue;
      }
      QVERIFY2(DeviceDialogWidth(name) == 371, qPrintable(name));
      const int last = seat->firstHole + lpt::PinCount(device.package) / 2 - 1;
      for (int r : {seat->upperStrip, seat->lowerStrip}) {
        for (int h = 1; h <= 20; ++h) {
          const bool pin = h >= seat->firstHole && h <= last;
          QVERIFY2((Hole(image, h, r) == kPinColour) == pin,
                   qPrintable(QStringLiteral("%1 strip %2 hole %3").arg(name).arg(r).arg(h)));
        }
      }
    }
  }

  void widthWidensOnlyForWiredChips() {
    QCOMPARE(DeviceDialogWidth(QStringLiteral("16F84")), 371);
    QCOMPARE(DeviceDialogWidth(QStringLiteral("16F877A")), 371);
    QCOMPARE(DeviceDialogWidth(QString()), 371);
    QCOMPARE(DeviceDialogWidth(QStringLiteral("14C000")), 455);
    for (const char* name : {"16C923", "16C924", "16C925", "16C926"})
      QCOMPARE(DeviceDialogWidth(QLatin1String(name)), 470);
  }

  void sixteenC924WidensWithFiveWiresAndLabels() {
    DeviceDialog dialog(QStringLiteral("16C924"));
    QCOMPARE(dialog.width(), 470);
    const QImage& image = dialog.Picture();
    // Dots on strip 3 holes 1 and 11, strip 1 holes 17, 18, 20.
    for (QPoint dot :
         {QPoint(20, 43), QPoint(80, 43), QPoint(116, 7), QPoint(122, 7), QPoint(134, 7)}) {
      QCOMPARE_EQ(At(image, dot.x(), dot.y()), kPinColour);
    }
    // One point on each wire's last run, and the label it leads to.
    for (int y : {87, 28, 47, 67, 7}) QCOMPARE_EQ(At(image, 160, y), kPinColour);
    QCOMPARE_EQ(At(image, 19, 70), kPinColour);
    QCOMPARE_EQ(At(image, 79, 60), kPinColour);
    for (int top : {1, 20, 40, 60, 80}) {
      QVERIFY2(HasColourIn(image, QRect(172, top, 40, 12), kBlack),
               qPrintable(QString::number(top)));
    }
    ExpectStrip(image, 2, 0, -1);  // no package
    QCOMPARE_NE(Hole(image, 12, 1), kPinColour);
  }

  void fourteenC000WidensAndNarrowsBack() {
    DeviceDialog dialog(QStringLiteral("14C000"));
    QCOMPARE(dialog.width(), 455);
    const QImage image = dialog.Picture();
    QCOMPARE_EQ(At(image, 175, 35), kBlack);      // body at (170, 25)
    QCOMPARE_EQ(At(image, 256, 30), kBlack);      // 87 wide
    QCOMPARE_EQ(At(image, 253, 41), kPinColour);  // lower pin 14 where a wire ends
    QCOMPARE_EQ(At(image, 253, 60), kPinColour);  // that wire's rise
    QCOMPARE_EQ(At(image, 223, 15), kPinColour);  // wire down to upper pin 9
    QCOMPARE_EQ(At(image, 200, 80), kPinColour);
    for (int r = 1; r <= 3; ++r)
      QCOMPARE_NE(Hole(image, 14, r), kPinColour);  // nothing in the socket

    dialog.deviceList_->setCurrentItem(
        dialog.deviceList_->findItems(QStringLiteral("16C505"), Qt::MatchExactly).front());
    QCOMPARE(dialog.width(), 371);
    QCOMPARE_EQ(At(dialog.Picture(), 175, 35), At(dialog.Picture(), 290, 95));  // cleared
  }

  void keyboardMovesRedrawAndEnterConfirms() {
    DeviceDialog dialog(QStringLiteral("16F84"));
    QTest::keyClick(dialog.deviceList_, Qt::Key_Down);
    QCOMPARE(dialog.nameLabel_->text(), QStringLiteral("16F84A"));
    QTest::keyClick(dialog.deviceList_, Qt::Key_Up);
    QTest::keyClick(dialog.deviceList_, Qt::Key_Up);
    QCOMPARE(dialog.nameLabel_->text(), QStringLiteral("16F83"));
    QTest::keyClick(dialog.deviceList_, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.ConfirmedName(), QStringLiteral("16F83"));
  }

  void launcherOkCancelAndUnlistedName() {
    std::string name = "16F84";
    lpt::testing::WhenModalOpens<DeviceDialog>([](DeviceDialog* d) {
      d->deviceList_->setCurrentItem(
          d->deviceList_->findItems(QStringLiteral("12C672"), Qt::MatchExactly).front());
      d->cancelButton_->click();
    });
    QVERIFY(!ShowDeviceDialog(nullptr, &name));
    QCOMPARE(name, std::string("16F84"));

    lpt::testing::WhenModalOpens<DeviceDialog>([](DeviceDialog* d) {
      d->deviceList_->setCurrentItem(
          d->deviceList_->findItems(QStringLiteral("12C672"), Qt::MatchExactly).front());
      d->okButton_->click();
    });
    QVERIFY(ShowDeviceDialog(nullptr, &name));
    QCOMPARE(name, std::string("12C672"));

    // 16F877A is listed: selected on opening, drawn, and confirmed by OK.
    name = "16F877A";
    lpt::testing::WhenModalOpens<DeviceDialog>([](DeviceDialog* d) {
      QCOMPARE(d->deviceList_->currentItem()->text(), QStringLiteral("16F877A"));
      QCOMPARE_EQ(d->Picture().pixel(HoleCentreX(15), HoleCentreY(1)) & 0xFFFFFF, kPinColour);
      d->okButton_->click();
    });
    QVERIFY(ShowDeviceDialog(nullptr, &name));
    QCOMPARE(name, std::string("16F877A"));

    // A name outside the list: nothing selected, socket only, and OK
    // changes nothing.
    name = "16F999";
    lpt::testing::WhenModalOpens<DeviceDialog>([](DeviceDialog* d) {
      QVERIFY(d->deviceList_->selectedItems().isEmpty());
      QCOMPARE(d->nameLabel_->text(), QStringLiteral("16F999"));
      QCOMPARE_EQ(d->Picture().pixel(HoleCentreX(15), HoleCentreY(1)) & 0xFFFFFF, kHoleColour);
      d->okButton_->click();
    });
    QVERIFY(!ShowDeviceDialog(nullptr, &name));
    QCOMPARE(name, std::string("16F999"));
  }

  void unlistedNameKeepsThePanelUntilAnEntryIsChosen() {
    DeviceDialog dialog(QStringLiteral("16F999"));
    dialog.show();
    dialog.deviceList_->setFocus();
    QApplication::processEvents();
    QCOMPARE(dialog.nameLabel_->text(), QStringLiteral("16F999"));
    dialog.deviceList_->setCurrentItem(
        dialog.deviceList_->findItems(QStringLiteral("12C509A"), Qt::MatchExactly).front());
    QCOMPARE(dialog.nameLabel_->text(), QStringLiteral("12C509A"));
    QCOMPARE_EQ(dialog.Picture().pixel(HoleCentreX(12), HoleCentreY(1)) & 0xFFFFFF, kPinColour);
  }

  void doubleClickConfirms() {
    DeviceDialog dialog(QStringLiteral("16F84"));
    QListWidgetItem* item =
        dialog.deviceList_->findItems(QStringLiteral("16C74A"), Qt::MatchExactly).front();
    dialog.deviceList_->setCurrentItem(item);
    emit dialog.deviceList_->itemDoubleClicked(item);
    QCOMPARE(dialog.ConfirmedName(), QStringLiteral("16C74A"));
  }

  void screenshotWidths() {
    QWidget main;
    const QString file = QDir::temp().filePath(QStringLiteral("lptpic_device_shot.png"));
    for (auto [device, width] : {std::pair{"16C924", 470}, {"16F84", 371}, {"14C000", 455}}) {
      DialogState state;
      lpt::SetUpDevice(state.device, state.buffers, device);
      QVERIFY(ScreenshotDialog(&main, QStringLiteral("device"), std::move(state), file));
      QCOMPARE(QImage(file).width(), width);
    }
    QVERIFY(!ScreenshotDialog(&main, QStringLiteral("nosuch"), DialogState{}, file));
    QFile::remove(file);
  }

  // The 16F877A in its 40-pin package and the 16F876A in its 28-pin package,
  // as --screenshot-dialog shows them: the pins over the same holes as the
  // 16F877's and 16F876's, the list on the chosen name.
  void screenshotsOfSixteenF877AAndSixteenF876A() {
    const struct {
      const char* device;
      const char* sibling;
      int firstStrip;  // strips 1 and 3 (40 pins) or 2 and 3 (28 pins)
      int lastHole;
    } cases[] = {{"16F877A", "16F877", 1, 20}, {"16F876A", "16F876", 2, 14}};
    QWidget main;
    const QString file = QDir::temp().filePath(QStringLiteral("lptpic_device_new_shot.png"));
    const auto shoot = [&](const char* device) {
      DialogState state;
      lpt::SetUpDevice(state.device, state.buffers, device);
      return ScreenshotDialog(&main, QStringLiteral("device"), std::move(state), file);
    };
    for (const auto& c : cases) {
      QVERIFY(shoot(c.device));
      const QImage shot = QImage(file).convertToFormat(QImage::Format_RGB32);
      QCOMPARE(shot.width(), 371);
      const QPoint picture(176, 104);  // where the picture sits in the dialog
      for (int r : {c.firstStrip, 3}) {
        for (int h = 1; h <= 20; ++h) {
          const QRgb hole = At(shot, picture.x() + HoleCentreX(h), picture.y() + HoleCentreY(r));
          QCOMPARE_EQ(hole == kPinColour, h <= c.lastHole);
        }
      }
      QVERIFY(shoot(c.sibling));
      const QImage siblingShot = QImage(file).convertToFormat(QImage::Format_RGB32);
      const QRect area =
          QRect(picture, QSize(kPictureWidth, kPictureHeight)).intersected(shot.rect());
      QCOMPARE(shot.copy(area), siblingShot.copy(area));

      DeviceDialog dialog(QLatin1String(c.device));
      QCOMPARE(dialog.deviceList_->currentItem()->text(), QLatin1String(c.device));
    }
    QFile::remove(file);
  }
};

QTEST_MAIN(DeviceDialogTest)
#include "dialog_device_test.moc"
