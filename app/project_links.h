// SPDX-License-Identifier: GPL-2.0-or-later
// The project's public addresses, defined once: Help > "Home Page" and the
// about box's e-mail link open these.
#pragma once

namespace lpt::app {

inline constexpr const char* kHomePageUrl = "https://github.com/lptpic/lptpic";

}  // namespace lpt::app
