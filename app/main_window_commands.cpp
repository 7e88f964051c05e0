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

void TPic16f84::ConnectCommands() {
  const auto on = [this](const char* name, void (TPic16f84::*handler)()) {
    connect(Action(QLatin1String(name)), &QAction::triggered, this,
            [this, handler] { (this->*handler)(); });
  };
  on("Open1", &TPic16f84::Load1Click);
  on("Save1", &TPic16f84::Save1Click);
  on("ChangeDir1", &TPic16f84::ChangeDir1Click);
  on("ClearBuffers1", &TPic16f84::ClearBuffers1Click);
  on("ClearFuses1", &TPic16f84::ClearFuses1Click);
  on("ClearArea1", &TPic16f84::ClearArea1Click);
  on("Device2", &TPic16f84::Device2Click);
  on("ID1", &TPic16f84::Panel5Click);
  on("OutputPort1", &TPic16f84::OutputPort1Click);
  on("ScW1", &TPic16f84::ScW1Click);
  on("Delay1", &TPic16f84::Delay1Click);
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
      {"ProgramAll1", "Button1", &ProgramAllClick},
      {"ProgramonlyDatamemory1", nullptr, &ProgramDataClick},
      {"ProgramFuses1", "Button4", &ProgramFusesClick},
      {"Erase1", "Button3", &EraseClick},
      {"Verify1", "Button2", &VerifyClick},
      {"Blankcheck1", "Button5", &BlankClick},
      {"Read1", "ReadButton", &ReadClick},
  };
  for (const auto& item : kCommands) {
    const auto run = [this, command = item.command] { RunDeviceCommand(command); };
    connect(Action(QLatin1String(item.action)), &QAction::triggered, this, run);
    if (item.button != nullptr) {
      connect(Button(QLatin1String(item.button)), &QPushButton::clicked, this, run);
    }
  }

  connect(panel5_, &ClickPanel::clicked, this, &TPic16f84::Panel5Click);
  connect(panel15_, &ClickPanel::clicked, this, &TPic16f84::Panel15Click);
  connect(panel6_, &ClickPanel::clicked, this, &TPic16f84::Panel6Click);
}

CommandResult TPic16f84::RunDeviceCommand(CommandResult (*command)(OpContext&)) {
  return runner_.Run([this, command] {
    OpContext context{*protocol_, *delay_, *hooks_, device_, buffers_, opState_};
    return command(context);
  });
}

void TPic16f84::ClearBuffers1Click() {
  buffers_.Inic(device_);
  ClearFuses1Click();
}

void TPic16f84::ClearFuses1Click() {
  buffers_.FuseWord = 0x3FFF;
  ShowFusesWord(0x3FFF);
  buffers_.IdCaption = kBlankIdCaption;
  RefreshBufferViews();
}

void TPic16f84::ClearArea1Click() {
  if (ShowClearAreaDialog(this, device_, buffers_)) RefreshBufferViews();
}

void TPic16f84::Device2Click() {
  std::string name = device_.DeviceName;
  if (!ShowDeviceDialog(this, &name)) return;
  InicChip(name);
  // A device the user chose is what path.dat keeps.
  settings_.deviceName = device_.DeviceName;
  // The simulator holds a chip of the old device: put the new one in.
  if (simulatedPort_) OpenPortFromSettings();
}

void TPic16f84::Panel5Click() {
  if (ShowIdDialog(this, buffers_)) RefreshBufferViews();
}

void TPic16f84::Panel15Click() { ShowInfoDialog(this, device_); }

void TPic16f84::OutputPort1Click() {
  int address = settings_.portAddress;
  if (!ShowPortDialog(this, &address)) return;
  settings_.portAddress = address;
  // A port chosen now replaces one given on the command line.
  options_.portChoice.reset();
  OpenPortFromSettings();
}

void TPic16f84::ChangeDir1Click() { ShowDirDialog(this, &settings_.workDir, location_.ExeDir()); }

void TPic16f84::ScW1Click() {
  const bool standard = !standardColours_;
  ApplyColours(standard);
  settings_.stdColors = standard ? "YES" : "NO";
}

void TPic16f84::Delay1Click() {
  const bool on = Action(QStringLiteral("Delay1"))->isChecked();
  settings_.delayMode = on ? "true" : "false";
  if (protocol_) protocol_->SetDelayMode(settings_.delayMode);
}

void TPic16f84::Panel6Click() { opState_.ContinueFlag = false; }

}  // namespace lpt::app
