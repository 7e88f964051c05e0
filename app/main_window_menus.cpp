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

QAction* MainWindow::AddAction(const QString& name, const QString& text) {
  auto* action = new QAction(text, this);
  action->setObjectName(name);
  actions_.insert(name, action);
  return action;
}

void MainWindow::CreateActions() {
  AddAction(QStringLiteral("Open1"), QStringLiteral("&Open"));
  AddAction(QStringLiteral("Save1"), QStringLiteral("&Save"));
  AddAction(QStringLiteral("ChangeDir1"), QStringLiteral("Change &Dir"));
  AddAction(QStringLiteral("Exit1"), QStringLiteral("E&xit"));
  AddAction(QStringLiteral("ClearBuffers1"), QStringLiteral("Set &Buffer"));
  AddAction(QStringLiteral("ClearFuses1"), QStringLiteral("Set only &Fuses, ID"));
  AddAction(QStringLiteral("ClearArea1"), QStringLiteral("Clear &Area"));
  AddAction(QStringLiteral("ProgramAll1"), QStringLiteral("&Program All"));
  AddAction(QStringLiteral("ProgramonlyDatamemory1"), QStringLiteral("Program only &Data memory"));
  AddAction(QStringLiteral("ProgramFuses1"), QStringLiteral("Program only &Fuses + ID"));
  AddAction(QStringLiteral("Erase1"), QStringLiteral("&Erase"));
  AddAction(QStringLiteral("Verify1"), QStringLiteral("&Verify"));
  AddAction(QStringLiteral("Blankcheck1"), QStringLiteral("&Blank check"));
  AddAction(QStringLiteral("Read1"), QStringLiteral("&Read"));
  AddAction(QStringLiteral("Device2"), QStringLiteral("&Device"));
  AddAction(QStringLiteral("ID1"), QStringLiteral("I&D"));
  AddAction(QStringLiteral("OutputPort1"), QStringLiteral("Output &Port"));
  AddAction(QStringLiteral("ScW1"), QStringLiteral("Standart &color Windows"));
  AddAction(QStringLiteral("ss1"), QStringLiteral("&Save settings on Exit"));
  AddAction(QStringLiteral("Delay1"), QStringLiteral("&Delay"));
  AddAction(QStringLiteral("TimingStandard1"), QStringLiteral("&Standard"));
  AddAction(QStringLiteral("TimingDatasheet1"), QStringLiteral("&Datasheet"));
  AddAction(QStringLiteral("Help1"), QStringLiteral("&Help"));
  AddAction(QStringLiteral("HomePage1"), QStringLiteral("Home &Page"));
  AddAction(QStringLiteral("About1"), QStringLiteral("&About"));

  Action(QStringLiteral("Open1"))->setShortcut(QKeySequence(Qt::Key_F4));
  Action(QStringLiteral("Save1"))->setShortcut(QKeySequence(Qt::Key_F2));
  Action(QStringLiteral("Exit1"))->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
  Action(QStringLiteral("Help1"))->setShortcut(QKeySequence(Qt::Key_F1));

  for (const char* name : {"ScW1", "ss1", "Delay1"}) {
    Action(QLatin1String(name))->setCheckable(true);
  }
  Action(QStringLiteral("ss1"))->setChecked(true);
  auto* timing = new QActionGroup(this);  // exactly one profile is checked
  for (const char* name : {"TimingStandard1", "TimingDatasheet1"}) {
    QAction* item = Action(QLatin1String(name));
    item->setCheckable(true);
    timing->addAction(item);
  }
  Action(QStringLiteral("TimingStandard1"))->setChecked(true);

  // The tool bar shares these actions; their tool tips are its hints.
  const struct {
    const char* action;
    const char* hint;
    CommandIcon icon;
  } kToolBarItems[] = {
      {"ClearBuffers1", "Clear Buffers", CommandIcon::ClearBuffers},
      {"Open1", "Open File", CommandIcon::Open},
      {"Save1", "Save", CommandIcon::Save},
      {"Device2", "Select processor", CommandIcon::Device},
      {"Help1", "Help", CommandIcon::Help},
  };
  for (const auto& item : kToolBarItems) {
    QAction* action = Action(QLatin1String(item.action));
    action->setToolTip(QLatin1String(item.hint));
    action->setIcon(MakeCommandIcon(item.icon));
  }
  const struct {
    const char* action;
    CommandIcon icon;
  } kMenuIcons[] = {
      {"ProgramAll1", CommandIcon::Program},
      {"ProgramonlyDatamemory1", CommandIcon::Program},
      {"ProgramFuses1", CommandIcon::Program},
      {"Erase1", CommandIcon::Erase},
      {"Verify1", CommandIcon::Verify},
      {"Blankcheck1", CommandIcon::Blank},
      {"Read1", CommandIcon::Read},
  };
  for (const auto& item : kMenuIcons) {
    Action(QLatin1String(item.action))->setIcon(MakeCommandIcon(item.icon));
  }
}

void MainWindow::CreateMenus() {
  QMenuBar* bar = menuBar();
  const auto add = [this](QMenu* menu, std::initializer_list<const char*> names) {
    for (const char* name : names) {
      if (name == nullptr) {
        menu->addSeparator();
      } else {
        menu->addAction(Action(QLatin1String(name)));
      }
    }
  };
  add(bar->addMenu(QStringLiteral("&File")),
      {"Open1", nullptr, "Save1", "ChangeDir1", nullptr, "Exit1"});
  add(bar->addMenu(QStringLiteral("&Edit")), {"ClearBuffers1", "ClearFuses1", "ClearArea1"});
  add(bar->addMenu(QStringLiteral("&Device")),
      {"ProgramAll1", "ProgramonlyDatamemory1", "ProgramFuses1", nullptr, "Erase1", nullptr,
       "Verify1", "Blankcheck1", "Read1"});
  add(bar->addMenu(QStringLiteral("&Select")), {"Device2", "ID1"});
  QMenu* options = bar->addMenu(QStringLiteral("&Option"));
  add(options, {"OutputPort1", "ScW1", "ss1", "Delay1"});
  add(options->addMenu(QStringLiteral("&Timing")), {"TimingStandard1", "TimingDatasheet1"});
  add(bar->addMenu(QStringLiteral("&Help")), {"Help1", "HomePage1", nullptr, "About1"});
}

void MainWindow::CreateToolBar(QWidget* client) {
  toolBar_ = new QToolBar(client);
  toolBar_->setObjectName(QStringLiteral("ToolBar1"));
  toolBar_->setGeometry(0, 0, 618, 29);
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);
  toolBar_->setIconSize(QSize(20, 20));
  toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  const auto addButton = [this](const char* name) {
    QAction* action = Action(QLatin1String(name));
    toolBar_->addAction(action);
    toolBar_->widgetForAction(action)->setFixedWidth(40);
  };
  addButton("ClearBuffers1");
  addButton("Open1");
  addButton("Save1");
  // The separator pushes the last two buttons to the right edge.
  auto* spacer = new QWidget(toolBar_);
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  toolBar_->addWidget(spacer);
  addButton("Device2");
  addButton("Help1");
}

void MainWindow::CreateButtons(QWidget* client) {
  const struct {
    const char* name;
    const char* caption;
    const char* hint;
  } kButtons[] = {
      {"ReadButton", "Read", nullptr},     {"Button2", "Verify", nullptr},
      {"Button1", "Program All", nullptr}, {"Button4", "Fuses", "Program only Fuses + ID"},
      {"Button3", "Erase", "Erase All"},   {"Button5", "Blank?", "Check the device for Blank"},
  };
  const QFont bold = BoldFont(font());
  int left = 16;
  for (const auto& item : kButtons) {
    auto* button = new QPushButton(QLatin1String(item.caption), client);
    button->setObjectName(QLatin1String(item.name));
    button->setFont(bold);
    button->setGeometry(left, 264, 90, 17);
    if (item.hint != nullptr) button->setToolTip(QLatin1String(item.hint));
    buttons_.insert(QLatin1String(item.name), button);
    left += 99;
  }
}

}  // namespace lpt::app
