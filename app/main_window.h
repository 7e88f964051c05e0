// SPDX-License-Identifier: GPL-2.0-or-later
// MainWindow: the main window. It owns the device, the buffers, the port and
// the protocol, builds the views over them and wires every menu item,
// button and panel to the domain function that does the work.
#pragma once

#include <QDialog>
#include <QMainWindow>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "app/command_runner.h"
#include "app/settings_file.h"
#include "buffers/edit_buffers.h"
#include "buffers/fuse_switches.h"
#include "devices/active_device.h"
#include "devices/capabilities.h"
#include "hw/adapter.h"
#include "hw/delay.h"
#include "hw/pin_test.h"
#include "hw/port.h"
#include "hw/protocol.h"
#include "hw/wired_pins.h"
#include "ops/device_commands.h"

class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;
class QToolBar;

namespace lpt::app {

class ClickPanel;
class CommandEvents;
class DeskLoop;
class ProductionSetup;
class CommandFeedback;
class FusePanel;
class MemoryGridModel;
class ProgressPanel;
struct WindowCommand;

// A memory grid with its model and the group box around it.
struct MemoryView {
  QGroupBox* group = nullptr;
  MemoryGridModel* model = nullptr;
  QTableView* grid = nullptr;
};

// The menu commands by role; the tool bar shares five of them. Made from
// the window's command list (app/command_table.h).
struct MenuActions {
  QAction* open = nullptr;
  QAction* save = nullptr;
  QAction* changeDir = nullptr;
  QAction* exit = nullptr;
  QAction* clearBuffers = nullptr;
  QAction* clearFuses = nullptr;
  QAction* clearArea = nullptr;
  QAction* programAll = nullptr;
  QAction* programDataOnly = nullptr;
  QAction* programFusesOnly = nullptr;
  QAction* overwriteOsccal = nullptr;
  QAction* erase = nullptr;
  QAction* verify = nullptr;
  QAction* blankCheck = nullptr;
  QAction* read = nullptr;
  QAction* selectDevice = nullptr;
  QAction* detect = nullptr;
  QAction* id = nullptr;
  QAction* outputPort = nullptr;
  QAction* adapter = nullptr;
  QAction* adapterTest = nullptr;
  QAction* standardColours = nullptr;
  QAction* saveSettingsOnExit = nullptr;
  QAction* delay = nullptr;
  QAction* checkDeviceId = nullptr;
  QAction* timingStandard = nullptr;
  QAction* timingDatasheet = nullptr;
  QAction* help = nullptr;
  QAction* homePage = nullptr;
  QAction* about = nullptr;
};

// The device command buttons under the grids.
struct CommandButtons {
  QPushButton* read = nullptr;
  QPushButton* verify = nullptr;
  QPushButton* programAll = nullptr;
  QPushButton* programFusesOnly = nullptr;
  QPushButton* erase = nullptr;
  QPushButton* blankCheck = nullptr;
};

// How this run starts. The defaults are the program's; tests and the
// command line change single fields.
struct AppOptions {
  // Folder of path.dat. Empty: the executable's folder. Tests point it at a
  // temporary folder so they never touch a real settings file.
  QString exeDir;
  // Where path.dat goes when exeDir cannot hold it. Empty: the per-user
  // configuration folder (QStandardPaths::AppConfigLocation).
  QString fallbackDir;
  // --port SPEC and --device NAME: this run only; path.dat keeps its values.
  std::optional<std::string> portChoice;
  std::optional<std::string> deviceName;
  // --timing standard|datasheet: this run only, like --port.
  std::optional<TimingProfile> timing;
  // --adapter NAME: this run only; path.dat keeps its adapter.
  std::optional<std::string> adapterName;
  // The clock the waits run on. Null: real time. Tests pass a virtual clock.
  Delay* delay = nullptr;
  // Every port access is written here too (hw/trace.h) when set.
  std::ostream* portTrace = nullptr;
};

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(AppOptions options = {}, QWidget* parent = nullptr);
  ~MainWindow() override;

  // SetUpDevice: makes `name` the active device and lays the window out for it.
  void SetUpDevice(const std::string& name);

  // The file halves of File > Open / Save, after the dialog.
  void LoadHexPath(const QString& path);
  void SaveHexPath(const QString& path);

  // Starts a device command as its button does and returns at once; false
  // while another command runs. deviceCommandEnded tells the end.
  bool StartDeviceCommand(DeviceCommand command);
  // A close asked from outside (a signal): a running command is stopped
  // before its next word, then the window closes as its close button
  // closes it, once the command has ended.
  void StopAndClose();

  // The window's commands: menus, tool bar, buttons and panels are made and
  // switched from this list (app/command_table.cpp).
  static std::span<const WindowCommand> Commands();

  // Read access for the views' owners and tests. While a device command
  // runs (Busy) the buffers are the command's: not to be touched until
  // deviceCommandEnded.
  const ActiveDevice& Device() const { return device_; }
  EditBuffers& Buffers() { return buffers_; }
  const FuseSwitches& Fuses() const { return fuses_; }
  const SecondWordSwitches& SecondFuses() const { return secondFuses_; }
  OpState& State() { return opState_; }
  // What the running command reports, on the window's thread.
  CommandEvents& Events() { return *events_; }
  CommandFeedback& Feedback() { return *feedback_; }
  const Settings& CurrentSettings() const { return settings_; }
  const SettingsLocation& Location() const { return location_; }
  Port& CurrentPort() { return *port_; }
  const Adapter& CurrentAdapter() const { return adapter_; }
  // Why the adapter asked for could not be used (unknown name, a bad
  // adapters.conf); empty when it could.
  const std::string& AdapterProblem() const { return adapterProblem_; }
  // adapters.conf beside path.dat.
  std::string AdaptersFilePath() const;
  // The adapter dialog and the adapter test as their menu items create
  // them, placed and not yet shown (also for --screenshot-dialog).
  std::unique_ptr<QDialog> NewAdapterDialog();
  std::unique_ptr<QDialog> NewPinTestDialog();
  bool Busy() const { return runner_.Running(); }

  const MenuActions& Actions() const { return actions_; }
  const CommandButtons& Buttons() const { return buttons_; }
  QTableView* ProgramGrid() const { return program_.grid; }
  QTableView* DataGrid() const { return data_.grid; }
  FusePanel* FuseGroup() const { return fusePanel_; }
  QGroupBox* DataGroup() const { return data_.group; }
  ClickPanel* IdPanel() const { return idPanel_; }
  ClickPanel* InfoPanel() const { return infoPanel_; }
  ProgressPanel* Progress() const { return progressPanel_; }
  // How the last device command ended, until the next one starts.
  QLabel* StatusLine() const { return statusLine_; }
  // Dropped files, reloading before Program All, the checksum.
  DeskLoop& Desk() const { return *desk_; }
  // Serial numbers, the log and batches of Program All.
  ProductionSetup& Production() const { return *production_; }

 signals:
  // After a device command has ended and its boxes were shown.
  void deviceCommandEnded(lpt::CommandResult result);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // "Pic" + device + " - " + the file, relative to WorkDir.
  void ShowFileInCaption(const QString& path);
  // Building (main_window_menus.cpp).
  void CreateActions();
  void CreateMenus();
  void CreateToolBar(QWidget* client);
  void CreateButtons(QWidget* client);

  // Building and state (main_window.cpp).
  void CreateClientArea(QWidget* client);
  void ReadSettings();
  void ApplyColours(bool standard);
  void ApplyCapabilities(const Capabilities& layout);
  void RefreshBufferViews();
  // Both configuration words of the buffers on their switches.
  void ShowOnFuseSwitches();
  // The rows under the fuse group move down as far as the group has grown.
  void PlaceBelowFuses();
  void SetEditingEnabled(bool enabled);
  void OnDeviceCommandFinished(CommandResult result);
  void SaveSettingsAndClosePort();

  // Port and files (main_window_files.cpp). Opening returns why the port
  // could not be opened (empty when it could, or when the adapter is what
  // failed: AdapterProblem).
  std::string OpenPortFromSettings();
  void onOpenFile();
  void onSaveFile();

  // Handlers (main_window_commands.cpp).
  void ConnectCommands();
  void Run(const WindowCommand& command);
  bool StartDeviceCommand(const WindowCommand& command);
  void onClearBuffers();
  void onClearFuses();
  void onClearArea();
  void onSelectDevice();
  // Makes `name` the device the user chose (the device dialog, Detect).
  void SelectDeviceByUser(const std::string& name);
  // The end of Select > Detect: the part found is selected, else told.
  void ApplyDetection();
  void onIdPanelClicked();
  void onInfoPanelClicked();
  void onOutputPort();
  void onChangeDir();
  void onToggleStandardColours();
  void onToggleDelay();
  void onToggleCheckDeviceId();
  void onToggleOverwriteOsccal();
  void onTimingStandard() { SetTiming(TimingProfile::Standard); }
  void onTimingDatasheet() { SetTiming(TimingProfile::Datasheet); }
  void SetTiming(TimingProfile profile);
  void onHelp();
  void onAbout();
  void onHomePage();
  void onExit() { close(); }
  void onProgressPanelClicked();

  // The adapter (main_window_adapter.cpp).
  bool ResolveAdapter();
  void onChooseAdapter();
  // A box before a device command whose chip this board cannot power up
  // the way its configuration needs (hw/adapter_power_order.h).
  void WarnIfTheBoardCannotPowerTheChip();
  void onAdapterTest();

  AppOptions options_;
  SettingsLocation location_;
  Settings settings_;       // current values
  Settings startSettings_;  // as read at start-up
  bool standardColours_ = false;

  ActiveDevice device_;
  EditBuffers buffers_;
  // The buffers as a device command found them: the grids show these while
  // the command, which owns buffers_ until it ends, runs.
  EditBuffers buffersAtStart_;
  FuseSwitches fuses_;
  SecondWordSwitches secondFuses_;
  OpState opState_;

  std::unique_ptr<Delay> ownDelay_;
  Delay* delay_ = nullptr;
  std::unique_ptr<Port> port_;
  std::unique_ptr<Port> tracePort_;  // over port_ when options_.portTrace is set
  std::unique_ptr<WiredPins> pins_;  // the adapter's wiring over port_ (or tracePort_)
  Adapter adapter_ = DefaultAdapter();
  std::vector<Adapter> userAdapters_;
  std::string adaptersFileError_;
  std::vector<std::string> adaptersFileWarnings_;
  std::string adapterProblem_;
  std::unique_ptr<PinTest> pinTest_;  // the adapter test's lines
  CommandEvents* events_ = nullptr;
  CommandFeedback* feedback_ = nullptr;
  std::unique_ptr<Protocol> protocol_;
  CommandRunner runner_;
  const WindowCommand* running_ = nullptr;  // the device command under way
  // What the command under way wrote and how long it took (set on its
  // thread, read once it has ended), and its remark on the result.
  std::optional<ProgramSummary> summary_;
  std::uint64_t tookUs_ = 0;
  QString notice_;
  bool exitDone_ = false;
  bool closeFromOutside_ = false;  // StopAndClose asked: no stop message to read
  bool simulatedPort_ = false;     // the simulator models the device's chip

  MenuActions actions_;
  CommandButtons buttons_;
  QWidget* client_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  MemoryView program_;
  MemoryView data_;
  FusePanel* fusePanel_ = nullptr;
  ClickPanel* idPanel_ = nullptr;
  ClickPanel* infoPanel_ = nullptr;
  ProgressPanel* progressPanel_ = nullptr;
  QLabel* statusLine_ = nullptr;
  DeskLoop* desk_ = nullptr;
  ProductionSetup* production_ = nullptr;
  bool productionRun_ = false;  // the command under way is a batch
};

}  // namespace lpt::app
