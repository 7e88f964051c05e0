// SPDX-License-Identifier: GPL-2.0-or-later
// Hooks that remember what a device command reported: its start and end,
// the failures by kind, the passes, the bar and the reads. Every event also
// goes to `events` in order ("started", "pass ID", "progress 3/127",
// "failed Error verify ID!", "ended"), and to `onEvent` when set, so a test
// can act at a point of the command (a user's stop, say).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "hw/hooks.h"

namespace lpt::test {

class OpsHooksRecorder : public Hooks {
 public:
  void CommandStarted() override {
    running = true;
    ++starts;
    Log("started");
  }
  void CommandEnded(CommandResult result) override {
    running = false;
    results.push_back(result);
    Log("ended");
  }
  void PassStarted(const std::string& name) override {
    passes.push_back(name);
    Log("pass " + name);
  }
  void Progress(int position, int maximum) override {
    progress = position;
    progressMax = maximum;
    progressHistory.push_back(position);
    Log("progress " + std::to_string(position) + "/" + std::to_string(maximum));
  }
  void Failed(const Failure& failure) override {
    switch (failure.kind) {
      case FailureKind::Error:
      case FailureKind::WrongDevice:
      case FailureKind::LowVoltageOff:
        errors.push_back(failure.message);
        break;
      case FailureKind::Plain:
        plains.push_back(failure.message);
        break;
      case FailureKind::Warning:
        warnings.push_back(failure.message);
        break;
    }
    if (!failure.location.empty()) details.push_back(failure.location);
    Log("failed " + failure.message);
  }
  // Kept with the errors as the text a user reads.
  void AdapterNotFound(const std::string& reason) override {
    errors.push_back(AdapterNotFoundMessage(reason));
    Log("adapter not found");
  }
  void Notice(const std::string& text) override {
    notices.push_back(text);
    Log("notice " + text);
  }
  void BuffersChanged() override {
    ++buffersChanged;
    Log("buffers changed");
  }
  void ConfigurationRead(std::uint16_t word) override {
    shownFuses.push_back(word);
    Log("configuration read");
  }

  std::vector<std::string> errors, plains, warnings, notices;
  std::vector<std::string> details;  // the failing location of a failure of any kind
  bool running = false;              // between CommandStarted and CommandEnded
  int starts = 0;
  std::vector<CommandResult> results;
  int progressMax = -1;
  int progress = -1;
  std::vector<int> progressHistory;
  std::vector<std::string> passes;
  int buffersChanged = 0;
  std::vector<std::uint16_t> shownFuses;
  std::vector<std::string> events;
  std::function<void(const std::string&)> onEvent;

 private:
  void Log(std::string event) {
    events.push_back(std::move(event));
    if (onEvent) onEvent(events.back());
  }
};

}  // namespace lpt::test
