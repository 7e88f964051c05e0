// SPDX-License-Identifier: GPL-2.0-or-later
// The main window's adapter: which wiring the port is driven through
// (path.dat line 8, --adapter, adapters.conf beside path.dat), Option >
// Adapter… and the adapter test.
#include <QDialog>
#include <filesystem>

#include "app/dialog_adapter.h"
#include "app/dialog_pin_test.h"
#include "app/dialog_support.h"
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "hw/adapter_file.h"
#include "hw/adapter_power_order.h"

namespace lpt::app {

std::string MainWindow::AdaptersFilePath() const {
  return (std::filesystem::path(location_.PathToRead()).parent_path() / "adapters.conf").string();
}

bool MainWindow::ResolveAdapter() {
  // Read again each time: the user may just have edited the file.
  std::string error;
  adaptersFileError_.clear();
  adaptersFileWarnings_.clear();
  if (auto loaded = LoadAdapterFile(AdaptersFilePath(), true, &error)) {
    userAdapters_ = std::move(loaded->adapters);
    adaptersFileWarnings_ = std::move(loaded->warnings);
  } else {
    userAdapters_.clear();
    adaptersFileError_ = error;
  }
  adapterProblem_.clear();
  const std::string name = options_.adapterName.value_or(settings_.adapterName);
  // The clock delay of the Adapter dialog goes with path.dat's adapter.
  const auto withDelay = [this](Adapter adapter) {
    if (settings_.clockDelayUs && !options_.adapterName)
      adapter.clockDelayUs = *settings_.clockDelayUs;
    return adapter;
  };
  if (name.empty()) {
    adapter_ = withDelay(DefaultAdapter());
    return true;
  }
  if (auto found = FindAdapter(name, userAdapters_, &error)) {
    adapter_ = withDelay(std::move(*found));
    return true;
  }
  adapter_ = DefaultAdapter();
  adapterProblem_ = error;
  if (!adaptersFileError_.empty()) adapterProblem_ += "\n" + adaptersFileError_;
  return false;
}

std::unique_ptr<QDialog> MainWindow::NewAdapterDialog() {
  ResolveAdapter();
  std::vector<Adapter> all = BuiltInAdapters();
  all.insert(all.end(), userAdapters_.begin(), userAdapters_.end());
  QString note =
      adaptersFileError_.empty()
          ? QStringLiteral("Your own adapters: %1").arg(QString::fromStdString(AdaptersFilePath()))
          : QString::fromStdString(adaptersFileError_);
  for (const std::string& warning : adaptersFileWarnings_)
    note += QStringLiteral("\n") + QString::fromStdString(warning);
  const std::string current = options_.adapterName.value_or(settings_.adapterName);
  auto dialog = std::make_unique<AdapterDialog>(
      std::move(all), QString::fromStdString(current.empty() ? adapter_.name : current),
      adapter_.clockDelayUs, note, this);
  PlaceDialog(dialog.get(), this, AdapterDialog::kLeft, AdapterDialog::kTop);
  return dialog;
}

void MainWindow::onChooseAdapter() {
  if (Busy()) return;
  std::unique_ptr<QDialog> dialog = NewAdapterDialog();
  dialog->setModal(true);
  if (dialog->exec() != QDialog::Accepted) return;
  const auto& chosenIn = static_cast<AdapterDialog&>(*dialog);
  const Adapter& chosen = chosenIn.Selected();
  // The default adapter is kept as no line 8, so the file stays as older
  // versions wrote it; the adapter's own clock delay as no line 9.
  settings_.adapterName = chosen == DefaultAdapter() ? std::string() : chosen.name;
  const std::uint32_t delay = chosenIn.ClockDelayUs();
  settings_.clockDelayUs =
      delay == chosen.clockDelayUs ? std::nullopt : std::optional<std::uint32_t>(delay);
  options_.adapterName.reset();
  OpenPortFromSettings();
}

void MainWindow::WarnIfTheBoardCannotPowerTheChip() {
  if (Busy()) return;
  if (auto warning = PowerOrderWarning(adapter_, device_, buffers_.FuseWord))
    ShowBox(this, BoxKind::Warning, QString::fromStdString(*warning));
}

std::unique_ptr<QDialog> MainWindow::NewPinTestDialog() {
  pinTest_ = std::make_unique<PinTest>(*port_, pins_->Base(), adapter_);
  auto dialog = std::make_unique<PinTestDialog>(*pinTest_, this);
  PlaceDialog(dialog.get(), this, PinTestDialog::kLeft, PinTestDialog::kTop);
  return dialog;
}

void MainWindow::onAdapterTest() {
  if (Busy()) return;
  if (!port_->Opened()) {
    QString text = QStringLiteral("The port is not open, so the adapter cannot be tested.");
    const std::string reason = port_->FailureReason();
    if (!reason.empty()) text += QStringLiteral("\n\n") + QString::fromStdString(reason);
    ShowBox(this, BoxKind::Error, text);
    return;
  }
  std::unique_ptr<QDialog> dialog = NewPinTestDialog();
  dialog->setModal(true);
  dialog->exec();
  dialog.reset();
  pinTest_.reset();
}

}  // namespace lpt::app
