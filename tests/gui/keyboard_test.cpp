// SPDX-License-Identifier: GPL-2.0-or-later
// The window from the keyboard alone: a word typed into the grid, Tab out
// of it, Program All from its menu by access keys to a verified end, and
// Esc stopping the next run; no mouse event anywhere.
#include <QLabel>
#include <QMenu>
#include <QtTest>

#include "gui_test_support.h"

using namespace lpt;
using namespace lpt::gui_test;

class KeyboardTest : public QObject {
  Q_OBJECT
 private slots:
  void programAllAndStopWithTheKeyboardAlone() {
    SettingsDirs dirs;
    PausingClock clock;
    BoxRecorder boxes;
    auto window = MakeSimulatorWindow(dirs, clock);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTableView* grid = window->ProgramGrid();
    QCOMPARE(QApplication::focusWidget(), grid);

    // The arrows walk the cells, typing edits one, Tab leaves the grid.
    for (int step = 0; step < 3 && grid->currentIndex().column() < 1; ++step)
      QTest::keyClick(grid, Qt::Key_Right);
    QCOMPARE(grid->currentIndex(), grid->model()->index(0, 1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2805"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
    QCOMPARE(window->Buffers().ProgramWord(0), std::string("2805"));
    QTest::keyClick(grid, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != grid);

    const auto programAll = [&] {
      QTest::keyClick(window.get(), Qt::Key_D, Qt::AltModifier);
      QApplication::processEvents();
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QVERIFY(menu != nullptr);
      QTest::keyClick(menu, Qt::Key_P);
    };
    CommandEnd end(*window);
    programAll();
    QCOMPARE(end.Wait(), CommandResult::Ok);
    QVERIFY2(window->StatusLine()->text().contains(QStringLiteral("— verified")),
             qPrintable(window->StatusLine()->text()));

    clock.PauseWhen([&] { return clock.MsWaits() >= 4; });
    CommandEnd stopped(*window);
    programAll();
    QVERIFY(clock.WaitUntilPaused());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(window->State().stopRequested);
    clock.Resume();
    QCOMPARE(stopped.Wait(), CommandResult::Stopped);
    QCOMPARE(boxes.boxes.size(), std::size_t{1});  // where it stopped
  }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
