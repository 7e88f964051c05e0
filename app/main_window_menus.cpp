// SPDX-License-Identifier: GPL-2.0-or-later
// The main window's menus, tool bar and command buttons, made from its
// command list (command_table.cpp). What the commands do is wired in
// main_window_commands.cpp.
#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <algorithm>
#include <functional>
#include <map>

#include "app/command_icons.h"
#include "app/command_table.h"
#include "app/dialog_support.h"
#include "app/fuse_panel_geometry.h"
#include "app/main_window.h"

namespace lpt::app {

namespace {

struct MenuTitle {
  Menu menu;
  const char* title;
  Menu parent;  // a submenu's menu
  const char* objectName;
};
constexpr MenuTitle kMenus[] = {
    {Menu::File, QT_TRANSLATE_NOOP("MainWindow", "&File"), Menu::None, "fileMenu"},
    {Menu::Edit, QT_TRANSLATE_NOOP("MainWindow", "&Edit"), Menu::None, "editMenu"},
    {Menu::Device, QT_TRANSLATE_NOOP("MainWindow", "&Device"), Menu::None, "deviceMenu"},
    {Menu::Select, QT_TRANSLATE_NOOP("MainWindow", "&Select"), Menu::None, "selectMenu"},
    {Menu::Option, QT_TRANSLATE_NOOP("MainWindow", "&Option"), Menu::None, "optionMenu"},
    {Menu::Timing, QT_TRANSLATE_NOOP("MainWindow", "&Timing"), Menu::Option, "timingMenu"},
    {Menu::Help, QT_TRANSLATE_NOOP("MainWindow", "&Help"), Menu::None, "helpMenu"},
};
static_assert(std::size(kMenus) == static_cast<std::size_t>(Menu::Help), "every menu has a title");

QString Tr(const char* text) { return QCoreApplication::translate("MainWindow", text); }

// The tool bar's buttons from this place on sit at its right edge.
constexpr int kToolBarRightFrom = 3;

}  // namespace

void MainWindow::CreateActions() {
  for (const WindowCommand& command : Commands()) {
    if (command.action == nullptr) continue;
    auto* action = new QAction(Tr(command.text), this);
    action->setObjectName(QLatin1String(command.objectName));
    if (command.shortcut != QKeyCombination(Qt::Key_unknown)) action->setShortcut(command.shortcut);
    if (command.icon) action->setIcon(MakeCommandIcon(*command.icon));
    // The tool bar shares its actions; their tool tips are its hints.
    if (command.toolBarHint != nullptr) action->setToolTip(Tr(command.toolBarHint));
    action->setCheckable(command.checkable);
    actions_.*command.action = action;
  }
  MenuActions& a = actions_;
  a.saveSettingsOnExit->setChecked(true);
  auto* timing = new QActionGroup(this);  // exactly one profile is checked
  for (QAction* item : {a.timingStandard, a.timingDatasheet}) timing->addAction(item);
  a.timingStandard->setChecked(true);
}

void MainWindow::CreateMenus() {
  // Each menu is made when its first item comes, so a submenu follows the
  // items listed before it.
  std::map<Menu, QMenu*> menus;
  const std::function<QMenu*(Menu)> menuFor = [&](Menu which) {
    if (QMenu* made = menus[which]) return made;
    const MenuTitle* m = std::find_if(std::begin(kMenus), std::end(kMenus),
                                      [which](const MenuTitle& t) { return t.menu == which; });
    const QString title = Tr(m->title);
    QMenu* made =
        m->parent == Menu::None ? menuBar()->addMenu(title) : menuFor(m->parent)->addMenu(title);
    made->setObjectName(QLatin1String(m->objectName));
    return menus[which] = made;
  };
  for (const WindowCommand& command : Commands()) {
    if (command.menu == Menu::None) continue;
    QMenu* menu = menuFor(command.menu);
    if (command.separatorBefore) menu->addSeparator();
    menu->addAction(actions_.*command.action);
  }
}

void MainWindow::CreateToolBar(QWidget* client) {
  toolBar_ = new QToolBar(client);
  toolBar_->setObjectName(QStringLiteral("toolBar"));
  toolBar_->setGeometry(0, 0, 618, 29);
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);
  toolBar_->setIconSize(QSize(20, 20));
  toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  std::map<int, QAction*> places;
  for (const WindowCommand& command : Commands())
    if (command.toolBarPlace >= 0) places[command.toolBarPlace] = actions_.*command.action;
  for (const auto& [place, action] : places) {
    if (place == kToolBarRightFrom) {
      auto* spacer = new QWidget(toolBar_);
      spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
      toolBar_->addWidget(spacer);
    }
    toolBar_->addAction(action);
    toolBar_->widgetForAction(action)->setFixedWidth(40);
  }
}

void MainWindow::CreateButtons(QWidget* client) {
  const QFont bold = BoldFont(font());
  for (const WindowCommand& command : Commands()) {
    if (command.button == nullptr) continue;
    auto* button = new QPushButton(Tr(command.buttonText), client);
    button->setObjectName(QLatin1String(command.buttonName));
    button->setFont(bold);
    button->setGeometry(16 + 99 * command.buttonPlace, kButtonRowTop, 90, 17);
    if (command.buttonHint != nullptr) button->setToolTip(Tr(command.buttonHint));
    buttons_.*command.button = button;
  }
}

}  // namespace lpt::app
