// SPDX-License-Identifier: GPL-2.0-or-later
// The fuse-switch layouts: for each layout the oscillator switch of slot 1
// and the two-state switches of slots 2 onward. FuseSwitches applies these.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace lpt {

// A fuse-switch layout, named after the parts it serves: which switch sits
// in which slot with which captions and masks.
enum class FuseLayout : std::uint8_t {
  Pic16F84,    // 16F83, 16F84(A)
  Pic16C84,    // 16C84: power-up timer active high, one CP bit
  Pic16C61,    // 16C61, 16C71: as the 16C84, without data EEPROM
  Pic16C62,    // 16C62/64/65/73/74: CP0 and CP1 once each
  Pic16C62A,   // the later 16C6x/7x/62x: CP pairs repeated, brown-out reset
  Pic16C71x,   // 16C710/711: one CP field, brown-out reset
  Pic16C77x,   // 16C773/774: brown-out voltage bits
  Pic16C7x5,   // 16C745/765: USB oscillator modes
  Pic16C923,   // 16C923/924
  Pic16C925,   // 16C925/926: CP pair once, brown-out reset
  Pic16C55x,   // 16C554/556/558
  Pic12C50x,   // 12C508(A)/509(A), 12CE518/519
  Pic16C505,   // 16C505
  Pic12C67x,   // 12C671/672, 12CE673/674
  Pic14C000,   // 14C000
  Pic16F62x,   // 16F627/628
  Pic16F87x,   // 16F870 to 16F877
  Pic12F6xx,   // 12F629/675, 16F630/676
  Pic16F87xA,  // 16F873A/874A/876A/877A
  Pic16F62xA,  // 16F627A/628A/648A
  Pic10F20x,   // 10F200/202/204/206: no oscillator bits
  Pic10F22x,   // 10F220/222: oscillator speed and GP3 pull-up
  Pic12F50x,   // 12F508/509
  Pic12F510,   // 12F510: 12F508 bits and the oscillator speed
  Pic16F505,   // 16F505: three oscillator bits
  Pic16F506,   // 16F506: 16F505 bits and the oscillator speed
  Pic16F5x,    // 16F54/57/59: oscillator, watchdog, protection
  Pic16F88,    // 16F87/88: two configuration words
  Pic16F88x,   // 16F882 to 16F887: two configuration words
  Pic16F7x,    // 16F72 to 16F77
  Pic16F716,   // 16F716
  Pic16F7x7,   // 16F737 to 16F777: two configuration words
  Pic12F683,   // 12F683, 16F684 to 16F690, 16F631/677: two-bit brown-out, IESO, FCMEN
  Pic12F635,   // 12F635, 16F636/639: the 12F683 bits and WURE
  Pic16F91x,   // 16F913 to 16F946: the 12F683 bits and DEBUG
  Pic12F609,   // 12F609/615, 16F610/616 and their HV twins: IOSCFS, two-bit brown-out
  Pic12F617,   // 12F617: the 12F609 bits and WRT
  Pic16F1827,  // 12F1822, 16F1823-1829, 12F1840, 16F1847: words at 8007h, 8008h
  Pic16F193x,  // 16F1933-1939: the 16F1827's words and the VCAP pin choice
};
inline constexpr int kFuseLayoutCount = 39;

// The layout's number as `lptpic-cli devices` prints it.
int FuseLayoutNumber(FuseLayout layout);

// Slot 1: captions for each value of configuration bits 1..0 (index = the
// value, as OscCaption[0..3]) and the steps added to the word on the
// transitions 3->2, 2->1, 1->0, 0->3 (in that order).
struct OscVariant {
  std::array<std::string_view, 4> caption;
  std::array<int, 4> step;

  // The configuration bits the switch edits: bits 1..0, bit 0 for a toggle,
  // none for a switch whose steps are all 0 (a part without oscillator bits
  // whose only setting the caption names).
  constexpr std::uint16_t OwnedBits() const {
    if (step == std::array<int, 4>{}) return 0;
    return step[1] == +1 ? 0x0001 : 0x0003;
  }
};

// The hint of the oscillator switch, as the window shows it (spelling included).
inline constexpr std::string_view kOscillatorHint = "Oscilator";

// A two-state switch: the set caption is shown while any bit of mask is 1.
struct FuseSwitchSpec {
  std::string_view setCaption;
  std::string_view clearCaption;
  std::uint16_t mask;
  std::string_view hint;
};

struct FuseLayoutSpec {
  FuseLayout layout;
  int number;  // as `lptpic-cli devices` prints it
  const OscVariant* osc;
  std::span<const FuseSwitchSpec> switches;  // slots 2, 3, ... in order
  // The second configuration word's switches, in their own row; empty for
  // a part with one word.
  std::span<const FuseSwitchSpec> secondWord{};
  int SlotCount() const { return 1 + static_cast<int>(switches.size()); }
};

// The switches of one layout; nullptr for a value outside the enumeration.
const FuseLayoutSpec* FindFuseLayout(FuseLayout layout);
// As FindFuseLayout for a layout known to exist (the catalogue's self-check
// makes sure every part's does); an unknown value gives the first layout.
const FuseLayoutSpec& FuseLayoutOf(FuseLayout layout);

// Every layout, in FuseLayout order.
std::span<const FuseLayoutSpec> AllFuseLayouts();

// Code-protection switches are the ones whose caption names CP, CP0, CP1,
// CPD, Cpd, CPP0, CPP1 or CPC (before the colon, leading spaces ignored).
bool IsProtectCaption(std::string_view caption);

}  // namespace lpt
