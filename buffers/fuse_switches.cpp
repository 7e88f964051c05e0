// SPDX-License-Identifier: GPL-2.0-or-later
#include "buffers/fuse_switches.h"

#include "devices/fuse_layouts.h"

namespace lpt {
namespace {

// Index into OscStep of the transition that leaves value k: 3->2 is the
// first step, 2->1 the second, 1->0 the third, 0->3 the fourth.
std::size_t StepIndexFrom(int k) { return static_cast<std::size_t>(3 - k); }

void ShowSwitch(FuseSlot& slot, const FuseSwitchSpec& sw) {
  slot.visible = true;
  slot.setCaption = std::string(sw.setCaption);
  slot.clearCaption = std::string(sw.clearCaption);
  slot.mask = sw.mask;
  slot.caption = slot.setCaption;
  slot.protects = IsProtectCaption(slot.setCaption);
  slot.hint = std::string(sw.hint);
}

void PaintSwitch(FuseSlot& slot, std::uint32_t word) {
  if (slot.visible) slot.caption = (word & slot.mask) != 0 ? slot.setCaption : slot.clearCaption;
}

// A two-state switch: its caption decides which way the click goes.
void Toggle(FuseSlot& panel, std::uint16_t& word) {
  if (panel.caption == panel.setCaption) {
    panel.caption = panel.clearCaption;
    word = static_cast<std::uint16_t>(word & ~panel.mask);
  } else {
    panel.caption = panel.setCaption;
    word = static_cast<std::uint16_t>(word | panel.mask);
  }
}

}  // namespace

void FuseSwitches::ApplyLayout(FuseLayout layout) {
  // Every slot hidden first. Hidden slots keep whatever an
  // earlier layout left in them; ShowFuses and Click never touch them.
  for (FuseSlot& slot : slots_) slot.visible = false;

  const FuseLayoutSpec& spec = FuseLayoutOf(layout);
  for (std::size_t k = 0; k < 4; ++k) {
    oscCaption_[k] = std::string(spec.osc->caption[k]);
    oscStep_[k] = spec.osc->step[k];
  }
  FuseSlot& osc = slots_[0];
  osc.visible = true;
  osc.caption = oscCaption_[3];  // the picture of 3FFFh
  osc.protects = false;
  osc.hint = std::string(kOscillatorHint);
  osc.setCaption.clear();
  osc.clearCaption.clear();
  osc.mask = 0;

  std::size_t index = 1;
  for (const FuseSwitchSpec& sw : spec.switches) {
    if (index >= slots_.size()) break;  // the catalogue's self-check keeps layouts within
    ShowSwitch(slots_[index++], sw);
  }
}

int FuseSwitches::VisibleSlots() const {
  int visible = 0;
  for (const FuseSlot& slot : slots_) visible += slot.visible ? 1 : 0;
  return visible;
}

void FuseSwitches::ShowFuses(std::uint32_t word) {
  slots_[0].caption = oscCaption_[word & 3u];
  for (std::size_t i = 1; i < slots_.size(); ++i) PaintSwitch(slots_[i], word);
}

void FuseSwitches::Click(int slot, std::uint16_t& fuseWord) {
  if (slot < 1 || slot > kSlots) return;
  FuseSlot& panel = slots_[static_cast<std::size_t>(slot - 1)];
  if (!panel.visible) return;  // a hidden panel cannot be clicked

  if (slot == 1) {
    // The caption decides the direction: the first OscCaption, from value
    // 3 down to 0, that equals it.
    for (int k = 3; k >= 0; --k) {
      if (panel.caption != oscCaption_[static_cast<std::size_t>(k)]) continue;
      const int next = (k + 3) % 4;  // 3->2, 2->1, 1->0, 0->3
      panel.caption = oscCaption_[static_cast<std::size_t>(next)];
      // The step is meant for bits 1..0 only. Should the word ever
      // disagree with the caption, a borrow or carry must not run into
      // the code-protection bits above them, so it stays in bits 1..0.
      const int sum = static_cast<int>(fuseWord) + oscStep_[StepIndexFrom(k)];
      fuseWord =
          static_cast<std::uint16_t>((fuseWord & ~0x3u) | (static_cast<unsigned>(sum) & 0x3u));
      return;
    }
    return;  // no caption matched: nothing happens
  }

  Toggle(panel, fuseWord);
}

void SecondWordSwitches::ApplyLayout(FuseLayout layout) {
  for (FuseSlot& slot : slots_) slot.visible = false;
  std::size_t index = 0;
  for (const FuseSwitchSpec& sw : FuseLayoutOf(layout).secondWord) {
    if (index >= slots_.size()) break;  // the catalogue's self-check keeps layouts within
    ShowSwitch(slots_[index++], sw);
  }
}

void SecondWordSwitches::ShowFuses(std::uint16_t word) {
  for (FuseSlot& slot : slots_) PaintSwitch(slot, word);
}

void SecondWordSwitches::Click(int slot, std::uint16_t& word) {
  if (slot < 1 || slot > kSlots) return;
  FuseSlot& panel = slots_[static_cast<std::size_t>(slot - 1)];
  if (panel.visible) Toggle(panel, word);
}

}  // namespace lpt
