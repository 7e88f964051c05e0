// SPDX-License-Identifier: GPL-2.0-or-later
// The fuse switches: twelve slots that show and edit the configuration word
// field by field. Slot 1 is the oscillator switch, slots 2..12 two-state
// switches owning a mask of bits. This is the model; the window draws it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "devices/fuse_layouts.h"

namespace lpt {

struct FuseSlot {
  bool visible = false;
  std::string caption;
  bool protects = false;  // a code-protection switch (the window sets these apart)
  std::string hint;
  // Slots 2..12 only.
  std::string setCaption;
  std::string clearCaption;
  std::uint16_t mask = 0;
};

class FuseSwitches {
 public:
  static constexpr int kSlots = 12;

  // Hides every slot, then shows the layout's slots with
  // their set captions (the picture of 3FFFh) and hints, code-protection
  // switches marked as such.
  void ApplyLayout(FuseLayout layout);

  // Paints `word`: slot 1 always, slots 2..12 only where visible.
  void ShowFuses(std::uint32_t word);

  // Click on slot n (1..12), editing fuseWord as the caption decides.
  // Hidden slots and numbers outside 1..12 are ignored (no panel to click).
  void Click(int slot, std::uint16_t& fuseWord);

  // Slot n, 1-based.
  const FuseSlot& Slot(int n) const { return slots_[static_cast<std::size_t>(n - 1)]; }

  // Slot 1's captions for bits 1..0 = 0..3, and the steps of the
  // transitions 3->2, 2->1, 1->0, 0->3.
  const std::array<std::string, 4>& OscCaptions() const { return oscCaption_; }
  const std::array<int, 4>& OscSteps() const { return oscStep_; }

 private:
  std::array<FuseSlot, kSlots> slots_{};
  std::array<std::string, 4> oscCaption_{};
  std::array<int, 4> oscStep_{};
};

}  // namespace lpt
