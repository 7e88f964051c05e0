// SPDX-License-Identifier: GPL-2.0-or-later
// The window's commands as a user meets them: the menus with their items,
// separators and shortcuts, the tool bar with its hints, and every one of
// them switched off while a device command runs (only closing stays, and it
// waits). The menus are read from the menu bar, not from the command list,
// so a command added any other way is caught too.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QtTest>

#include "app/click_panel.h"
#include "app/progress_panel.h"
#include "gui_test_support.h"

using namespace lpt;
using namespace lpt::gui_test;

namespace {

// "Caption|Shortcut" per item, "-" for a separator, ">Title" for a submenu.
QStringList Items(const QMenu* menu) {
  QStringList items;
  for (const QAction* action : menu->actions()) {
    if (action->isSeparator()) {
      items << QStringLiteral("-");
    } else if (action->menu() != nullptr) {
      items << QStringLiteral(">") + action->text();
    } else {
      items << action->text() + QStringLiteral("|") + action->shortcut().toString();
    }
  }
  return items;
}

QMenu* MenuNamed(const QWidget* window, const QString& title) {
  for (QMenu* menu : window->findChildren<QMenu*>())
    if (menu->title() == title) return menu;
  return nullptr;
}

}  // namespace

class CommandTableTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    dirs_ = std::make_unique<SettingsDirs>();
    window_ = MakeSimulatorWindow(*dirs_, clock_);
  }
  void cleanup() {
    clock_.PauseWhen(nullptr);
    clock_.Resume();
    window_.reset();
    dirs_.reset();
  }

  // The main menu as the user guide describes it; Detect, Adapter, its
  // test, Check device ID, Overwrite OSCCAL, the Timing submenu, Recent
  // files and Serial numbers are this program's additions.
  void menusHoldTheirItemsInOrder_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("File") << "&File"
                          << QStringList{"&Open|F4",       "-", "&Save|F2",   "Change &Dir|",
                                         ">Recent &files", "-", "E&xit|Alt+X"};
    QTest::newRow("Edit") << "&Edit"
                          << QStringList{"Set &Buffer|", "Set only &Fuses, ID|", "Clear &Area|"};
    QTest::newRow("Device") << "&Device"
                            << QStringList{"&Program All|",
                                           "Program only &Data memory|",
                                           "Program only &Fuses + ID|",
                                           "-",
                                           "&Erase|",
                                           "-",
                                           "&Verify|",
                                           "&Blank check|",
                                           "&Read|"};
    QTest::newRow("Select") << "&Select" << QStringList{"&Device|", "De&tect|", "I&D|"};
    QTest::newRow("Option") << "&Option"
                            << QStringList{"Output &Port|",
                                           "&Adapter…|",
                                           "Adapter &test…|",
                                           "Standart &color Windows|",
                                           "&Save settings on Exit|",
                                           "&Delay|",
                                           "Check device &ID|",
                                           "Overwrite &OSCCAL|",
                                           ">&Timing",
                                           "Serial &numbers…|"};
    QTest::newRow("Timing") << "&Timing" << QStringList{"&Standard|", "&Datasheet|"};
    QTest::newRow("Help") << "&Help" << QStringList{"&Help|F1", "Home &Page|", "-", "&About|"};
  }
  void menusHoldTheirItemsInOrder() {
    QFETCH(QString, menu);
    QFETCH(QStringList, items);
    const QMenu* found = MenuNamed(window_.get(), menu);
    QVERIFY(found != nullptr);
    QCOMPARE(Items(found), items);
  }

  // A key that two actions share triggers neither: Qt reports it as
  // ambiguous and does nothing.
  void noTwoActionsShareAShortcut() {
    QMap<QString, QString> owner;
    for (const QAction* action : window_->findChildren<QAction*>()) {
      for (const QKeySequence& key : action->shortcuts()) {
        const QString text = key.toString();
        QVERIFY2(!owner.contains(text),
                 qPrintable(text + ": " + owner.value(text) + " and " + action->objectName()));
        owner.insert(text, action->objectName());
      }
    }
    QVERIFY(owner.contains(QStringLiteral("F4")));
  }

  void menuBarAndToolBarInOrder() {
    QStringList titles;
    for (const QAction* action : window_->menuBar()->actions()) titles << action->text();
    QCOMPARE(titles, (QStringList{"&File", "&Edit", "&Device", "&Select", "&Option", "&Help"}));
    QStringList hints;
    for (const QAction* action : window_->findChild<QToolBar*>()->actions())
      hints << (action->text().isEmpty() ? QStringLiteral("|") : action->toolTip());
    QCOMPARE(hints,
             (QStringList{"Clear Buffers", "Open File", "Save", "|", "Select processor", "Help"}));
  }

  // While a command runs nothing else can be started or changed: every menu
  // item, button and panel is off but Exit (held until the end) and the
  // progress panel (the stop).
  void onlyExitAndTheStopStayOnWhileACommandRuns() {
    clock_.PauseWhen([] { return true; });
    CommandEnd end(*window_);
    QVERIFY(window_->StartDeviceCommand(&ReadChip));
    QVERIFY(clock_.WaitUntilPaused());
    QCoreApplication::processEvents();
    QStringList on;
    for (const QMenu* menu : window_->menuBar()->findChildren<QMenu*>())
      for (const QAction* action : menu->actions())
        if (!action->isSeparator() && action->menu() == nullptr && action->isEnabled())
          on << action->text();
    for (const QPushButton* button : window_->findChildren<QPushButton*>())
      if (button->isEnabled()) on << button->text();
    for (const app::ClickPanel* panel : window_->findChildren<app::ClickPanel*>())
      if (panel->isEnabled() && panel != window_->Progress()) on << panel->objectName();
    QCOMPARE(on, QStringList{"E&xit"});
    QVERIFY(window_->Progress()->isEnabled());
    clock_.Resume();
    QCOMPARE(end.Wait(), CommandResult::Ok);
    QVERIFY(window_->Actions().about->isEnabled());
    QVERIFY(window_->InfoPanel()->isEnabled());
  }

 private:
  PausingClock clock_;
  std::unique_ptr<SettingsDirs> dirs_;
  std::unique_ptr<app::MainWindow> window_;
};

QTEST_MAIN(CommandTableTest)
#include "command_table_test.moc"
