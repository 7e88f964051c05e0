// SPDX-License-Identifier: GPL-2.0-or-later
// Other ports and other adapters in the window: the "Other:" choice of the
// Output Port dialog, Option > Adapter… with path.dat lines 7 and 8 and
// adapters.conf, and the adapter test dialog on the simulated adapter.
#include <sys/stat.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include "app/dialog_adapter.h"
#include "app/dialog_launchers.h"
#include "app/dialog_pin_test.h"
#include "app/dialog_port.h"
#include "app/other_port_entry.h"
#include "gui_test_support.h"
#include "hw/virtual_clock.h"
#include "settings/settings_file.h"
#include "sim/sim_adapter.h"

using namespace lpt;
using namespace lpt::app;
using namespace lpt::gui_test;
using lpt::testing::WhenModalOpens;

namespace {

FoundPort Card(const char* device, std::uint16_t base) {
  FoundPort port;
  port.device = device;
  port.base = base;
  return port;
}

const QByteArray kSixLines = "/w\r\n0\r\nYES\r\n16F84\r\nNO\r\nfalse\r\n";

}  // namespace

class AdapterPortTest : public QObject {
  Q_OBJECT

 private slots:
  void otherEntryRules_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("address");  // -1: refused
    QTest::newRow("hex") << "D010" << 0xD010;
    QTest::newRow("0x") << "0xe800" << 0xE800;
    QTest::newRow("h suffix") << " 3BCh " << 0x3BC;
    QTest::newRow("lowest") << "100" << 0x100;
    QTest::newRow("highest") << "FFF8" << 0xFFF8;
    QTest::newRow("below") << "FF" << -1;
    QTest::newRow("above") << "FFF9" << -1;
    QTest::newRow("too long") << "1D010" << -1;
    QTest::newRow("simulator") << "0" << 0;
    QTest::newRow("listed device") << "/dev/parport1" << 0xD010;
    QTest::newRow("drop-down entry") << "/dev/parport1  D010h  ready" << 0xD010;
    QTest::newRow("unlisted device") << "/dev/parport7" << -1;
    QTest::newRow("word") << "lpt3" << -1;
    QTest::newRow("empty") << "" << -1;
  }
  void otherEntryRules() {
    QFETCH(QString, text);
    QFETCH(int, address);
    std::string error;
    const auto got = ParseOtherPort(text.toStdString(), {Card("/dev/parport1", 0xD010)}, &error);
    if (address < 0) {
      QVERIFY(!got);
      QVERIFY(!error.empty());
    } else {
      QCOMPARE(got.value_or(-1), address);
    }
  }

  void otherChoiceShownAndKept() {
    // A card address from path.dat opens on "Other:" and OK keeps it.
    PortDialog card(0xD010, {});
    QVERIFY(card.Other->isChecked());
    QCOMPARE(card.OtherPort->currentText(), QStringLiteral("D010"));
    QCOMPARE(card.SelectedAddress(), 0xD010);
    // A port the machine lists is shown as its drop-down entry.
    PortDialog listed(0x3BC, {Card("/dev/parport2", 0x3BC)});
    QVERIFY(listed.Other->isChecked());
    QCOMPARE(listed.OtherPort->currentText(), QStringLiteral("/dev/parport2  03BCh  ready"));
    // LPT 2 keeps its own choice and leaves the field empty.
    PortDialog legacy(632, {Card("/dev/parport0", 0x378)});
    QVERIFY(legacy.lpt2Button_->isChecked());
    QVERIFY(legacy.OtherPort->currentText().isEmpty());
    QCOMPARE(legacy.OtherPort->count(), 1);
    // Choosing from the drop-down selects "Other:".
    legacy.OtherPort->setCurrentIndex(0);
    QVERIFY(legacy.Other->isChecked());
    QCOMPARE(legacy.SelectedAddress(), 0x378);
  }

  void badOtherAddressIsRefusedAndChangesNothing() {
    BoxRecorder boxes;
    int address = 888;
    WhenModalOpens<PortDialog>([](PortDialog* d) {
      d->Other->click();
      d->OtherPort->setEditText(QStringLiteral("80"));
      d->ButtonOk->click();
      QVERIFY(d->isVisible());  // still open for a correction
      d->ButtonCancel->click();
    });
    QVERIFY(!ShowPortDialog(nullptr, &address));
    QCOMPARE(address, 888);
    QCOMPARE(boxes.Texts(),
             QStringList{QStringLiteral("Port address \"80\" is out of range (0100h to FFF8h).")});

    WhenModalOpens<PortDialog>([](PortDialog* d) {
      d->OtherPort->setEditText(QStringLiteral("e800"));
      d->ButtonOk->click();
    });
    QVERIFY(ShowPortDialog(nullptr, &address));
    QCOMPARE(address, 0xE800);
  }

  void settingsLinesSevenAndEight() {
    // A six-line file gains the timing line; an adapter adds line 8.
    Settings six = *ParseSettings(kSixLines.toStdString());
    QCOMPARE(six.adapterName, std::string());
    QCOMPARE(FormatSettings(six), kSixLines.toStdString() + "Standard\r\n");
    six.adapterName = "Tait classic";
    const std::string eight = kSixLines.toStdString() + "Standard\r\nTait classic\r\n";
    QCOMPARE(FormatSettings(six), eight);
    const Settings back = *ParseSettings(eight);
    QCOMPARE(back.timing, std::string("Standard"));
    QCOMPARE(back.adapterName, std::string("Tait classic"));
    // A timing value read from line 7 is written back.
    Settings timed = *ParseSettings(kSixLines.toStdString() + "Datasheet\r\n");
    QCOMPARE(FormatSettings(timed), kSixLines.toStdString() + "Datasheet\r\n");
  }

  void adapterChosenInTheDialogDrivesThePortAndIsSaved() {
    SettingsDirs dirs;
    VirtualClock clock;
    auto window = MakeWindow(dirs, kSixLines, clock);
    QCOMPARE(window->CurrentAdapter().name, std::string("lptpic"));
    WithModal<AdapterDialog>(
        [&] { window->Actions().adapter->trigger(); },
        [](AdapterDialog* d) {
          const auto found = d->List->findItems(QStringLiteral("Tait classic"), Qt::MatchExactly);
          QCOMPARE(found.size(), 1);
          d->List->setCurrentItem(found.first());
          QCOMPARE(d->Pins->text(), QStringLiteral("Vpp ~5   Vdd ~4   Clock 3   Data out 2   "
                                                   "Data in 10   (~ inverted)"));
          d->ButtonOk->click();
        });
    QCOMPARE(window->CurrentAdapter().name, std::string("Tait classic"));
    auto& sim = dynamic_cast<sim::SimAdapter&>(window->CurrentPort());
    QCOMPARE(sim.wiring().name, std::string("Tait classic"));
    // A command runs through the new wiring and leaves Tait's idle pins.
    QCOMPARE(RunToEnd(*window, &ReadChip), CommandResult::Ok);
    QCOMPARE(int(sim.ReadPort(sim.base())), 0x0C);
    window->close();
    QCOMPARE(dirs.ReadPathDat(), kSixLines + "Standard\r\nTait classic\r\n");
  }

  void unknownAdapterOrBadFileDrivesNothing() {
    SettingsDirs dirs;
    VirtualClock clock;
    QFile conf(QDir(dirs.exe.path()).filePath(QStringLiteral("adapters.conf")));
    QVERIFY(conf.open(QIODevice::WriteOnly));
    conf.write("adapter mine clock=2 data-out=2 data-in=10 vpp=4 vdd=5\n");
    conf.close();
    auto window = MakeWindow(dirs, kSixLines + "Standard\r\nmine\r\n", clock);
    QVERIFY(!window->CurrentPort().Opened());
    QVERIFY(QString::fromStdString(window->AdapterProblem())
                .contains(QStringLiteral("Unknown adapter \"mine\"")));
    QVERIFY(QString::fromStdString(window->AdapterProblem())
                .contains(QStringLiteral("adapters.conf, line 1: clock and data-out both use "
                                         "pin 2")));
    BoxRecorder boxes;
    QCOMPARE(RunToEnd(*window, &ReadChip), CommandResult::NoDevice);
    QCOMPARE(boxes.boxes.size(), std::size_t{1});
    QVERIFY(boxes.boxes[0].text.startsWith(QStringLiteral("Device is not found !")));
    QVERIFY(boxes.boxes[0].text.contains(QStringLiteral("Tait classic")));  // the known ones

    // The dialog says what is wrong with the file.
    WithModal<AdapterDialog>([&] { window->Actions().adapter->trigger(); },
                             [](AdapterDialog* d) {
                               QVERIFY(d->FileNote->text().contains(
                                   QStringLiteral("line 1: clock and data-out both use pin 2")));
                               d->ButtonCancel->click();
                             });
    window->close();
    // Nothing the user wrote is lost.
    QVERIFY(dirs.ReadPathDat().endsWith("Standard\r\nmine\r\n"));
  }

  void anAdaptersFileThatIsAFifoHoldsNothingUp() {
    SettingsDirs dirs;
    VirtualClock clock;
    const QString fifo = QDir(dirs.exe.path()).filePath(QStringLiteral("adapters.conf"));
    QCOMPARE(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    // No writer ever comes: a blocking read would hang the start.
    auto window = MakeWindow(dirs, kSixLines, clock);
    QCOMPARE(window->CurrentAdapter().name, std::string("lptpic"));
    QVERIFY(window->CurrentPort().Opened());
    WithModal<AdapterDialog>([&] { window->Actions().adapter->trigger(); },
                             [](AdapterDialog* d) {
                               QVERIFY(d->FileNote->text().endsWith(QStringLiteral(
                                   "Not a regular file (a device, FIFO or folder).")));
                               d->ButtonCancel->click();
                             });
  }

  void adapterTestSwitchesLinesAndEndsIdle() {
    SettingsDirs dirs;
    VirtualClock clock;
    auto window = MakeWindow(dirs, kSixLines + "Standard\r\nTait classic\r\n", clock);
    auto& sim = dynamic_cast<sim::SimAdapter&>(window->CurrentPort());
    WithModal<PinTestDialog>(
        [&] { window->Actions().adapterTest->trigger(); },
        [&](PinTestDialog* d) {
          QVERIFY(d->findChild<QLabel*>(QStringLiteral("ChipWarning"))
                      ->text()
                      .startsWith(QStringLiteral("Take the chip out of the socket first.")));
          QCOMPARE(d->Vpp->text(), QStringLiteral("Vpp  (pin 5, inverted)"));
          QCOMPARE(int(sim.ReadPort(sim.base())), 0x0C);  // opened idle
          d->Vdd->click();
          d->DataOut->click();
          // Tait classic: Vdd ~4 on (pin 4 low), Vpp ~5 off (pin 5 high),
          // data out pin 2 high.
          QCOMPARE(int(sim.ReadPort(sim.base())), 0x09);
          QCOMPARE(d->VddLevel->text(),
                   QStringLiteral("pin 4 low (≈ +5 V at VDD through the board)"));
          QCOMPARE(d->DataOutLevel->text(),
                   QStringLiteral("pin 2 high (≈ +5 V at the chip's data pin)"));
          QVERIFY(d->DataOutEnable->isHidden());  // Tait's board has no direction pin
          // With no chip driving the line, data in echoes data out.
          d->Poll();
          QCOMPARE(
              d->DataIn->text(),
              QStringLiteral("Data in  (pin 10):  pin 10 high (the chip's data line reads 1)"));
          d->DataOut->click();
          d->Poll();
          QCOMPARE(d->DataIn->text(),
                   QStringLiteral("Data in  (pin 10):  pin 10 low (the chip's data line reads 0)"));
          d->ButtonClose->click();
        });
    QCOMPARE(int(sim.ReadPort(sim.base())), 0x0C);  // closed: everything off
  }

  void adapterTestShowsTheDirectionPinAndAnUnswitchedSupply() {
    SettingsDirs dirs;
    VirtualClock clock;
    auto window = MakeWindow(dirs, kSixLines + "Standard\r\nAsix Piccolo\r\n", clock);
    auto& sim = dynamic_cast<sim::SimAdapter&>(window->CurrentPort());
    WithModal<PinTestDialog>([&] { window->Actions().adapterTest->trigger(); },
                             [&](PinTestDialog* d) {
                               QVERIFY(!d->DataOutEnable->isHidden());
                               QCOMPARE(int(sim.ReadPort(sim.base())), 0x3A);  // pin 2 low
                               d->DataOutEnable->click();
                               QCOMPARE(int(sim.ReadPort(sim.base())), 0x3B);
                               QCOMPARE(
                                   d->DataOutEnableLevel->text(),
                                   QStringLiteral("pin 2 high (the board drives the data line)"));
                               d->ButtonClose->click();
                             });
    window->close();

    SettingsDirs cheapo;
    auto noVdd = MakeWindow(cheapo, kSixLines + "Standard\r\nMyke's EL Cheapo\r\n", clock);
    WithModal<PinTestDialog>([&] { noVdd->Actions().adapterTest->trigger(); },
                             [](PinTestDialog* d) {
                               QVERIFY(!d->Vdd->isEnabled());
                               QCOMPARE(
                                   d->VddLevel->text(),
                                   QStringLiteral("always on (this board does not switch it)"));
                               d->ButtonClose->click();
                             });
  }

  void adapterDialogShowsNotesAndKeepsAClockDelay() {
    SettingsDirs dirs;
    VirtualClock clock;
    auto window = MakeWindow(dirs, kSixLines, clock);
    WithModal<AdapterDialog>(
        [&] { window->Actions().adapter->trigger(); },
        [](AdapterDialog* d) {
          const auto found = d->List->findItems(QStringLiteral("EPIC+"), Qt::MatchExactly);
          QCOMPARE(found.size(), 1);
          d->List->setCurrentItem(found.first());
          QVERIFY(d->Notes->text().startsWith(QStringLiteral("Source: PiKdev")));
          QVERIFY(d->Notes->text().contains(QStringLiteral("Disconnect the 7407's pin 2")));
          QCOMPARE(d->ClockDelay->value(), 0);
          d->ClockDelay->setValue(12);
          d->ButtonOk->click();
        });
    QCOMPARE(window->CurrentAdapter().name, std::string("EPIC+"));
    QCOMPARE(window->CurrentAdapter().clockDelayUs, 12u);
    window->close();
    QCOMPARE(dirs.ReadPathDat(), kSixLines + "Standard\r\nEPIC+\r\nfalse\r\n12\r\n");
    // The next start drives the board with the delay kept.
    auto again = MakeWindow(dirs, dirs.ReadPathDat(), clock);
    QCOMPARE(again->CurrentAdapter().clockDelayUs, 12u);
  }

  void aBoardThatCannotSwitchVddWarnsBeforeTheCommand() {
    SettingsDirs dirs;
    VirtualClock clock;
    auto window = MakeWindow(
        dirs, "/w\r\n0\r\nYES\r\n12F629/675\r\nNO\r\nfalse\r\nStandard\r\nMyke's EL Cheapo\r\n",
        clock);
    // Internal oscillator, MCLR an input (p12f629.inc).
    window->Buffers().FuseWord = 0x3FC4;
    BoxRecorder boxes;
    RunToEnd(*window, &BlankCheck);
    QVERIFY(!boxes.boxes.empty());
    QCOMPARE(boxes.boxes[0].kind, BoxKind::Warning);
    QVERIFY2(boxes.boxes[0].text.startsWith(
                 QStringLiteral("The 12F629/675 with the internal oscillator and MCLR as an "
                                "input must see Vpp before Vdd")),
             qPrintable(boxes.boxes[0].text));
    // A configuration that lets the chip wait for Vpp gets no box.
    window->Buffers().FuseWord = 0x3FFF;
    BoxRecorder quiet;
    RunToEnd(*window, &BlankCheck);
    for (const RecordedBox& box : quiet.boxes) QVERIFY(box.kind != BoxKind::Warning);
  }
};

QTEST_MAIN(AdapterPortTest)
#include "adapter_port_test.moc"
