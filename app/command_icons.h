// SPDX-License-Identifier: GPL-2.0-or-later
// The small pictures of the tool bar and menu items, drawn rather than
// shipped so they look the same on every platform and style.
#pragma once

#include <QIcon>

namespace lpt::app {

enum class CommandIcon {
  ClearBuffers,
  Open,
  Save,
  Device,
  Help,
  Read,
  Program,
  Verify,
  Erase,
  Blank
};

QIcon MakeCommandIcon(CommandIcon which);

}  // namespace lpt::app
