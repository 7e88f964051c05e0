// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/chip_save_box.h"

#include "app/message_boxes.h"
#include "sim/open_port.h"

namespace lpt::app {

void SaveSimulatedChipOrTell(QWidget* parent, Port* port) {
  std::string error;
  if (port == nullptr || SaveSimulatedChip(*port, &error)) return;
  ShowBox(
      parent, BoxKind::FileError,
      QStringLiteral("The simulated chip could not be saved:\n") + QString::fromStdString(error));
}

void WarnIfIncompleteHex(QWidget* parent, const std::string& path, const HexLoadResult& result) {
  const std::string warning = IncompleteHexWarning(path, result);
  if (!warning.empty()) ShowBox(parent, BoxKind::Warning, QString::fromStdString(warning));
}

}  // namespace lpt::app
