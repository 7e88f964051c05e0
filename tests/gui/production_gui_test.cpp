// SPDX-License-Identifier: GPL-2.0-or-later
// The production line in the window, on the simulator's socket folder:
// serial numbers from a counter file into the ID, the log, the next number
// in the status bar, and a batch that goes on until the user stops it.
#include <QCheckBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QtTest>
#include <set>

#include "app/command_events.h"
#include "app/production_setup.h"
#include "gui_test_support.h"
#include "hw/virtual_clock.h"

using namespace lpt;
using namespace lpt::gui_test;

class ProductionGuiTest : public QObject {
  Q_OBJECT
 private slots:
  void serialNumbersLogAndBatch() {
    SettingsDirs dirs;
    VirtualClock clock;
    BoxRecorder boxes;
    const QDir dir(dirs.exe.path());
    QVERIFY(dir.mkdir(QStringLiteral("chips")));
    app::AppOptions options = dirs.Options();
    options.delay = &clock;
    options.portChoice = "sim:" + dir.filePath(QStringLiteral("chips/")).toStdString();
    options.deviceName = "16F628A";
    auto window = MakeWindow(std::move(options));

    app::ProductionChoices choices;
    choices.serials = true;
    choices.counterFile = dir.filePath(QStringLiteral("counter.json"));
    choices.logFile = dir.filePath(QStringLiteral("log.jsonl"));
    QString error;
    QVERIFY(!window->Production().SetChoices({true, "12G", "id", 2, {}, {}}, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(window->Production().SetChoices(choices, &error));
    QCOMPARE(window->Production().NextSerialLabel()->text(),
             QStringLiteral("Next serial number 0x1000"));

    // One chip: its number in the ID panel and the grids' ID, the next shown.
    QCOMPARE(RunToEnd(*window, ProgramAll), CommandResult::Ok);
    QCOMPARE(QString::fromStdString(window->Buffers().IdDigits()), QStringLiteral("1000"));
    QCOMPARE(window->Production().NextSerialLabel()->text(),
             QStringLiteral("Next serial number 0x1001"));

    // A batch, stopped by the user once three chips were asked for.
    window->Production().BatchBox()->setChecked(true);
    int asked = 0;
    connect(&window->Events(), &app::CommandEvents::notice, window.get(), [&](const QString&) {
      if (++asked == 3) window->State().stopRequested = true;
    });
    QCOMPARE(RunToEnd(*window, ProgramAll), CommandResult::Stopped);
    QVERIFY(window->StatusLine()->text().contains(QStringLiteral("chips passed")));

    QFile log(choices.logFile);
    QVERIFY(log.open(QIODevice::ReadOnly));
    std::set<QString> serials;
    unsigned last = 0;
    for (const QByteArray& line : log.readAll().split('\n')) {
      if (line.isEmpty()) continue;
      const QJsonObject record = QJsonDocument::fromJson(line).object();
      QVERIFY2(!record.isEmpty(), line.constData());
      // A chip stopped before its first word gave its number back.
      if (record[QStringLiteral("result")] == QStringLiteral("not written")) continue;
      const QString serial = record[QStringLiteral("serial")].toString();
      QVERIFY2(serials.insert(serial).second, qPrintable(serial));
      last = serial.mid(2).toUInt(nullptr, 16);
    }
    QVERIFY(serials.size() >= 4);
    QFile counter(choices.counterFile);
    QVERIFY(counter.open(QIODevice::ReadOnly));
    QCOMPARE(QJsonDocument::fromJson(counter.readAll())
                 .object()[QStringLiteral("next")]
                 .toString()
                 .mid(2)
                 .toUInt(nullptr, 16),
             last + 1);
  }
};

QTEST_MAIN(ProductionGuiTest)
#include "production_gui_test.moc"
