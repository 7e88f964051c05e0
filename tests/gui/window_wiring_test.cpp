// SPDX-License-Identifier: GPL-2.0-or-later
// The window's wiring to the dialogs and the port: a device chosen in the
// device dialog is set up, saved at exit and put into the simulated socket;
// the ID dialog writes the ID panel; the window grows and its grids with it.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "app/click_panel.h"
#include "app/dialog_device.h"
#include "app/dialog_id.h"
#include "gui_test_support.h"
#include "hw/virtual_clock.h"

using namespace lpt;
using namespace lpt::gui_test;

class WindowWiringTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    dirs_ = std::make_unique<SettingsDirs>();
    window_ = MakeWindow(*dirs_, "/w\r\n0\r\nYES\r\n16F84\r\nNO\r\nfalse\r\n", clock_);
  }
  void cleanup() {
    window_.reset();
    dirs_.reset();
  }

  void chosenDeviceIsSetUpSimulatedAndSaved() {
    WithModal<app::DeviceDialog>([&] { window_->Actions().selectDevice->trigger(); },
                                 [](app::DeviceDialog* dialog) {
                                   const auto items = dialog->deviceList_->findItems(
                                       QStringLiteral("16F877"), Qt::MatchExactly);
                                   QCOMPARE(items.size(), 1);
                                   dialog->deviceList_->setCurrentItem(items.first());
                                   dialog->okButton_->click();
                                 });
    QCOMPARE(window_->windowTitle(), QStringLiteral("Pic16F877"));
    QCOMPARE(window_->ProgramGrid()->model()->rowCount(), 1024);

    // The simulated socket now holds a 16F877: words 1000h apart, which
    // would share one cell of a 16F84's 1K words, keep their own values.
    BoxRecorder boxes;
    window_->Buffers().ProgramWord(0x0234) = "0234";
    window_->Buffers().ProgramWord(0x1234) = "1234";
    QCOMPARE(RunToEnd(*window_, &ProgramAll), CommandResult::Ok);
    window_->Actions().clearBuffers->trigger();
    QCOMPARE(RunToEnd(*window_, &ReadChip), CommandResult::Ok);
    QVERIFY(boxes.boxes.empty());
    QCOMPARE(window_->Buffers().ProgramWord(0x0234), std::string("0234"));
    QCOMPARE(window_->Buffers().ProgramWord(0x1234), std::string("1234"));

    window_->close();
    QCOMPARE(dirs_->ReadPathDat(),
             QByteArray("/w\r\n0\r\nYES\r\n16F877\r\nNO\r\nfalse\r\nStandard\r\n"));
  }

  void idPanelOpensTheIdDialog() {
    WithModal<app::IdDialog>([&] { Click(window_->IdPanel()); },
                             [](app::IdDialog* dialog) {
                               dialog->idEdit_->setText(QStringLiteral("12"));
                               dialog->okButton_->click();
                             });
    QCOMPARE(window_->IdPanel()->text(), QStringLiteral("   ID:  FF12"));
    QCOMPARE(window_->Buffers().IdDigits(), std::string("FF12"));
  }

  void portInUseShowsFromTheStartInHex() {
    QCOMPARE(window_->PortLabel()->text(), QStringLiteral("Port sim"));
    dirs_->WritePathDat("/w\r\n956\r\nYES\r\n16F84\r\nNO\r\nfalse\r\n");
    app::AppOptions options = dirs_->Options();
    options.delay = &clock_;
    const auto other = MakeWindow(std::move(options));
    QCOMPARE(other->PortLabel()->text(), QStringLiteral("Port 0x3BC"));
  }

  void windowGrowsAndTheGridsWithIt() {
    auto* client = window_->findChild<QWidget*>(QStringLiteral("ClientArea"));
    const QSize least = client->minimumSize();
    QCOMPARE(least.width(), 618);
    QVERIFY(window_->minimumSize() != window_->maximumSize());
    const QRect grid = window_->ProgramGrid()->geometry();
    const QRect button = window_->Buttons().programFusesOnly->geometry();
    window_->resize(window_->size() + QSize(200, 100));
    QTRY_COMPARE(client->size(), least + QSize(200, 100));
    QVERIFY(window_->ProgramGrid()->width() > grid.width());
    QCOMPARE(window_->ProgramGrid()->height(), grid.height() + 100);
    QCOMPARE(window_->Buttons().programFusesOnly->geometry(), button.translated(0, 100));
    // A long result wraps under the buttons and the window grows to hold it.
    window_->resize(window_->minimumSize());
    const QString longLine = QStringLiteral("Verify: Ok, 0.1 s — ") + QString(40, u'x') +
                             QStringLiteral(" ") + QString(40, u'y') + QStringLiteral(" end");
    window_->StatusLine()->setText(longLine);
    window_->resize(window_->size());
    QTRY_VERIFY(window_->StatusLine()->height() >=
                window_->StatusLine()->heightForWidth(window_->StatusLine()->width()));
  }

 private:
  VirtualClock clock_;
  std::unique_ptr<SettingsDirs> dirs_;
  std::unique_ptr<app::MainWindow> window_;
};

QTEST_MAIN(WindowWiringTest)
#include "window_wiring_test.moc"
