// SPDX-License-Identifier: GPL-2.0-or-later
// A path.dat that is there but holds no settings (a binary file, lines of
// the wrong kind): the defaults are used, the user hears it once at
// start-up, and the file is moved aside to path.dat.bad, so the fresh file
// the exit writes does not replace it unseen.
#pragma once

#include <string>

class QWidget;

namespace lpt::app {

void SetAsideUnreadableSettings(QWidget* parent, const std::string& path);

}  // namespace lpt::app
