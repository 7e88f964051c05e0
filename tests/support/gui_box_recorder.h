// SPDX-License-Identifier: GPL-2.0-or-later
// Records the message boxes the program would show (main window and
// dialogs alike go through app/message_boxes.h), so that a test never
// blocks on a modal box and can check what was said.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "app/message_boxes.h"

namespace lpt::testing {

struct RecordedBox {
  app::BoxKind kind;
  QString text;
  QString detail;  // the informative text under the message, if any
};

// Records every box instead of showing it, for the lifetime of the object.
class BoxRecorder {
 public:
  BoxRecorder() {
    app::SetBoxDetailObserver(
        [this](app::BoxKind kind, const QString& text, const QString& detail) {
          boxes.push_back({kind, text, detail});
        });
  }
  ~BoxRecorder() { app::SetBoxDetailObserver({}); }
  BoxRecorder(const BoxRecorder&) = delete;
  BoxRecorder& operator=(const BoxRecorder&) = delete;

  // The texts in the order shown.
  QStringList Texts() const {
    QStringList texts;
    for (const RecordedBox& box : boxes) texts << box.text;
    return texts;
  }

  std::vector<RecordedBox> boxes;
};

}  // namespace lpt::testing
