// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/unreadable_settings.h"

#include <filesystem>
#include <system_error>

#include "app/message_boxes.h"

namespace lpt::app {

void SetAsideUnreadableSettings(QWidget* parent, const std::string& path) {
  const std::string kept = path + ".bad";
  std::error_code error;
  std::filesystem::rename(path, kept, error);
  const QString where =
      error ? QStringLiteral("It could not be kept as %1: %2")
                  .arg(QString::fromStdString(kept), QString::fromStdString(error.message()))
            : QStringLiteral("It is kept as %1.").arg(QString::fromStdString(kept));
  ShowBox(parent, BoxKind::Warning,
          QStringLiteral("Settings in path.dat could not be read; defaults used"), where);
}

}  // namespace lpt::app
