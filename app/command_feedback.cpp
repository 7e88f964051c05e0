// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/command_feedback.h"

#include <utility>

#include "app/command_events.h"
#include "app/progress_panel.h"

namespace lpt::app {

namespace {

BoxKind BoxFor(FailureKind kind) {
  switch (kind) {
    case FailureKind::Plain:
      return BoxKind::Plain;
    case FailureKind::Warning:
      return BoxKind::Warning;
    case FailureKind::Error:
    case FailureKind::WrongDevice:
    case FailureKind::LowVoltageOff:
      break;
  }
  return BoxKind::Error;
}

}  // namespace

CommandFeedback::CommandFeedback(QWidget* window, ProgressPanel* panel, const CommandEvents& events)
    : QObject(window), window_(window), panel_(panel) {
  okMarkTimer_.setSingleShot(true);
  okMarkTimer_.setInterval(kOkMarkMs);
  connect(&okMarkTimer_, &QTimer::timeout, this, &CommandFeedback::EndOkMark);

  connect(&events, &CommandEvents::commandStarted, this, &CommandFeedback::OnStarted);
  connect(&events, &CommandEvents::commandEnded, this, &CommandFeedback::OnEnded);
  connect(&events, &CommandEvents::progress, panel_, [this](int position, int maximum) {
    panel_->SetMax(maximum);
    panel_->SetPosition(position);
  });
  connect(&events, &CommandEvents::passStarted, panel_, &ProgressPanel::SetPassName);
  connect(&events, &CommandEvents::failed, this,
          [this](const QString& message, const QString& location, FailureKind kind) {
            if (kind == FailureKind::WrongDevice || kind == FailureKind::LowVoltageOff) {
              wrongDevice_ = message;
              insistKind_ = kind;
              return;
            }
            boxes_.push_back({BoxFor(kind), message, location});
          });
  connect(&events, &CommandEvents::adapterNotFound, this, [this](const QString& reason) {
    boxes_.push_back(
        {BoxKind::Error, QString::fromStdString(AdapterNotFoundMessage(reason.toStdString())), {}});
  });
}

void CommandFeedback::Begin(bool okMark) {
  EndOkMark();  // a mark of the command before
  okMark_ = okMark;
  boxes_.clear();
  wrongDevice_.clear();
}

void CommandFeedback::OnStarted() {
  panel_->ShowOk(false);
  panel_->SetPassName({});
  panel_->ShowClosingNotice(false);
  panel_->raise();
  panel_->show();
}

void CommandFeedback::OnEnded(CommandResult result) {
  if (okMark_ && result == CommandResult::Ok) {
    panel_->ShowOk(true);
    markShown_ = true;
    okMarkTimer_.start();
    return;
  }
  panel_->hide();
}

void CommandFeedback::EndOkMark() {
  if (!markShown_) return;
  markShown_ = false;
  okMarkTimer_.stop();
  panel_->ShowOk(false);
  panel_->hide();
}

bool CommandFeedback::Finish(const QString& closing) {
  // Down already, unless the command ended without telling (it threw).
  if (!markShown_) panel_->hide();
  // Taken first: a box's own event loop must not see them again.
  const std::vector<Box> boxes = std::move(boxes_);
  boxes_.clear();
  const QString wrongDevice = std::exchange(wrongDevice_, QString());
  for (const Box& box : boxes) ShowBox(window_, box.kind, box.text, box.detail);
  if (!closing.isEmpty()) ShowBox(window_, BoxKind::Plain, closing);
  return !wrongDevice.isEmpty() && AskToContinue(window_, wrongDevice);
}

}  // namespace lpt::app
