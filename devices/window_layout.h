// What a device's layout does to the main window beyond the fuse switches:
// the data-memory group, the Erase and Fuses commands and the "?" panel.
#pragma once

#include "devices/catalogue.h"

namespace lpt {

struct WindowLayout {
  bool dataGroupShown;      // GroupBox3 "Data Memory "
  bool programDataEnabled;  // "Program only &Data memory"
  bool eraseShown;          // Button3 "Erase" shown, "&Erase" enabled
  bool fusesShown;          // Button4 "Fuses" shown, "Program only &Fuses + ID" enabled
  bool infoPanelShown;      // Panel15 "?"
};

WindowLayout WindowLayoutOf(Layout layout);

}  // namespace lpt
