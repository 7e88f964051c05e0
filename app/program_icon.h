// SPDX-License-Identifier: GPL-2.0-or-later
// The program's icon: the installed theme's "lptpic" (hicolor, from the
// package), else the copy of the same picture built into the program, so
// a window of a build that was never installed has its icon too.
#pragma once

#include <QIcon>

namespace lpt::app {

inline constexpr const char* kIconName = "lptpic";

QIcon ProgramIcon();

}  // namespace lpt::app
