// SPDX-License-Identifier: GPL-2.0-or-later
// What each menu item, button and panel of the main window does: a thin
// call into the domain or a dialog, then the views follow the buffers.
#include <QAction>
#include <QPushButton>
#include <optional>
#include <string>

#include "app/chip_save_box.h"
#include "app/clear_area_dialog.h"
#include "app/click_panel.h"
#include "app/close_signals.h"
#include "app/dialog_launchers.h"
#include "app/dialog_port.h"
#include "app/fuse_panel.h"
#include "app/gui_hooks.h"
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "app/progress_panel.h"
#include "hw/port_choice.h"
#include "ops/stop_check.h"
#include "sim/sim_adapter.h"

namespace lpt::app {

void MainWindow::ConnectCommands() {
  const MenuActions& a = actions_;
  const auto on = [this](QAction* action, void (MainWindow::*handler)()) {
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
  };
  on(a.open, &MainWindow::onOpenFile);
  on(a.save, &MainWindow::onSaveFile);
  on(a.changeDir, &MainWindow::onChangeDir);
  on(a.clearBuffers, &MainWindow::onClearBuffers);
  on(a.clearFuses, &MainWindow::onClearFuses);
  on(a.clearArea, &MainWindow::onClearArea);
  on(a.selectDevice, &MainWindow::onSelectDevice);
  on(a.id, &MainWindow::onIdPanelClicked);
  on(a.outputPort, &MainWindow::onOutputPort);
  on(a.adapter, &MainWindow::onChooseAdapter);
  on(a.adapterTest, &MainWindow::onAdapterTest);
  on(a.standardColours, &MainWindow::onToggleStandardColours);
  on(a.delay, &MainWindow::onToggleDelay);
  connect(a.timingStandard, &QAction::triggered, this,
          [this] { SetTiming(TimingProfile::Standard); });
  connect(a.timingDatasheet, &QAction::triggered, this,
          [this] { SetTiming(TimingProfile::Datasheet); });
  connect(a.exit, &QAction::triggered, this, &QWidget::close);
  connect(a.help, &QAction::triggered, this, [this] { ShowHelpDialog(this); });
  connect(a.about, &QAction::triggered, this, [this] { ShowAboutDialog(this); });
  connect(a.homePage, &QAction::triggered, this, [] { OpenHomePage(); });

  // Device commands: menu item and button run the same function.
  const CommandButtons& b = buttons_;
  const struct {
    QAction* action;
    QPushButton* button;
    CommandResult (*command)(OpContext&);
  } kCommands[] = {
      {a.programAll, b.programAll, &ProgramAll},
      {a.programDataOnly, nullptr, &ProgramDataOnly},
      {a.programFusesOnly, b.programFusesOnly, &ProgramFusesOnly},
      {a.erase, b.erase, &EraseChip},
      {a.verify, b.verify, &VerifyChip},
      {a.blankCheck, b.blankCheck, &BlankCheck},
      {a.read, b.read, &ReadChip},
  };
  for (const auto& item : kCommands) {
    const auto run = [this, command = item.command] { RunDeviceCommand(command); };
    connect(item.action, &QAction::triggered, this, run);
    if (item.button != nullptr) connect(item.button, &QPushButton::clicked, this, run);
  }

  connect(idPanel_, &ClickPanel::clicked, this, &MainWindow::onIdPanelClicked);
  connect(infoPanel_, &ClickPanel::clicked, this, &MainWindow::onInfoPanelClicked);
  connect(progressPanel_, &ClickPanel::clicked, this, &MainWindow::onProgressPanelClicked);
}

CommandResult MainWindow::RunDeviceCommand(CommandResult (*command)(OpContext&)) {
  WarnIfTheBoardCannotPowerTheChip();
  // A click left over from an earlier command stops nothing.
  if (!runner_.Running()) hooks_->ClearStop();
  return runner_.Run([this, command] {
    OpContext context{*protocol_, *delay_, *hooks_, device_, buffers_, opState_};
    const CommandResult result = command(context);
    // The chip is off by now; a stop is told, never passed off as success.
    // (A signal's stop is no one's to read: the window closes.)
    if (result == CommandResult::Stopped && !CloseSignalled())
      ShowBox(this, BoxKind::Plain, QString::fromStdString(StoppedMessage(opState_)));
    // What the command did to a simulated chip is kept even if the program
    // is killed later.
    SaveSimulatedChipOrTell(this, port_.get());
    return result;
  });
}

void MainWindow::onClearBuffers() {
  SetBuffer(device_, buffers_);
  ShowFusesWord(buffers_.FuseWord);
  RefreshBufferViews();
}

void MainWindow::onClearFuses() {
  SetOnlyFusesId(buffers_);
  ShowFusesWord(buffers_.FuseWord);
  RefreshBufferViews();
}

void MainWindow::onClearArea() {
  if (ShowClearAreaDialog(this, device_, buffers_)) RefreshBufferViews();
}

void MainWindow::onSelectDevice() {
  std::string name = device_.name;
  if (!ShowDeviceDialog(this, &name)) return;
  SetUpDevice(name);
  // A device the user chose is what path.dat keeps.
  settings_.deviceName = device_.name;
  // The simulator holds a chip of the old device: put the new one in.
  if (!simulatedPort_) return;
  OpenPortFromSettings();
  // A chip file keeps the chip it names whatever is selected; every
  // command would then fail against it, so the user hears why now.
  auto* adapter = dynamic_cast<sim::SimAdapter*>(port_.get());
  std::string error;
  const std::optional<PortChoice> given =
      options_.portChoice ? ParsePortChoice(*options_.portChoice, &error) : std::nullopt;
  if (adapter == nullptr || !given || given->kind != PortChoice::Kind::SimulatorFile) return;
  const std::string& chip = adapter->chip().state().device;
  if (chip == device_.name) return;
  hooks_->WarningBox("The simulated chip in " + given->path + " is a " + chip + ", not the " +
                     device_.name + " selected: it stays in the socket.");
}

void MainWindow::onIdPanelClicked() {
  if (ShowIdDialog(this, buffers_)) RefreshBufferViews();
}

void MainWindow::onInfoPanelClicked() { ShowInfoDialog(this, device_); }

void MainWindow::onOutputPort() {
  // The dialog shows the port in use, which a command-line port overrides.
  int inUse = settings_.portAddress;
  std::string error;
  const std::optional<PortChoice> given =
      options_.portChoice ? ParsePortChoice(*options_.portChoice, &error) : std::nullopt;
  if (given) inUse = given->IsSimulator() ? kSimulatorAddress : given->address;
  int address = inUse;
  if (!ShowPortDialog(this, &address)) return;
  // Another port chosen now replaces one given on the command line; the
  // same one is kept with its details (a chip file, a device path).
  if (!given || address != inUse) {
    settings_.portAddress = address;
    options_.portChoice.reset();
  }
  // Always reopened, the same port too: that is how a user retries after
  // fixing what kept it from opening.
  OpenPortFromSettings();
}

void MainWindow::onChangeDir() { ShowDirDialog(this, &settings_.workDir, location_.ExeDir()); }

void MainWindow::onToggleStandardColours() {
  const bool standard = !standardColours_;
  ApplyColours(standard);
  settings_.stdColors = standard ? "YES" : "NO";
}

void MainWindow::onToggleDelay() {
  const bool on = actions_.delay->isChecked();
  settings_.delayMode = on ? "true" : "false";
  if (protocol_) protocol_->SetDelayMode(settings_.delayMode);
}

void MainWindow::SetTiming(TimingProfile profile) {
  opState_.timing = profile;
  settings_.timing = std::string(TimingProfileName(profile));
  const bool datasheet = profile == TimingProfile::Datasheet;
  actions_.timingDatasheet->setChecked(datasheet);
  actions_.timingStandard->setChecked(!datasheet);
}

void MainWindow::onProgressPanelClicked() {
  opState_.ContinueFlag = false;
  if (runner_.Running()) hooks_->RequestStop();
}

void MainWindow::StopAndClose() {
  if (runner_.Running()) onProgressPanelClicked();
  close();
}

}  // namespace lpt::app
