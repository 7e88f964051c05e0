// SPDX-License-Identifier: GPL-2.0-or-later
#include "buffers/fuse_switches.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devices/fuse_layouts.h"

namespace lpt {
namespace {

std::vector<std::string> VisibleCaptions(const FuseSwitches& s) {
  std::vector<std::string> captions;
  for (int n = 1; n <= FuseSwitches::kSlots; ++n)
    if (s.Slot(n).visible) captions.push_back(s.Slot(n).caption);
  return captions;
}

using Captions = std::vector<std::string>;

TEST(FuseSwitches, Layout16F84ShowsThePictureOf3FFF) {
  FuseSwitches s;
  s.ApplyLayout(FuseLayout::Pic16F84);
  EXPECT_EQ(VisibleCaptions(s),
            (Captions{"  Osc:  RC", "  Wdt:  ON", "  Pwr:  OFF", "   CP:  OFF"}));
  EXPECT_EQ(s.Slot(1).hint, "Oscilator");
  EXPECT_EQ(s.Slot(4).hint, "Code protect");
  EXPECT_FALSE(s.Slot(1).protects);
  EXPECT_FALSE(s.Slot(2).protects);
  EXPECT_TRUE(s.Slot(4).protects);
}

// For every layout: right after it the switches show 3FFFh, so painting
// 3FFFh changes nothing; visible slots are exactly 1..N; protection switches by kind.
TEST(FuseSwitches, EveryLayoutStartsAsThePictureOf3FFF) {
  for (const FuseLayoutSpec& spec : AllFuseLayouts()) {
    SCOPED_TRACE("layout " + std::to_string(FuseLayoutNumber(spec.layout)));
    FuseSwitches s;
    s.ApplyLayout(spec.layout);
    const Captions initial = VisibleCaptions(s);
    ASSERT_EQ(static_cast<int>(initial.size()), spec.SlotCount());
    for (int n = 1; n <= spec.SlotCount(); ++n) EXPECT_TRUE(s.Slot(n).visible) << n;
    s.ShowFuses(0x3FFF);
    EXPECT_EQ(VisibleCaptions(s), initial);
    for (int n = 2; n <= spec.SlotCount(); ++n) {
      // A name that starts with CP or Cpd (the 10F22x's MCPU is a pull-up,
      // CCPMX a pin choice).
      const std::string& caption = s.Slot(n).setCaption;
      const std::size_t name = caption.find_first_not_of(' ');
      const bool protect =
          caption.compare(name, 2, "CP") == 0 || caption.compare(name, 3, "Cpd") == 0;
      EXPECT_EQ(s.Slot(n).protects, protect) << s.Slot(n).setCaption;
      EXPECT_FALSE(s.Slot(n).hint.empty());
    }
  }
}

TEST(FuseSwitches, ShowFusesZeroOn16F84) {
  FuseSwitches s;
  s.ApplyLayout(FuseLayout::Pic16F84);
  s.ShowFuses(0);
  EXPECT_EQ(VisibleCaptions(s),
            (Captions{"  Osc:  LP", "  Wdt:  OFF", "  Pwr:  ON", "   CP:  ON"}));
}

TEST(FuseSwitches, CodeProtectSwitchOn16F84TogglesTheWholeMask) {
  FuseSwitches s;
  s.ApplyLayout(FuseLayout::Pic16F84);
  std::uint16_t word = 0x3FFF;
  s.Click(4, word);
  EXPECT_EQ(word, 0x000F);
  EXPECT_EQ(s.Slot(4).caption, "   CP:  ON");
  s.Click(4, word);
  EXPECT_EQ(word, 0x3FFF);
  EXPECT_EQ(s.Slot(4).caption, "   CP:  OFF");
  EXPECT_EQ(s.Slot(2).caption, "  Wdt:  ON") << "no other switch is repainted";
}

TEST(FuseSwitches, OscillatorSwitchCyclesBitsOneAndZero) {
  FuseSwitches s;
  s.ApplyLayout(FuseLayout::Pic16F84);
  std::uint16_t word = 0x3FFF;
  const std::pair<std::uint16_t, const char*> steps[] = {{0x3FFE, "  Osc:  HS"},
                                                         {0x3FFD, "  Osc:  XT"},
                                                         {0x3FFC, "  Osc:  LP"},
                                                         {0x3FFF, "  Osc:  RC"}};
  for (const auto& [expected, caption] : steps) {
    s.Click(1, word);
    EXPECT_EQ(word, expected);
    EXPECT_EQ(s.Slot(1).caption, caption);
  }
}

TEST(FuseSwitches, Fosc0ToggleOn12F629ChangesOnlyBitZero) {
  FuseSwitches s;
  s.ApplyLayout(FuseLayout::Pic12F6xx);
  std::uint16_t word = 0x3FFF;
  s.Click(1, word);
  EXPECT_EQ(word, 0x3FFE);
  EXPECT_EQ(s.Slot(1).caption, " FOSC0: 0");
  EXPECT_EQ(s.Slot(2).caption, " FOSC1: 1");
  // With FOSC1 cleared the toggle still moves bit 0 alone, both ways.
  s.Click(2, word);
  EXPECT_EQ(word, 0x3FFC);
  s.Click(1, word);
  EXPECT_EQ(word, 0x3FFD);
  EXPECT_EQ(s.Slot(1).caption, " FOSC0: 1");
  s.Click(1, word);
  EXPECT_EQ(word, 0x3FFC);
}

// The 10F20x have no oscillator bits: slot 1 names their one setting and a
// click leaves the word alone.
TEST(FuseSwitches, FixedOscillatorOn10F20xChangesNothing) {
  FuseSwitches s;
  s.ApplyLayout(FuseLayout::Pic10F20x);
  for (std::uint16_t word : {std::uint16_t{0x0FFF}, std::uint16_t{0x0FEC}}) {
    const std::uint16_t before = word;
    s.Click(1, word);
    EXPECT_EQ(word, before);
    EXPECT_EQ(s.Slot(1).caption, " FOSC:INTRC");
  }
}

// The direction comes from the caption, not from the word: a word that
// disagrees with what is shown still moves toward the other caption, and
// the oscillator step never borrows into the bits above bits 1..0.
TEST(FuseSwitches, CaptionDecidesTheDirection) {
  FuseSwitches s;
  s.ApplyLayout(FuseLayout::Pic16F84);
  std::uint16_t word = 0x0000;  // shown as 3FFFh: nothing repainted
  s.Click(2, word);             // "  Wdt:  ON" -> clear
  EXPECT_EQ(word, 0x0000);
  EXPECT_EQ(s.Slot(2).caption, "  Wdt:  OFF");
  s.Click(2, word);
  EXPECT_EQ(word, 0x0004);
  word = 0x3FF0;  // bits 1..0 = 0 while "  Osc:  RC" is shown
  s.Click(1, word);
  EXPECT_EQ(word, 0x3FF3) << "the step must stay in bits 1..0";
}

TEST(FuseSwitches, PartlySetMultiBitMaskShowsSetCaptionAndClearsAll) {
  FuseSwitches s;
  s.ApplyLayout(FuseLayout::Pic16C62A);
  std::uint16_t word = 0x1010 | 0x2A20 | 0x004F;
  s.ShowFuses(word);
  EXPECT_EQ(s.Slot(4).caption, "  CP0: OFF");
  s.Click(4, word);
  EXPECT_EQ(s.Slot(4).caption, "  CP0:  ON");
  EXPECT_EQ(word & 0x1510, 0);
  EXPECT_EQ(word, (0x1010 | 0x2A20 | 0x004F) & ~0x1510);
  s.Click(4, word);
  EXPECT_EQ(word & 0x1510, 0x1510);
}

TEST(FuseSwitches, PowerTimerPolarityDiffersBetweenLayouts) {
  FuseSwitches a, b;
  a.ApplyLayout(FuseLayout::Pic16C84);
  b.ApplyLayout(FuseLayout::Pic16F84);
  a.ShowFuses(0x0008);
  b.ShowFuses(0x0008);
  EXPECT_EQ(a.Slot(3).caption, "  Pwr:  ON");
  EXPECT_EQ(b.Slot(3).caption, "  Pwr:  OFF");
}

TEST(FuseSwitches, LayoutChangeRemarksAndHidesLeftovers) {
  FuseSwitches s;
  s.ApplyLayout(FuseLayout::Pic12F6xx);
  EXPECT_EQ(s.Slot(4).caption, "  Wdt:  ON");
  EXPECT_FALSE(s.Slot(4).protects);
  s.ApplyLayout(FuseLayout::Pic16C62);
  EXPECT_EQ(s.Slot(4).caption, "  CP0: OFF");
  EXPECT_TRUE(s.Slot(4).protects);

  s.ApplyLayout(FuseLayout::Pic16F62x);  // eleven slots
  s.ApplyLayout(FuseLayout::Pic16F84);   // four slots
  for (int n = 5; n <= 11; ++n) EXPECT_FALSE(s.Slot(n).visible) << n;
  const std::string leftover = s.Slot(11).caption;
  EXPECT_EQ(leftover, "  CP1: OFF");
  s.ShowFuses(0);
  EXPECT_EQ(s.Slot(11).caption, leftover) << "hidden slots are not repainted";
  std::uint16_t word = 0x3FFF;
  s.Click(11, word);
  EXPECT_EQ(word, 0x3FFF) << "a hidden slot cannot change the word";
}

TEST(FuseSwitches, UnmatchedOscCaptionAndBadSlotsDoNothing) {
  FuseSwitches s;
  s.ApplyLayout(FuseLayout::Pic14C000);
  std::uint16_t word = 0x3FFF;
  s.Click(0, word);
  s.Click(13, word);
  s.Click(12, word);
  EXPECT_EQ(word, 0x3FFF);
  s.Click(1, word);
  EXPECT_EQ(word, 0x3FFE);
  EXPECT_EQ(s.Slot(1).caption, " Osc:  HS");
}

TEST(FuseLayouts, ProtectionKind) {
  for (const char* c : {"   CP:  OFF", "  CP0: OFF", " CPD: ON", "  Cpd:  OFF", " CPP1:  ON",
                        " CPC: ON", "  CP: ON"})
    EXPECT_TRUE(IsProtectCaption(c)) << c;
  for (const char* c : {"  Wdt:  ON", " MCLR: Ex", "Debug: OFF", " BOD: ON", "CPX: 1", "", "CP"})
    EXPECT_FALSE(IsProtectCaption(c)) << c;
}

}  // namespace
}  // namespace lpt
