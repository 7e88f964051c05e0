// SPDX-License-Identifier: GPL-2.0-or-later
// The "Fuses" group: twelve clickable switch panels drawn from the
// FuseSwitches model. The panel only draws and forwards clicks; what a click
// does to the configuration word is the model's business.
#pragma once

#include <QGroupBox>
#include <array>
#include <cstdint>

#include "buffers/fuse_switches.h"

namespace lpt::app {

class ClickPanel;

class FusePanel : public QGroupBox {
  Q_OBJECT
 public:
  FusePanel(FuseSwitches& switches, std::uint16_t& fuseWord, QWidget* parent);

  // The panel of slot n (1..12).
  ClickPanel* SlotPanel(int n) const { return panels_[static_cast<std::size_t>(n - 1)]; }

  // Redraws every slot (visibility, caption, colour, hint) from the model.
  void Refresh();

 signals:
  // The user changed the configuration word by a click.
  void fuseWordChanged();

 private:
  void Clicked(int slot);
  void RefreshSlot(int slot);
  FuseSwitches& switches_;
  std::uint16_t& fuseWord_;
  std::array<ClickPanel*, FuseSwitches::kSlots> panels_{};
};

}  // namespace lpt::app
