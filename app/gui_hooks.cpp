// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/gui_hooks.h"

#include <QCoreApplication>
#include <QProgressBar>

#include "app/message_boxes.h"
#include "app/progress_panel.h"

namespace lpt::app {

GuiHooks::GuiHooks(QWidget* window, ProgressPanel* panel, Views views)
    : window_(window), panel_(panel), views_(std::move(views)) {}

void GuiHooks::ErrorBox(const std::string& text) {
  ShowBox(window_, BoxKind::Error, QString::fromStdString(text));
}

void GuiHooks::PlainBox(const std::string& text) {
  ShowBox(window_, BoxKind::Plain, QString::fromStdString(text));
}

void GuiHooks::ErrorBoxWithDetail(const std::string& text, const std::string& detail) {
  ShowBox(window_, BoxKind::Error, QString::fromStdString(text), QString::fromStdString(detail));
}

void GuiHooks::PlainBoxWithDetail(const std::string& text, const std::string& detail) {
  ShowBox(window_, BoxKind::Plain, QString::fromStdString(text), QString::fromStdString(detail));
}

void GuiHooks::WarningBox(const std::string& text) {
  ShowBox(window_, BoxKind::Warning, QString::fromStdString(text));
}

void GuiHooks::FileErrorBox(const std::string& text) {
  ShowBox(window_, BoxKind::FileError, QString::fromStdString(text));
}

void GuiHooks::ShowProgressPanel(bool shown) {
  if (shown) {
    panel_->ShowOk(false);
    panel_->SetPassName({});
    panel_->ShowClosingNotice(false);
    panel_->raise();
  }
  panel_->setVisible(shown);
}

void GuiHooks::SetProgressMax(int max) { panel_->SetMax(max); }
void GuiHooks::SetProgress(int position) { panel_->SetPosition(position); }
void GuiHooks::ShowOk(bool shown) { panel_->ShowOk(shown); }
void GuiHooks::PassStarted(const std::string& name) {
  panel_->SetPassName(QString::fromStdString(name));
}

void GuiHooks::ProcessEvents() { QCoreApplication::processEvents(); }

void GuiHooks::BuffersChanged() {
  if (views_.buffersChanged) views_.buffersChanged();
}

void GuiHooks::ShowFuses(std::uint16_t value) {
  if (views_.showFuses) views_.showFuses(value);
}

void GuiHooks::SetCaption(const std::string& caption) {
  if (views_.setCaption) views_.setCaption(caption);
}

}  // namespace lpt::app
