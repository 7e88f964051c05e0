// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/program_icon.h"

// The resource lives in this static library: registered before its first
// use, or the linker may leave it out of the program.
static void InitIconResource() { Q_INIT_RESOURCE(program_icon); }

namespace lpt::app {

QIcon ProgramIcon() {
  InitIconResource();
  return QIcon::fromTheme(QLatin1String(kIconName),
                          QIcon(QStringLiteral(":/lptpic/icons/lptpic.svg")));
}

}  // namespace lpt::app
