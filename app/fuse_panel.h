// SPDX-License-Identifier: GPL-2.0-or-later
// The "Fuses" group: the switch panels of the first configuration word
// drawn from the FuseSwitches model, and for a part with a second word a
// row of the same switches under them from SecondWordSwitches. The group
// grows by the rows it shows. The panel only draws and forwards clicks;
// what a click does to a configuration word is the model's business.
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
  FusePanel(FuseSwitches& switches, std::uint16_t& fuseWord, SecondWordSwitches& secondSwitches,
            std::uint16_t& secondWord, QWidget* parent);

  // The panel of slot n (1..18) of the first word, or of the second word.
  ClickPanel* SlotPanel(int n) const { return panels_[static_cast<std::size_t>(n - 1)]; }
  ClickPanel* SecondWordPanel(int n) const {
    return secondPanels_[static_cast<std::size_t>(n - 1)];
  }

  // Redraws every slot (visibility, caption, colour, hint) from the models
  // and sizes the group for the rows shown.
  void Refresh();

 signals:
  // The user changed a configuration word by a click.
  void fuseWordChanged();

 private:
  ClickPanel* MakeSlot(const QString& name, const QRect& place);
  void Clicked(int slot);
  void SecondWordClicked(int slot);
  static void Draw(ClickPanel* panel, const FuseSlot& model);
  FuseSwitches& switches_;
  std::uint16_t& fuseWord_;
  SecondWordSwitches& secondSwitches_;
  std::uint16_t& secondWord_;
  std::array<ClickPanel*, FuseSwitches::kSlots> panels_{};
  std::array<ClickPanel*, SecondWordSwitches::kSlots> secondPanels_{};
};

}  // namespace lpt::app
