// SPDX-License-Identifier: GPL-2.0-or-later
// The window's side of lpt::Hooks: message boxes, the progress panel, event
// processing during a command, and the views that follow the buffers.
#pragma once

#include <functional>

#include "app/close_signals.h"
#include "hw/hooks.h"

class QWidget;

namespace lpt::app {

class ProgressPanel;

class GuiHooks : public Hooks {
 public:
  struct Views {
    std::function<void()> buffersChanged;          // grids and ID panel
    std::function<void(std::uint16_t)> showFuses;  // fuse switches
    std::function<void(const std::string&)> setCaption;
  };

  GuiHooks(QWidget* window, ProgressPanel* panel, Views views);

  void ErrorBox(const std::string& text) override;
  void PlainBox(const std::string& text) override;
  void ErrorBoxWithDetail(const std::string& text, const std::string& detail) override;
  void PlainBoxWithDetail(const std::string& text, const std::string& detail) override;
  void WarningBox(const std::string& text) override;
  void FileErrorBox(const std::string& text) override;

  void ShowProgressPanel(bool shown) override;
  void SetProgressMax(int max) override;
  void SetProgress(int position) override;
  void ShowOk(bool shown) override;
  void PassStarted(const std::string& name) override;

  void ProcessEvents() override;
  // True once RequestStop was called since the last ClearStop, or a signal
  // asked the program to end.
  bool StopRequested() override { return stopRequested_ || CloseSignalled(); }
  void RequestStop() { stopRequested_ = true; }
  void ClearStop() { stopRequested_ = false; }

  void BuffersChanged() override;
  void ShowFuses(std::uint16_t value) override;
  void SetCaption(const std::string& caption) override;

 private:
  QWidget* window_;
  ProgressPanel* panel_;
  Views views_;
  bool stopRequested_ = false;
};

}  // namespace lpt::app
