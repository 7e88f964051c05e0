// SPDX-License-Identifier: GPL-2.0-or-later
// The main window's menus, tool bar and command buttons: captions, access
// keys, shortcuts and hints. What the commands do is wired in
// main_window_commands.cpp.
#include <QAction>
#include <QActionGroup>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>

#include "app/command_icons.h"
#include "app/dialog_support.h"
#include "app/main_window.h"

namespace lpt::app {

QAction* MainWindow::AddAction(const char* name, const char* text) {
  auto* action = new QAction(QLatin1String(text), this);
  action->setObjectName(QLatin1String(name));
  return action;
}

void MainWindow::CreateActions() {
  MenuActions& a = actions_;
  a.open = AddAction("openAction", "&Open");
  a.save = AddAction("saveAction", "&Save");
  a.changeDir = AddAction("changeDirAction", "Change &Dir");
  a.exit = AddAction("exitAction", "E&xit");
  a.clearBuffers = AddAction("clearBuffersAction", "Set &Buffer");
  a.clearFuses = AddAction("clearFusesAction", "Set only &Fuses, ID");
  a.clearArea = AddAction("clearAreaAction", "Clear &Area");
  a.programAll = AddAction("programAllAction", "&Program All");
  a.programDataOnly = AddAction("programDataOnlyAction", "Program only &Data memory");
  a.programFusesOnly = AddAction("programFusesOnlyAction", "Program only &Fuses + ID");
  a.erase = AddAction("eraseAction", "&Erase");
  a.verify = AddAction("verifyAction", "&Verify");
  a.blankCheck = AddAction("blankCheckAction", "&Blank check");
  a.read = AddAction("readAction", "&Read");
  a.selectDevice = AddAction("selectDeviceAction", "&Device");
  a.id = AddAction("idAction", "I&D");
  a.outputPort = AddAction("outputPortAction", "Output &Port");
  a.standardColours = AddAction("standardColoursAction", "Standart &color Windows");
  a.saveSettingsOnExit = AddAction("saveSettingsOnExitAction", "&Save settings on Exit");
  a.delay = AddAction("delayAction", "&Delay");
  a.adapter = AddAction("adapterAction", "&Adapter…");
  a.adapterTest = AddAction("adapterTestAction", "Adapter &test…");
  a.timingStandard = AddAction("timingStandardAction", "&Standard");
  a.timingDatasheet = AddAction("timingDatasheetAction", "&Datasheet");
  a.help = AddAction("helpAction", "&Help");
  a.homePage = AddAction("homePageAction", "Home &Page");
  a.about = AddAction("aboutAction", "&About");

  a.open->setShortcut(QKeySequence(Qt::Key_F4));
  a.save->setShortcut(QKeySequence(Qt::Key_F2));
  a.exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
  a.help->setShortcut(QKeySequence(Qt::Key_F1));

  for (QAction* toggle : {a.standardColours, a.saveSettingsOnExit, a.delay}) {
    toggle->setCheckable(true);
  }
  a.saveSettingsOnExit->setChecked(true);
  auto* timing = new QActionGroup(this);  // exactly one profile is checked
  for (QAction* item : {a.timingStandard, a.timingDatasheet}) {
    item->setCheckable(true);
    timing->addAction(item);
  }
  a.timingStandard->setChecked(true);

  // The tool bar shares these actions; their tool tips are its hints.
  const struct {
    QAction* action;
    const char* hint;
    CommandIcon icon;
  } kToolBarItems[] = {
      {a.clearBuffers, "Clear Buffers", CommandIcon::ClearBuffers},
      {a.open, "Open File", CommandIcon::Open},
      {a.save, "Save", CommandIcon::Save},
      {a.selectDevice, "Select processor", CommandIcon::Device},
      {a.help, "Help", CommandIcon::Help},
  };
  for (const auto& item : kToolBarItems) {
    item.action->setToolTip(QLatin1String(item.hint));
    item.action->setIcon(MakeCommandIcon(item.icon));
  }
  const struct {
    QAction* action;
    CommandIcon icon;
  } kMenuIcons[] = {
      {a.programAll, CommandIcon::Program},
      {a.programDataOnly, CommandIcon::Program},
      {a.programFusesOnly, CommandIcon::Program},
      {a.erase, CommandIcon::Erase},
      {a.verify, CommandIcon::Verify},
      {a.blankCheck, CommandIcon::Blank},
      {a.read, CommandIcon::Read},
  };
  for (const auto& item : kMenuIcons) item.action->setIcon(MakeCommandIcon(item.icon));
}

void MainWindow::CreateMenus() {
  QMenuBar* bar = menuBar();
  const auto add = [](QMenu* menu, std::initializer_list<QAction*> items) {
    for (QAction* item : items) {
      if (item == nullptr) {
        menu->addSeparator();
      } else {
        menu->addAction(item);
      }
    }
  };
  const MenuActions& a = actions_;
  add(bar->addMenu(QStringLiteral("&File")),
      {a.open, nullptr, a.save, a.changeDir, nullptr, a.exit});
  add(bar->addMenu(QStringLiteral("&Edit")), {a.clearBuffers, a.clearFuses, a.clearArea});
  add(bar->addMenu(QStringLiteral("&Device")),
      {a.programAll, a.programDataOnly, a.programFusesOnly, nullptr, a.erase, nullptr, a.verify,
       a.blankCheck, a.read});
  add(bar->addMenu(QStringLiteral("&Select")), {a.selectDevice, a.id});
  QMenu* options = bar->addMenu(QStringLiteral("&Option"));
  add(options,
      {a.outputPort, a.adapter, a.adapterTest, a.standardColours, a.saveSettingsOnExit, a.delay});
  add(options->addMenu(QStringLiteral("&Timing")), {a.timingStandard, a.timingDatasheet});
  add(bar->addMenu(QStringLiteral("&Help")), {a.help, a.homePage, nullptr, a.about});
}

void MainWindow::CreateToolBar(QWidget* client) {
  toolBar_ = new QToolBar(client);
  toolBar_->setObjectName(QStringLiteral("toolBar"));
  toolBar_->setGeometry(0, 0, 618, 29);
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);
  toolBar_->setIconSize(QSize(20, 20));
  toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  const auto addButton = [this](QAction* action) {
    toolBar_->addAction(action);
    toolBar_->widgetForAction(action)->setFixedWidth(40);
  };
  addButton(actions_.clearBuffers);
  addButton(actions_.open);
  addButton(actions_.save);
  // The separator pushes the last two buttons to the right edge.
  auto* spacer = new QWidget(toolBar_);
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  toolBar_->addWidget(spacer);
  addButton(actions_.selectDevice);
  addButton(actions_.help);
}

void MainWindow::CreateButtons(QWidget* client) {
  CommandButtons& b = buttons_;
  const struct {
    QPushButton** button;
    const char* name;
    const char* caption;
    const char* hint;
  } kButtons[] = {
      {&b.read, "readButton", "Read", nullptr},
      {&b.verify, "verifyButton", "Verify", nullptr},
      {&b.programAll, "programAllButton", "Program All", nullptr},
      {&b.programFusesOnly, "programFusesOnlyButton", "Fuses", "Program only Fuses + ID"},
      {&b.erase, "eraseButton", "Erase", "Erase All"},
      {&b.blankCheck, "blankCheckButton", "Blank?", "Check the device for Blank"},
  };
  const QFont bold = BoldFont(font());
  int left = 16;
  for (const auto& item : kButtons) {
    auto* button = new QPushButton(QLatin1String(item.caption), client);
    button->setObjectName(QLatin1String(item.name));
    button->setFont(bold);
    button->setGeometry(left, 264, 90, 17);
    if (item.hint != nullptr) button->setToolTip(QLatin1String(item.hint));
    *item.button = button;
    left += 99;
  }
}

}  // namespace lpt::app
