// SPDX-License-Identifier: GPL-2.0-or-later
// The port the window uses, as the user sees and changes it: the Output
// Port dialog opens on the port in use (a command-line port included) and
// OK always reopens the choice; a chip file whose chip is not the device
// selected says so when the device is selected.
#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/dialog_device.h"
#include "app/dialog_port.h"
#include "choose_device.h"
#include "gui_test_support.h"
#include "hw/virtual_clock.h"
#include "sim/chip_file.h"
#include "sim/chip_state.h"
#include "sim/sim_adapter.h"

using namespace lpt;
using namespace lpt::gui_test;

namespace {

sim::SimAdapter* Simulator(app::MainWindow& window) {
  return dynamic_cast<sim::SimAdapter*>(&window.CurrentPort());
}

}  // namespace

class PortInUseTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { dirs_ = std::make_unique<SettingsDirs>(); }
  void cleanup() {
    window_.reset();
    dirs_.reset();
  }

  // path.dat names LPT 1, the command line a port at 3BCh.
  void dialogShowsTheCommandLinePortAndAnotherReplaces() {
    Open("0x3BC");
    WithModal<app::PortDialog>([&] { window_->Actions().outputPort->trigger(); },
                               [](app::PortDialog* d) {
                                 QVERIFY(d->Other->isChecked());
                                 QCOMPARE(d->OtherPort->currentText(), QStringLiteral("03BC"));
                                 d->Simulator->click();
                                 d->ButtonOk->click();
                               });
    QVERIFY(Simulator(*window_) != nullptr);
    QCOMPARE(window_->CurrentSettings().portAddress, 0);
  }

  void okOnThePortInUseReopensIt() {
    Open("sim");
    Simulator(*window_)->chip().state().program.at(0) = 0x1234;
    WithModal<app::PortDialog>([&] { window_->Actions().outputPort->trigger(); },
                               [](app::PortDialog* d) {
                                 QVERIFY(d->Simulator->isChecked());
                                 d->ButtonOk->click();
                               });
    QVERIFY(Simulator(*window_) != nullptr);
    // A fresh simulated chip: the old one's word is gone.
    QCOMPARE(Simulator(*window_)->chip().state().program.at(0), std::uint16_t{0x3FFF});
  }

  // A chip file that cannot be read is told on OK, with the dialog still
  // open; once the file is repaired, OK opens it.
  void aPortThatDoesNotOpenIsToldOnOk() {
    const QString chipPath = QDir(dirs_->exe.path()).filePath(QStringLiteral("chip.txt"));
    Open("sim:" + chipPath.toStdString());
    QFile bad(chipPath);
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("not a chip file\n");
    bad.close();
    BoxRecorder boxes;
    WithModal<app::PortDialog>([&] { window_->Actions().outputPort->trigger(); },
                               [&](app::PortDialog* d) {
                                 d->ButtonOk->click();
                                 QVERIFY(d->isVisible());
                                 QCOMPARE(boxes.boxes.size(), std::size_t{1});
                                 QVERIFY(boxes.boxes[0].text.contains(chipPath));
                                 d->ButtonCancel->click();
                               });
    QCOMPARE(window_->CurrentSettings().portAddress, 888);
    std::string error;
    QVERIFY(sim::SaveChipFile(chipPath.toStdString(), *sim::MakeBlankChip("16F84"), &error));
    WithModal<app::PortDialog>([&] { window_->Actions().outputPort->trigger(); },
                               [&](app::PortDialog* d) {
                                 d->ButtonOk->click();
                                 QVERIFY(!d->isVisible());
                               });
    QVERIFY(Simulator(*window_) != nullptr);
    QCOMPARE(boxes.boxes.size(), std::size_t{1});
  }

  void aChipFileOfAnotherDeviceIsNamedOnce() {
    const QString chipPath = QDir(dirs_->exe.path()).filePath(QStringLiteral("chip.txt"));
    std::string error;
    QVERIFY(sim::SaveChipFile(chipPath.toStdString(), *sim::MakeBlankChip("16F84"), &error));
    Open("sim:" + chipPath.toStdString());
    BoxRecorder boxes;
    SelectDevice(QStringLiteral("16F877"));
    QCOMPARE(window_->Device().name, std::string("16F877"));
    QCOMPARE(boxes.boxes.size(), std::size_t{1});
    QCOMPARE(boxes.boxes[0].kind, app::BoxKind::Warning);
    QCOMPARE(boxes.boxes[0].text, QStringLiteral("The simulated chip in ") + chipPath +
                                      QStringLiteral(" is a 16F84, not the 16F877 selected: it "
                                                     "stays in the socket."));
    // Back to the chip's own device: nothing to say.
    SelectDevice(QStringLiteral("16F84"));
    QCOMPARE(boxes.boxes.size(), std::size_t{1});
  }

 private:
  void Open(const std::string& port) {
    dirs_->WritePathDat(QDir::toNativeSeparators(dirs_->exe.path()).toUtf8() +
                        "\r\n888\r\nYES\r\n16F84\r\nNO\r\nfalse\r\n");
    app::AppOptions options = dirs_->Options();
    options.delay = &clock_;
    options.portChoice = port;
    window_ = MakeWindow(std::move(options));
  }
  void SelectDevice(const QString& name) { ChooseDevice(*window_, name); }

  VirtualClock clock_;
  std::unique_ptr<SettingsDirs> dirs_;
  std::unique_ptr<app::MainWindow> window_;
};

QTEST_MAIN(PortInUseTest)
#include "port_in_use_test.moc"
