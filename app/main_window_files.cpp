// SPDX-License-Identifier: GPL-2.0-or-later
// The main window's port and HEX files: opening the port path.dat or the
// command line names, and File > Open / Save with their dialogs.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <utility>

#include "app/chip_save_box.h"
#include "app/command_events.h"
#include "app/desk_loop.h"
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "app/translation.h"
#include "hexfile/hex_file.h"
#include "hw/port_choice.h"
#include "hw/trace.h"
#include "sim/open_port.h"

namespace lpt::app {

std::string MainWindow::OpenPortFromSettings() {
  const std::string text = options_.portChoice.value_or(std::to_string(settings_.portAddress));
  // Close the old port before the new one takes the hardware.
  protocol_.reset();
  SaveSimulatedChipOrTell(this, port_.get());
  pins_.reset();
  tracePort_.reset();
  if (port_) port_->SetOpened(false);
  port_.reset();

  std::string error;
  std::string problem;
  std::uint16_t address = 0x378;
  std::unique_ptr<Port> port;
  if (const std::optional<PortChoice> choice = ParsePortChoice(text, &error)) {
    address = choice->address;
    simulatedPort_ = choice->IsSimulator();
    // A wiring that cannot be had opens nothing: no pin of the wrong
    // adapter is ever driven.
    if (ResolveAdapter()) {
      port = OpenPort(*choice, *delay_, device_, adapter_, &error);
      if (port && !port->Opened()) {
        const std::string why = port->FailureReason();
        problem = "Port " + text + ": " + (why.empty() ? "it cannot be opened." : why);
      }
    } else {
      port = MakeUnavailablePort(adapterProblem_);
    }
  }
  // A port that cannot be had at all (a bad address in path.dat, an
  // unreadable simulator file) fails every access, so the presence test
  // reports "Device is not found !" with the reason.
  if (!port) {
    problem = "Port " + text + ": " + error;
    port = MakeUnavailablePort(problem);
  }
  port_ = std::move(port);
  if (options_.portTrace) tracePort_ = std::make_unique<TracePort>(*port_, *options_.portTrace);
  pins_ = std::make_unique<WiredPins>(tracePort_ ? *tracePort_ : *port_, address, adapter_, delay_);
  protocol_ = std::make_unique<Protocol>(*pins_, *delay_, *events_, device_);
  protocol_->SetAdapterVppMillivolts(adapter_.vppMillivolts);
  protocol_->SetAdapterSwitchesVdd(adapter_.vdd.pin != 0);
  protocol_->SetDelayMode(settings_.delayMode);
  return problem;
}

// The HEX file dialog of File > Open or Save, started in WorkDir (or the
// executable's folder when WorkDir no longer exists). The chosen path, or
// empty when the user cancels.
static QString AskHexPath(QWidget* parent, const std::string& workDir, const std::string& exeDir,
                          QFileDialog::AcceptMode mode) {
  const QString work = QString::fromStdString(workDir);
  const QString start = QFileInfo(work).isDir() ? work : QString::fromStdString(exeDir);
  const bool open = mode == QFileDialog::AcceptOpen;
  QFileDialog dialog(parent, QString(), start);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setNameFilters(HexFileFilters(open).split(QStringLiteral(";;")));
  dialog.setDefaultSuffix(QStringLiteral("hex"));
  // Qt asks before an existing file is replaced unless told not to.
  if (!open) dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

void MainWindow::onOpenFile() {
  const QString path =
      AskHexPath(this, settings_.workDir, location_.ExeDir(), QFileDialog::AcceptOpen);
  if (!path.isEmpty()) LoadHexPath(path);
}

void MainWindow::LoadHexPath(const QString& path) {
  // Read into a copy: a file that fails half-way must not cost the user
  // the edits the buffers held.
  EditBuffers loaded = buffers_;
  const HexLoadResult result = LoadHexFile(path.toStdString(), device_, loaded);
  switch (result.status) {
    case HexLoadResult::Status::Ok:
      buffers_ = std::move(loaded);
      RefreshBufferViews();
      if (result.fuseWordLoaded) ShowOnFuseSwitches();
      ShowFileInCaption(path);
      desk_->FileLoaded(path);
      WarnIfIncompleteHex(this, path.toStdString(), result);
      break;
    case HexLoadResult::Status::ChecksumError:
    case HexLoadResult::Status::BadRecord:
      ShowBox(this, BoxKind::Error, QString::fromStdString(result.message),
              QString::fromStdString(result.detail));
      break;
    case HexLoadResult::Status::FileError:
      ShowBox(this, BoxKind::FileError, QString::fromStdString(result.message));
      break;
  }
}

void MainWindow::onSaveFile() {
  const QString path =
      AskHexPath(this, settings_.workDir, location_.ExeDir(), QFileDialog::AcceptSave);
  if (!path.isEmpty()) SaveHexPath(path);
}

void MainWindow::SaveHexPath(const QString& path) {
  std::string error;
  if (!SaveHexFile(path.toStdString(), device_, buffers_, &error)) {
    ShowBox(this, BoxKind::FileError, QString::fromStdString(error));
    return;
  }
  ShowFileInCaption(path);
}

void MainWindow::ShowFileInCaption(const QString& path) {
  const QString relative = QDir(QString::fromStdString(settings_.workDir))
                               .relativeFilePath(QFileInfo(path).absoluteFilePath());
  setWindowTitle(QStringLiteral("Pic") + QString::fromStdString(device_.name) +
                 QStringLiteral(" - ") + QDir::toNativeSeparators(relative));
}

}  // namespace lpt::app
