// The data of the fuse-panel layout routines L1 ... L40: for each layout
// the oscillator switch of slot 1 and the two-state switches of slots 2
// onward. FuseSwitches applies these.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "devices/catalogue.h"

namespace lpt {

// Slot 1: captions for each value of configuration bits 1..0 (index = the
// value, as OscCaption[0..3]) and the steps added to the word on the
// transitions 3->2, 2->1, 1->0, 0->3 (in that order).
struct OscVariant {
  std::array<std::string_view, 4> caption;
  std::array<int, 4> step;
};

inline constexpr std::string_view kOscHint = "Oscilator";

// A two-state switch: the set caption is shown while any bit of mask is 1.
struct FuseSwitchSpec {
  std::string_view setCaption;
  std::string_view clearCaption;
  std::uint16_t mask;
  std::string_view hint;
};

struct FuseLayoutSpec {
  FuseLayout layout;
  const OscVariant* osc;
  std::span<const FuseSwitchSpec> switches;  // slots 2, 3, ... in order
  int SlotCount() const { return 1 + static_cast<int>(switches.size()); }
};

// The data of one layout routine; every Layout value has one.
const FuseLayoutSpec& FuseLayoutOf(FuseLayout layout);

// All twenty layouts, in Layout order.
std::span<const FuseLayoutSpec> AllFuseLayouts();

// Code-protection switches are the ones whose caption names CP, CP0, CP1,
// CPD, Cpd, CPP0, CPP1 or CPC (before the colon, leading spaces ignored).
bool IsProtectCaption(std::string_view caption);

}  // namespace lpt
