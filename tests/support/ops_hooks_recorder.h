// SPDX-License-Identifier: GPL-2.0-or-later
// A Hooks that remembers what a device command showed: message boxes, the
// progress panel, the gauge, the "Ok" label, captions and how often the
// window was let handle messages. A test can hang an action on
// ProcessEvents to play a user clicking during a pass.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "hw/hooks.h"

namespace lpt::test {

class OpsHooksRecorder : public Hooks {
 public:
  void ErrorBox(const std::string& text) override { errors.push_back(text); }
  void PlainBox(const std::string& text) override { plains.push_back(text); }
  void FileErrorBox(const std::string& text) override { fileErrors.push_back(text); }
  void ErrorBoxWithDetail(const std::string& text, const std::string& detail) override {
    errors.push_back(text);
    details.push_back(detail);
  }
  void PlainBoxWithDetail(const std::string& text, const std::string& detail) override {
    plains.push_back(text);
    details.push_back(detail);
  }
  void WarningBox(const std::string& text) override { warnings.push_back(text); }

  void ShowProgressPanel(bool shown) override {
    panelShown = shown;
    panelShows += shown ? 1 : 0;
  }
  void SetProgressMax(int max) override { progressMax = max; }
  void SetProgress(int position) override {
    progress = position;
    progressHistory.push_back(position);
  }
  void ShowOk(bool shown) override { okHistory.push_back(shown); }
  void PassStarted(const std::string& name) override { passes.push_back(name); }

  void ProcessEvents() override {
    ++eventCalls;
    if (onEvents) onEvents();
  }
  // The user's stop: asked before every word; true once `stopAfter`
  // questions were answered no (never while it is negative).
  bool StopRequested() override { return stopAfter >= 0 && stopQuestions++ >= stopAfter; }
  void BuffersChanged() override { ++buffersChanged; }
  void ShowFuses(std::uint16_t value) override { shownFuses.push_back(value); }
  void SetCaption(const std::string& text) override { caption = text; }

  // Every box of either kind, in the order shown per kind.
  std::vector<std::string> errors, plains, fileErrors;
  std::vector<std::string> details;  // the failing location of either kind of box
  std::vector<std::string> warnings;
  bool panelShown = false;
  int panelShows = 0;
  int progressMax = -1;
  int progress = -1;
  std::vector<int> progressHistory;
  std::vector<bool> okHistory;
  std::vector<std::string> passes;
  int eventCalls = 0;
  std::function<void()> onEvents;
  int buffersChanged = 0;
  int stopAfter = -1;
  int stopQuestions = 0;
  std::vector<std::uint16_t> shownFuses;
  std::string caption;
};

}  // namespace lpt::test
