// SPDX-License-Identifier: GPL-2.0-or-later
// What each menu item, button and panel of the main window does: a thin
// call into the domain or a dialog, then the views follow the buffers.
#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <optional>
#include <string>
#include <utility>

#include "app/chip_save_box.h"
#include "app/clear_area_dialog.h"
#include "app/click_panel.h"
#include "app/command_events.h"
#include "app/command_feedback.h"
#include "app/command_status.h"
#include "app/command_table.h"
#include "app/desk_loop.h"
#include "app/detect_result.h"
#include "app/dialog_launchers.h"
#include "app/dialog_port.h"
#include "app/fuse_panel.h"
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "app/production_setup.h"
#include "app/progress_panel.h"
#include "app/words_left_out.h"
#include "hw/port_choice.h"
#include "ops/device_id.h"
#include "ops/stop_check.h"
#include "sim/sim_adapter.h"

namespace lpt::app {

void MainWindow::ConnectCommands() {
  for (const WindowCommand& command : Commands()) {
    if (command.deviceCommand == nullptr && command.handler == nullptr) continue;
    const auto run = [this, &command] { Run(command); };
    if (command.action != nullptr)
      connect(actions_.*command.action, &QAction::triggered, this, run);
    if (command.button != nullptr)
      connect(buttons_.*command.button, &QPushButton::clicked, this, run);
    if (command.panel != nullptr) connect(this->*command.panel, &ClickPanel::clicked, this, run);
  }
  connect(progressPanel_, &ClickPanel::clicked, this, &MainWindow::onProgressPanelClicked);
}

void MainWindow::Run(const WindowCommand& command) {
  // An erase cannot be taken back: the user says so first.
  if (command.deviceCommand == &EraseChip &&
      !AskToContinue(
          this,
          QCoreApplication::translate("MainWindow", "Erase the chip? Everything it holds is lost."),
          QT_TRANSLATE_NOOP("Messages", "Erase")))
    return;
  if (command.deviceCommand != nullptr) {
    StartDeviceCommand(command);
  } else {
    (this->*command.handler)();
  }
}

bool MainWindow::StartDeviceCommand(DeviceCommand command) {
  for (const WindowCommand& row : Commands())
    if (row.deviceCommand == command) return StartDeviceCommand(row);
  return false;
}

bool MainWindow::StartDeviceCommand(const WindowCommand& command) {
  if (runner_.Running()) return false;
  // The file the user just rebuilt, not the one loaded before it.
  DeskLoop::Reload reload = DeskLoop::Reload::Unchanged;
  if (command.deviceCommand == &ProgramAll) reload = desk_->ReloadIfChanged();
  if (reload == DeskLoop::Reload::Failed) return false;
  // A chip holding half a firmware is never what the user wanted.
  if (command.deviceCommand == &ProgramAll && loadedFileWords_.unheldCount > 0) {
    const std::string warning = UnheldWordsWarning(loadedPath_, device_, loadedFileWords_);
    if (!AskToContinue(this, QString::fromStdString(warning))) return false;
  }
  // Blank buffers with no file behind them would program a blank image
  // and call it a success. A batch is left to its own setup: its serial
  // numbers may be all it writes.
  if (command.deviceCommand == &ProgramAll && !production_->Active() &&
      desk_->OpenFile().isEmpty() && BuffersBlank(device_, buffers_)) {
    const QString nothing = QCoreApplication::translate(
        "MainWindow",
        "Nothing is loaded: the buffers are blank. Open a HEX file, read a chip or type the "
        "words first.");
    statusLine_->setText(ResultCaption(command.text) + QStringLiteral(": ") + nothing);
    ShowBox(this, BoxKind::Warning, nothing);
    return false;
  }
  productionRun_ = command.deviceCommand == &ProgramAll && production_->Active();
  if (productionRun_) {
    std::string error;
    if (!production_->Prepare(desk_->OpenFile(), &error)) {
      productionRun_ = false;
      ShowBox(this, BoxKind::Error, QString::fromStdString(error));
      return false;
    }
  }
  WarnIfTheBoardCannotPowerTheChip();
  // The warning's box lets a signal close the window meanwhile.
  if (exitDone_) return false;
  // A click left over from an earlier command stops nothing.
  opState_.stopRequested = false;
  running_ = &command;
  feedback_->Begin(command.okMark);
  statusLine_->clear();
  summary_.reset();
  notice_.clear();
  if (reload == DeskLoop::Reload::Reloaded) notice_ = desk_->ReloadedNotice();
  SetEditingEnabled(false);
  const DeviceCommand run = command.deviceCommand;
  const bool batch = productionRun_;
  return runner_.Start([this, run, batch] {
    OpContext context{*protocol_, *delay_, *events_, device_, buffers_, opState_};
    context.allowProtected = true;  // the window shows it as a warning
    const std::uint64_t start = delay_->NowUs();
    const CommandResult result = batch ? production_->Run(context) : run(context);
    tookUs_ = delay_->NowUs() - start;
    // Only a program command names the device it wrote.
    if (!context.summary.device.empty()) summary_ = context.summary;
    return result;
  });
}

void MainWindow::OnDeviceCommandFinished(CommandResult result) {
  // A batch's summary follows the line of its last chip, however it ended.
  QString batch;
  if (std::exchange(productionRun_, false)) batch = production_->Finish();
  if (running_ != nullptr) {
    QString status = CommandStatusText({.command = ResultCaption(running_->text),
                                        .result = result,
                                        .summary = summary_ ? &*summary_ : nullptr,
                                        .tookUs = tookUs_,
                                        .notice = notice_});
    if (!batch.isEmpty()) status += QStringLiteral(" — ") + batch;
    // Detect tells what it found, never a bare "Ok".
    if (running_->deviceCommand == &DetectDevice && result == CommandResult::Ok)
      status = ResultCaption(running_->text) + QStringLiteral(": ") +
               DetectReportOf(DetectionOf(opState_.deviceIdRead), device_).result;
    statusLine_->setText(status);
  }
  const WindowCommand* ended = std::exchange(running_, nullptr);
  opState_.ignoreWrongDevice = false;
  opState_.allowLowVoltageOff = false;
  SetEditingEnabled(true);
  // A program pass may rewrite FuseWord (EPROM families); a read took them
  // all. The views follow once the buffers are the window's again.
  RefreshBufferViews();
  ShowOnFuseSwitches();
  // What the command did to a simulated chip is kept even if the program
  // is killed later.
  SaveSimulatedChipOrTell(this, port_.get());
  // The chip is off by now; a stop is told, never passed off as success
  // (a signal's stop is no one's to read: the window closes).
  const bool toldStop = result == CommandResult::Stopped && !closeFromOutside_;
  const bool insist =
      feedback_->Finish(toldStop ? QString::fromStdString(StoppedMessage(opState_)) : QString());
  emit deviceCommandEnded(result);
  if (runner_.ClosePending()) {
    close();
    return;
  }
  if (ended != nullptr && ended->deviceCommand == &DetectDevice && result == CommandResult::Ok)
    ApplyDetection();
  // Continue after the chip proved another part, or after the warning that
  // the configuration switches low-voltage entry off: the same command once
  // more, writing it all the same.
  if (insist && ended != nullptr) {
    if (feedback_->InsistedOn() == FailureKind::LowVoltageOff)
      opState_.allowLowVoltageOff = true;
    else
      opState_.ignoreWrongDevice = true;
    StartDeviceCommand(*ended);
  }
}

void MainWindow::ApplyDetection() {
  const DetectReport report = DetectReportOf(DetectionOf(opState_.deviceIdRead), device_);
  if (!report.box.isEmpty()) ShowBox(this, BoxKind::Plain, report.box);
  if (!report.offer.empty() &&
      AskToContinue(this, DetectOfferQuestion(report), QT_TRANSLATE_NOOP("Messages", "Select it")))
    SelectDeviceByUser(report.offer);
}

void MainWindow::onClearBuffers() {
  SetBuffer(device_, buffers_);
  loadedFileWords_ = {};
  ShowOnFuseSwitches();
  RefreshBufferViews();
}

void MainWindow::onClearFuses() {
  SetOnlyFusesId(buffers_);
  ShowOnFuseSwitches();
  RefreshBufferViews();
}

void MainWindow::onClearArea() {
  if (ShowClearAreaDialog(this, device_, buffers_)) RefreshBufferViews();
}

void MainWindow::onSelectDevice() {
  std::string name = device_.name;
  if (ShowDeviceDialog(this, &name)) SelectDeviceByUser(name);
}

void MainWindow::SelectDeviceByUser(const std::string& name) {
  // The same part again keeps the buffers as they are.
  if (name == device_.name) {
    settings_.deviceName = device_.name;
    return;
  }
  // The buffers of the old part: what the user typed or read from a chip
  // with no file behind it would be lost with them.
  const QString file = desk_->OpenFile();
  if (file.isEmpty() && !BuffersBlank(device_, buffers_) &&
      !AskToContinue(this, QCoreApplication::translate(
                               "MainWindow",
                               "The buffers hold words no file keeps; another part starts "
                               "with blank buffers. Change the part?")))
    return;
  const ActiveDevice before = device_;
  const EditBuffers held = buffers_;
  SetUpDevice(name);
  // A device the user chose is what path.dat keeps.
  settings_.deviceName = device_.name;
  // The open file is read again for the new part, so its words stay in
  // the buffers and its name in the caption.
  if (!file.isEmpty()) {
    LoadHexPath(file);
    const LeftOut left = WordsLeftOut(before, held, device_);
    if (left.programWords + left.dataBytes > 0)
      ShowBox(this, BoxKind::Warning, LeftOutText(QFileInfo(file).fileName(), device_, left));
  }
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
  ShowBox(
      this, BoxKind::Warning,
      QString::fromStdString("The simulated chip in " + given->path + " is a " + chip +
                             ", not the " + device_.name + " selected: it stays in the socket."));
}

void MainWindow::onIdPanelClicked() {
  if (ShowIdDialog(this, buffers_, FileIdDigits(loadedFileWords_))) RefreshBufferViews();
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
  // Always reopened on OK, the same port too: that is how a user retries
  // after fixing what kept it from opening. A port that does not open is
  // told while the dialog is still there to choose another; the port in
  // use before comes back.
  const auto openPort = [&](int chosen) {
    const int oldAddress = settings_.portAddress;
    const std::optional<std::string> oldChoice = options_.portChoice;
    // Another port chosen now replaces one given on the command line; the
    // same one is kept with its details (a chip file, a device path).
    if (!given || chosen != inUse) {
      settings_.portAddress = chosen;
      options_.portChoice.reset();
    }
    const std::string problem = OpenPortFromSettings();
    if (!problem.empty()) {
      settings_.portAddress = oldAddress;
      options_.portChoice = oldChoice;
      OpenPortFromSettings();
    }
    return problem;
  };
  ShowPortDialog(this, &address, openPort);
}

void MainWindow::onChangeDir() { ShowDirDialog(this, &settings_.workDir, defaultWorkDir_); }

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

void MainWindow::onToggleLowVoltageProbe() {
  opState_.lowVoltageProbe = actions_.lowVoltageProbe->isChecked();
  settings_.lowVoltageProbe = opState_.lowVoltageProbe ? "true" : "false";
}

void MainWindow::onToggleCheckDeviceId() {
  opState_.checkDeviceId = actions_.checkDeviceId->isChecked();
  settings_.checkDeviceId = opState_.checkDeviceId ? "true" : "false";
}

void MainWindow::onToggleOverwriteOsccal() {
  opState_.overwriteOsccal = actions_.overwriteOsccal->isChecked();
}

void MainWindow::SetTiming(TimingProfile profile) {
  opState_.timing = profile;
  settings_.timing = std::string(TimingProfileName(profile));
  const bool datasheet = profile == TimingProfile::Datasheet;
  actions_.timingDatasheet->setChecked(datasheet);
  actions_.timingStandard->setChecked(!datasheet);
}

void MainWindow::onHelp() { ShowHelpDialog(this); }
void MainWindow::onAbout() { ShowAboutDialog(this); }
void MainWindow::onHomePage() { OpenHomePage(); }

void MainWindow::onProgressPanelClicked() {
  if (runner_.Running()) opState_.stopRequested = true;
}

void MainWindow::StopAndClose() {
  closeFromOutside_ = true;
  onProgressPanelClicked();
  close();
}

}  // namespace lpt::app
