// What each menu item, button and panel of the main window does: a thin
// call into the domain or a dialog, then the views follow the buffers.
#include <QAction>
#include <QPushButton>

#include "app/clear_area_dialog.h"
#include "app/click_panel.h"
#include "app/dialog_launchers.h"
#include "app/fuse_panel.h"
#include "app/gui_hooks.h"
#include "app/main_window.h"
#include "app/progress_panel.h"

namespace lpt::app {

void MainWindow::ConnectCommands() {
  const auto on = [this](const char* name, void (MainWindow::*handler)()) {
    connect(Action(QLatin1String(name)), &QAction::triggered, this,
            [this, handler] { (this->*handler)(); });
  };
  on("Open1", &MainWindow::Load1Click);
  on("Save1", &MainWindow::Save1Click);
  on("ChangeDir1", &MainWindow::ChangeDir1Click);
  on("ClearBuffers1", &MainWindow::ClearBuffers1Click);
  on("ClearFuses1", &MainWindow::ClearFuses1Click);
  on("ClearArea1", &MainWindow::ClearArea1Click);
  on("Device2", &MainWindow::Device2Click);
  on("ID1", &MainWindow::Panel5Click);
  on("OutputPort1", &MainWindow::OutputPort1Click);
  on("ScW1", &MainWindow::ScW1Click);
  on("Delay1", &MainWindow::Delay1Click);
  connect(Action(QStringLiteral("TimingStandard1")), &QAction::triggered, this,
          [this] { SetTiming(TimingProfile::Standard); });
  connect(Action(QStringLiteral("TimingDatasheet1")), &QAction::triggered, this,
          [this] { SetTiming(TimingProfile::Datasheet); });
  connect(Action(QStringLiteral("Exit1")), &QAction::triggered, this, &QWidget::close);
  connect(Action(QStringLiteral("Help1")), &QAction::triggered, this,
          [this] { ShowHelpDialog(this); });
  connect(Action(QStringLiteral("About1")), &QAction::triggered, this,
          [this] { ShowAboutDialog(this); });
  connect(Action(QStringLiteral("HomePage1")), &QAction::triggered, this, [] { OpenHomePage(); });

  // Device commands: menu item and button run the same function.
  const struct {
    const char* action;
    const char* button;
    CommandResult (*command)(OpContext&);
  } kCommands[] = {
      {"ProgramAll1", "Button1", &ProgramAll},
      {"ProgramonlyDatamemory1", nullptr, &ProgramDataOnly},
      {"ProgramFuses1", "Button4", &ProgramFusesOnly},
      {"Erase1", "Button3", &EraseChip},
      {"Verify1", "Button2", &VerifyChip},
      {"Blankcheck1", "Button5", &BlankCheck},
      {"Read1", "ReadButton", &ReadChip},
  };
  for (const auto& item : kCommands) {
    const auto run = [this, command = item.command] { RunDeviceCommand(command); };
    connect(Action(QLatin1String(item.action)), &QAction::triggered, this, run);
    if (item.button != nullptr) {
      connect(Button(QLatin1String(item.button)), &QPushButton::clicked, this, run);
    }
  }

  connect(panel5_, &ClickPanel::clicked, this, &MainWindow::Panel5Click);
  connect(panel15_, &ClickPanel::clicked, this, &MainWindow::Panel15Click);
  connect(panel6_, &ClickPanel::clicked, this, &MainWindow::Panel6Click);
}

CommandResult MainWindow::RunDeviceCommand(CommandResult (*command)(OpContext&)) {
  return runner_.Run([this, command] {
    OpContext context{*protocol_, *delay_, *hooks_, device_, buffers_, opState_};
    return command(context);
  });
}

void MainWindow::ClearBuffers1Click() {
  SetBuffer(device_, buffers_);
  ShowFusesWord(buffers_.FuseWord);
  RefreshBufferViews();
}

void MainWindow::ClearFuses1Click() {
  SetOnlyFusesId(buffers_);
  ShowFusesWord(buffers_.FuseWord);
  RefreshBufferViews();
}

void MainWindow::ClearArea1Click() {
  if (ShowClearAreaDialog(this, device_, buffers_)) RefreshBufferViews();
}

void MainWindow::Device2Click() {
  std::string name = device_.name;
  if (!ShowDeviceDialog(this, &name)) return;
  SetUpDevice(name);
  // A device the user chose is what path.dat keeps.
  settings_.deviceName = device_.name;
  // The simulator holds a chip of the old device: put the new one in.
  if (simulatedPort_) OpenPortFromSettings();
}

void MainWindow::Panel5Click() {
  if (ShowIdDialog(this, buffers_)) RefreshBufferViews();
}

void MainWindow::Panel15Click() { ShowInfoDialog(this, device_); }

void MainWindow::OutputPort1Click() {
  int address = settings_.portAddress;
  if (!ShowPortDialog(this, &address)) return;
  settings_.portAddress = address;
  // A port chosen now replaces one given on the command line.
  options_.portChoice.reset();
  OpenPortFromSettings();
}

void MainWindow::ChangeDir1Click() { ShowDirDialog(this, &settings_.workDir, location_.ExeDir()); }

void MainWindow::ScW1Click() {
  const bool standard = !standardColours_;
  ApplyColours(standard);
  settings_.stdColors = standard ? "YES" : "NO";
}

void MainWindow::Delay1Click() {
  const bool on = Action(QStringLiteral("Delay1"))->isChecked();
  settings_.delayMode = on ? "true" : "false";
  if (protocol_) protocol_->SetDelayMode(settings_.delayMode);
}

void MainWindow::SetTiming(TimingProfile profile) {
  opState_.timing = profile;
  settings_.timing = std::string(TimingProfileName(profile));
  const bool datasheet = profile == TimingProfile::Datasheet;
  Action(QStringLiteral("TimingDatasheet1"))->setChecked(datasheet);
  Action(QStringLiteral("TimingStandard1"))->setChecked(!datasheet);
}

void MainWindow::Panel6Click() { opState_.ContinueFlag = false; }

}  // namespace lpt::app
