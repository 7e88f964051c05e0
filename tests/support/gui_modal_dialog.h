// SPDX-License-Identifier: GPL-2.0-or-later
// Drives a modal dialog from inside its own event loop: the test schedules
// what to do once the dialog is up, then calls the launcher that blocks.
// If the action leaves the dialog open, the dialog is rejected so that a
// failing test ends instead of hanging.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>

namespace lpt::testing {

template <typename Dialog>
void WhenModalOpens(std::function<void(Dialog*)> action, int attempts = 200) {
  QTimer::singleShot(5, [action, attempts] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (!dialog) {
      if (attempts > 0) WhenModalOpens<Dialog>(action, attempts - 1);
      return;
    }
    action(dialog);
    if (dialog->isVisible()) {
      QTimer::singleShot(0, dialog, [dialog] {
        if (dialog->isVisible()) dialog->reject();
      });
    }
  });
}

// Runs `act` on the modal dialog of type T that `trigger` opens, and fails
// the test if none opened.
template <typename Dialog>
void WithModal(const std::function<void()>& trigger, const std::function<void(Dialog*)>& act) {
  bool seen = false;
  WhenModalOpens<Dialog>([&seen, &act](Dialog* dialog) {
    seen = true;
    act(dialog);
  });
  trigger();
  QVERIFY2(seen, "the dialog did not open");
}

}  // namespace lpt::testing
