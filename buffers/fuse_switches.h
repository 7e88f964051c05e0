// SPDX-License-Identifier: GPL-2.0-or-later
// The fuse switches: slots that show and edit a configuration word field by
// field. For the first word slot 1 is the oscillator switch and the slots
// after it two-state switches owning a mask of bits; the second word of the
// parts that have one gets a row of two-state switches of its own
// (SecondWordSwitches). This is the model; the window draws it.
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
  // Three rows of six; the parts of one word use at most the first twelve.
  static constexpr int kSlots = 18;

  // Hides every slot, then shows the layout's slots with
  // their set captions (the picture of 3FFFh) and hints, code-protection
  // switches marked as such.
  void ApplyLayout(FuseLayout layout);

  // Paints `word`: slot 1 always, the other slots only where visible.
  void ShowFuses(std::uint32_t word);

  // Click on slot n (1..kSlots), editing fuseWord as the caption decides.
  // Hidden slots and numbers outside the slots are ignored (no panel to click).
  void Click(int slot, std::uint16_t& fuseWord);

  // The visible slots: the row count the window shows follows from it.
  int VisibleSlots() const;

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

// The second configuration word's rows (one of six switches, a second for
// the parts with more): two-state switches only.
class SecondWordSwitches {
 public:
  static constexpr int kSlots = 12;
  static constexpr int kSlotsPerRow = 6;

  // Shows the layout's second-word switches with their set captions (the
  // picture of 3FFFh); every slot hidden for a layout of one word.
  void ApplyLayout(FuseLayout layout);
  void ShowFuses(std::uint16_t word);
  void Click(int slot, std::uint16_t& word);
  const FuseSlot& Slot(int n) const { return slots_[static_cast<std::size_t>(n - 1)]; }
  // False for a part with one configuration word: the row is not shown.
  bool Shown() const { return slots_[0].visible; }
  // Rows the visible switches take: 0, 1 or 2.
  int Rows() const {
    if (!Shown()) return 0;
    return slots_[static_cast<std::size_t>(kSlotsPerRow)].visible ? 2 : 1;
  }

 private:
  std::array<FuseSlot, kSlots> slots_{};
};

}  // namespace lpt
