// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <algorithm>

#include "app/chip_save_box.h"
#include "app/click_panel.h"
#include "app/command_events.h"
#include "app/command_feedback.h"
#include "app/command_table.h"
#include "app/desk_loop.h"
#include "app/dialog_id.h"
#include "app/dialog_support.h"
#include "app/fuse_panel.h"
#include "app/fuse_panel_geometry.h"
#include "app/hint_delay_style.h"
#include "app/memory_grid.h"
#include "app/memory_grid_model.h"
#include "app/message_boxes.h"
#include "app/production_setup.h"
#include "app/progress_panel.h"
#include "app/unreadable_settings.h"
#include "app/window_placement.h"
#include "hw/real_delay.h"

namespace lpt::app {

namespace {

// Colours of the window's own scheme (RGB).
constexpr unsigned kWindowColor = 0xB8A0A5;
constexpr unsigned kProgramGridColor = 0xAEBDB0;
constexpr unsigned kDataGridColor = 0xDEAD98;
constexpr unsigned kIdPanelColor = 0x7495B6;
constexpr unsigned kInfoPanelColor = 0xAEBDB0;

// Where a memory group sits in the client area; its grid fills it inside
// the group's frame and caption.
struct MemoryViewPlace {
  GridKind kind;
  const char* caption;
  const char* groupName;
  const char* gridName;
  QRect geometry;
  int columnWidth;
};
constexpr MemoryViewPlace kProgramView{
    GridKind::Program,       QT_TRANSLATE_NOOP("MainWindow", "Program Memory "),
    "programGroup",          "programGrid",
    QRect(18, 32, 335, 154), 30};
constexpr MemoryViewPlace kDataView{GridKind::Data,
                                    QT_TRANSLATE_NOOP("MainWindow", "Data Memory "),
                                    "dataGroup",
                                    "dataGrid",
                                    QRect(366, 32, 235, 154),
                                    20};

QString ExecutableDir(const QString& configured) {
  QString dir = configured.isEmpty() ? QCoreApplication::applicationDirPath() : configured;
  // ExeDir ends in a separator, as WorkDir defaults to it.
  if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
  return QDir::toNativeSeparators(dir);
}

// A portable copy works in its own folder; an installed one in the user's
// documents folder, or home when there is none that can be written.
QString DefaultWorkFolder(const SettingsLocation& location, const QString& configured) {
  if (location.Portable()) return QString::fromStdString(location.ExeDir());
  if (!configured.isEmpty()) return QDir::toNativeSeparators(configured);
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QFileInfo info(documents);
  if (!documents.isEmpty() && info.isDir() && info.isWritable())
    return QDir::toNativeSeparators(documents);
  return QDir::toNativeSeparators(QDir::homePath());
}

QString WorkFolderNote(WorkFolderProblem problem, const QString& saved, const QString& used) {
  switch (problem) {
    case WorkFolderProblem::None:
      break;
    case WorkFolderProblem::Missing:
      if (saved.isEmpty()) break;
      return QCoreApplication::translate(
                 "MainWindow", "The working folder %1 does not exist: Open and Save start in %2.")
          .arg(saved, used);
    case WorkFolderProblem::NotWritable:
      return QCoreApplication::translate("MainWindow",
                                         "The working folder %1 cannot be written: Save starts "
                                         "in %2.")
          .arg(saved, used);
    case WorkFolderProblem::ProgramFolder:
      return QCoreApplication::translate(
                 "MainWindow", "The working folder %1 is the program's own folder: now %2.")
          .arg(saved, used);
  }
  return {};
}

QString FallbackDir(const QString& configured) {
  if (!configured.isEmpty()) return configured;
  return QString::fromStdString(UserSettingsFolder());
}

}  // namespace

MainWindow::MainWindow(AppOptions options, QWidget* parent)
    : QMainWindow(parent),
      options_(std::move(options)),
      location_(ExecutableDir(options_.exeDir).toStdString(),
                FallbackDir(options_.fallbackDir).toStdString()),
      events_(new CommandEvents(this)) {
  setObjectName(QStringLiteral("MainWindow"));
  // The dialogs' font: the fixed geometry was laid out for it.
  setFont(DialogFont());

  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("ClientArea"));
  client_->setMinimumSize(kClientSize);
  client_->setAutoFillBackground(true);
  // The grids grow with the window; everything under them moves down.
  client_->installEventFilter(this);
  setCentralWidget(client_);

  CreateActions();
  CreateMenus();
  CreateToolBar(client_);
  CreateClientArea(client_);
  CreateButtons(client_);
  ConnectCommands();
  ApplyColours(false);
  // How the last command ended, whole: it wraps under the buttons and the
  // window grows to hold it. It can be selected and copied.
  statusLine_ = new QLabel(client_);
  statusLine_->setObjectName(QStringLiteral("statusLine"));
  statusLine_->setWordWrap(true);
  statusLine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  statusLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  statusBar()->setSizeGripEnabled(true);
  portLabel_ = new QLabel(this);
  portLabel_->setObjectName(QStringLiteral("portLabel"));
  statusBar()->addPermanentWidget(portLabel_);
  desk_ = new DeskLoop(*this);
  production_ = new ProductionSetup(*this);
  const auto showChecksum = [this] { desk_->ShowChecksum(device_, buffers_); };
  connect(program_.model, &QAbstractItemModel::dataChanged, this, showChecksum);
  connect(data_.model, &QAbstractItemModel::dataChanged, this, showChecksum);
  connect(fusePanel_, &FusePanel::fuseWordChanged, this, showChecksum);
  connect(events_, &CommandEvents::notice, this, [this](const QString& text) { notice_ = text; });
  feedback_ = new CommandFeedback(this, progressPanel_, *events_);
  connect(events_, &CommandEvents::commandStarted, this, [this] {
    if (running_ != nullptr && running_->namesDeviceInCaption)
      setWindowTitle(QStringLiteral("Pic") + QString::fromStdString(device_.name));
  });
  connect(&runner_, &CommandRunner::finished, this, &MainWindow::OnDeviceCommandFinished);
  // Esc stops a running command as a click on the progress panel does.
  auto* stop = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  stop->setObjectName(QStringLiteral("stopShortcut"));
  connect(stop, &QShortcut::activated, this, &MainWindow::onProgressPanelClicked);

  if (options_.delay != nullptr) {
    delay_ = options_.delay;
  } else {
    ownDelay_ = std::make_unique<RealDelay>();
    delay_ = ownDelay_.get();
  }

  ReadSettings();
  SetUpDevice(options_.deviceName.value_or(settings_.deviceName));
  // The simulator sizes a new chip file for the device, so the port opens
  // once the device is known.
  OpenPortFromSettings();
  // path.dat keeps its own device line unless the user picks a device, so
  // a --device run or an unknown name is saved as the catalogue makes it.
  ActiveDevice fromFile;
  SelectDevice(fromFile, startSettings_.deviceName);
  settings_.deviceName = fromFile.name;
  Reflow();
  // The keyboard starts in the program memory.
  program_.grid->setFocus();
}

MainWindow::~MainWindow() {
  // A command still under way (the window is destroyed, not closed) owns
  // the port and the buffers: it stops at its next word.
  opState_.stopRequested = true;
  runner_.Wait();
  // The protocol refers to the port, the port to the clock.
  protocol_.reset();
  port_.reset();
}

void MainWindow::CreateClientArea(QWidget* client) {
  for (auto [view, place] : {std::pair{&program_, &kProgramView}, std::pair{&data_, &kDataView}}) {
    view->group = new QGroupBox(QCoreApplication::translate("MainWindow", place->caption), client);
    view->group->setObjectName(QLatin1String(place->groupName));
    view->group->setGeometry(place->geometry);
    SetGroupFrame(view->group);
    view->model = new MemoryGridModel(place->kind, buffers_, device_, this);
    view->grid = MakeMemoryGrid(view->group, QLatin1String(place->gridName), view->model,
                                place->columnWidth);
    view->grid->setGeometry(8, 16, place->geometry.width() - 16, place->geometry.height() - 24);
  }

  fusePanel_ =
      new FusePanel(fuses_, buffers_.FuseWord, secondFuses_, buffers_.SecondFuseWord, client);

  const QFont bold = BoldFont(font());
  infoPanel_ = new ClickPanel(client);
  infoPanel_->setObjectName(QStringLiteral("infoPanel"));
  infoPanel_->setText(QStringLiteral("?"));
  infoPanel_->setFont(bold);
  infoPanel_->setAlignment(Qt::AlignCenter);
  infoPanel_->setGeometry(kInfoPanelRect);
  infoPanel_->SetColor(kInfoPanelColor);
  infoPanel_->setCursor(Qt::PointingHandCursor);
  infoPanel_->hide();

  idPanel_ = new ClickPanel(client);
  idPanel_->setObjectName(QStringLiteral("idPanel"));
  idPanel_->setText(IdPanelText(buffers_.IdDigits()));
  idPanel_->setFont(bold);
  idPanel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  idPanel_->setGeometry(kIdPanelRect);
  idPanel_->SetColor(kIdPanelColor);
  idPanel_->setToolTip(QCoreApplication::translate("MainWindow", "User data"));
  idPanel_->setCursor(Qt::PointingHandCursor);

  progressPanel_ = new ProgressPanel(client);
}

void MainWindow::ReadSettings() {
  // The pause before tool tips is the style's; wrap the style once.
  if (qApp->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay) != kToolTipDelayMs) {
    qApp->setStyle(new HintDelayStyle(qApp->style()->name()));
  }

  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect desk = screen->geometry();
    const Placement at = PlaceMainWindow(desk.width(), desk.height(), width(), height());
    move(desk.left() + at.left, desk.top() + at.top);
  }

  bool notSettings = false;
  const std::string settingsPath = location_.PathToRead();
  defaultWorkDir_ = DefaultWorkFolder(location_, options_.userDir).toStdString();
  settings_ = ReadSettingsFile(settingsPath, defaultWorkDir_, &notSettings);
  if (notSettings) SetAsideUnreadableSettings(this, settingsPath);
  // A folder that is gone or cannot be written stays saved (a drive may
  // come back) while the dialogs start in the default one; the program's
  // own folder, the default of earlier versions, and an empty line are
  // replaced.
  const WorkFolderProblem problem =
      CheckWorkFolder(settings_.workDir, location_.ExeDir(), location_.Portable());
  statusLine_->setText(WorkFolderNote(problem, QString::fromStdString(settings_.workDir),
                                      QString::fromStdString(defaultWorkDir_)));
  if (problem == WorkFolderProblem::ProgramFolder || settings_.workDir.empty())
    settings_.workDir = defaultWorkDir_;
  startSettings_ = settings_;
  actions_.saveSettingsOnExit->setChecked(settings_.saveFlag != "NO");
  ApplyColours(settings_.stdColors == "YES");
  actions_.delay->setChecked(settings_.delayMode == "true");
  actions_.checkDeviceId->setChecked(settings_.checkDeviceId == "true");
  opState_.checkDeviceId = settings_.checkDeviceId == "true";
  actions_.lowVoltageProbe->setChecked(settings_.lowVoltageProbe != "false");
  opState_.lowVoltageProbe = settings_.lowVoltageProbe != "false";
  SetTiming(ParseTimingProfile(settings_.timing).value_or(TimingProfile::Standard));
  if (options_.timing) {  // this run only: path.dat keeps its profile
    const std::string saved = settings_.timing;
    SetTiming(*options_.timing);
    settings_.timing = saved;
  }
}

void MainWindow::ApplyColours(bool standard) {
  standardColours_ = standard;
  const QColor window = standard ? QApplication::style()->standardPalette().color(QPalette::Window)
                                 : QColor::fromRgb(kWindowColor);
  SetPaletteColour(client_, QPalette::Window, window);
  SetPaletteColour(fusePanel_, QPalette::Window, window);
  SetPaletteColour(program_.grid, QPalette::Base,
                   standard ? QColor(Qt::white) : QColor::fromRgb(kProgramGridColor));
  SetPaletteColour(data_.grid, QPalette::Base,
                   standard ? QColor(Qt::white) : QColor::fromRgb(kDataGridColor));
  if (actions_.standardColours != nullptr) actions_.standardColours->setChecked(standard);
}

void MainWindow::SetUpDevice(const std::string& name) {
  lpt::SetUpDevice(device_, buffers_, name);
  loadedFileWords_ = {};
  fuses_.ApplyLayout(device_.fuseLayout);
  secondFuses_.ApplyLayout(device_.fuseLayout);
  ApplyCapabilities(CapabilitiesOf(device_.fuseLayout));
  setWindowTitle(QStringLiteral("Pic") + QString::fromStdString(device_.name));
  program_.model->Reset();
  data_.model->Reset();
  fusePanel_->Refresh();
  Reflow();
  if (desk_ != nullptr) desk_->ShowChecksum(device_, buffers_);
  QCoreApplication::processEvents();
}

void MainWindow::ApplyCapabilities(const Capabilities& layout) {
  data_.group->setVisible(layout.dataEeprom);
  for (const WindowCommand& command : Commands()) {
    if (command.needs == nullptr) continue;
    const bool offered = layout.*command.needs;
    if (command.action != nullptr) (actions_.*command.action)->setEnabled(offered && !Busy());
    if (command.button != nullptr) (buttons_.*command.button)->setVisible(offered);
    if (command.panel != nullptr) (this->*command.panel)->setVisible(offered);
  }
}

void MainWindow::RefreshBufferViews() {
  program_.model->Refresh();
  data_.model->Refresh();
  idPanel_->setText(IdPanelText(buffers_.IdDigits()));
  if (desk_ != nullptr) desk_->ShowChecksum(device_, buffers_);
}

void MainWindow::ShowOnFuseSwitches() {
  fuses_.ShowFuses(buffers_.FuseWord);
  secondFuses_.ShowFuses(buffers_.SecondFuseWord);
  fusePanel_->Refresh();
  if (desk_ != nullptr) desk_->ShowChecksum(device_, buffers_);
}

void MainWindow::Reflow() {
  if (statusLine_ == nullptr) return;
  // The least the client area needs: the fixed layout, the rows of switches
  // past two, and the result line at its wrapped height.
  const int grown = fusePanel_->height() - kFuseGroupRect.height();
  const int lineWidth = std::max(client_->width(), kClientSize.width()) - 2 * kResultMargin;
  const int lineHeight =
      std::max(statusLine_->heightForWidth(lineWidth), statusLine_->fontMetrics().lineSpacing());
  const int resultTop = kClientSize.height() + grown;
  const QSize least(kClientSize.width(), resultTop + lineHeight + kResultMargin / 4);
  client_->setMinimumSize(least);
  const int wider = std::max(0, client_->width() - least.width());
  const int taller = std::max(0, client_->height() - least.height());

  // The grids share the extra width as they share the base width.
  const int programWider = wider * kProgramView.geometry.width() /
                           (kProgramView.geometry.width() + kDataView.geometry.width());
  for (auto [view, place] : {std::pair{&program_, &kProgramView}, std::pair{&data_, &kDataView}}) {
    QRect at = place->geometry.adjusted(0, 0, 0, taller);
    if (view == &program_)
      at.setWidth(at.width() + programWider);
    else
      at.adjust(programWider, 0, wider, 0);
    view->group->setGeometry(at);
    view->grid->setGeometry(8, 16, at.width() - 16, at.height() - 24);
  }
  toolBar_->setGeometry(0, 0, client_->width(), toolBar_->height());
  fusePanel_->move(kFuseGroupRect.x(), kFuseGroupRect.y() + taller);
  infoPanel_->move(kInfoPanelRect.x() + programWider, kInfoPanelRect.y() + taller);
  idPanel_->move(kIdPanelRect.x() + programWider, kIdPanelRect.y() + taller);
  progressPanel_->move(kProgressPanelTopLeft + QPoint(wider / 2, taller / 2));
  for (const WindowCommand& command : Commands()) {
    if (command.button == nullptr) continue;
    QPushButton* button = buttons_.*command.button;
    button->move(button->x(), kButtonRowTop + grown + taller);
  }
  statusLine_->setGeometry(kResultMargin, resultTop + taller, lineWidth, lineHeight);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // A new result asks its parent for room with a layout request.
  if (watched == client_ &&
      (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
    Reflow();
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::SetEditingEnabled(bool enabled) {
  // While a device command runs it owns the buffers, the device and the
  // port: every command that would touch them is off, and so is every
  // other one its row does not allow.
  for (const WindowCommand& command : Commands()) {
    const bool on = enabled || command.whileRunning;
    if (command.action != nullptr) (actions_.*command.action)->setEnabled(on);
    if (command.button != nullptr) (buttons_.*command.button)->setEnabled(on);
    if (command.panel != nullptr) (this->*command.panel)->setEnabled(on);
  }
  if (enabled) ApplyCapabilities(CapabilitiesOf(device_.fuseLayout));
  toolBar_->setEnabled(enabled);
  fusePanel_->setEnabled(enabled);
  if (desk_ != nullptr) desk_->SetEnabled(enabled);
  if (production_ != nullptr) production_->SetEnabled(enabled);
  if (!enabled) {
    // An open editor is committed first, into the buffers the command takes.
    for (const MemoryView& view : {program_, data_}) view.grid->setCurrentIndex(QModelIndex());
    buffersAtStart_ = buffers_;
  }
  for (const MemoryView& view : {program_, data_}) {
    view.model->ShowDuringCommand(enabled ? nullptr : &buffersAtStart_);
    view.grid->setEnabled(enabled);
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A running command has the port; the window closes when it has ended.
  if (!runner_.RequestClose()) {
    progressPanel_->ShowClosingNotice(true);
    event->ignore();
    return;
  }
  if (!exitDone_) SaveSettingsAndClosePort();
  event->accept();
}

void MainWindow::SaveSettingsAndClosePort() {
  exitDone_ = true;
  SaveSimulatedChipOrTell(this, port_.get());
  if (port_) port_->SetOpened(false);
  const Settings out =
      SettingsAtExit(settings_, startSettings_, actions_.saveSettingsOnExit->isChecked());
  std::string error;
  if (!location_.Write(out, &error)) {
    ShowBox(this, BoxKind::Warning,
            QStringLiteral("The settings could not be saved (path.dat):\n") +
                QString::fromStdString(error));
  }
}

}  // namespace lpt::app
