// SPDX-License-Identifier: GPL-2.0-or-later
// Where the fuse switches and the "?" panel sit on the main window: the
// "Fuses" group in the client area and the twelve switch slots inside it,
// and the colours of the switches.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

namespace lpt::app {

// RGB colours of the switches.
inline constexpr unsigned kSwitchColour = 0xFDC795;   // ordinary switch
inline constexpr unsigned kProtectColour = 0x7495B6;  // code protection

// The client area and the command buttons' row under the fuse group, as
// they are for a part whose switches take two rows; a part with more rows
// grows the group, and the window and the buttons move down with it.
inline constexpr QSize kClientSize{618, 296};
inline constexpr int kButtonRowTop = 264;

inline constexpr QRect kFuseGroupRect{16, 192, 449, 53};
// Rows of switches are this far apart; the group's frame needs the rest.
inline constexpr int kFuseRowPitch = 16;
inline constexpr QRect kInfoPanelRect{472, 209, 14, 17};
inline constexpr QRect kIdPanelRect{492, 209, 109, 17};
inline constexpr QPoint kProgressPanelTopLeft{192, 90};
// The result line under the buttons keeps this far from the edges.
inline constexpr int kResultMargin = 16;

// Slot n (1..18) is element n - 1: rows of six, the last column one pixel
// wider in the top row and the right half one wider in the others. The
// third row is only used by parts with more than twelve switches.
inline constexpr std::array<QRect, 18> kFuseSlotRects{{
    {8, 16, 72, 15},
    {80, 16, 72, 15},
    {152, 16, 72, 15},
    {224, 16, 72, 15},
    {296, 16, 72, 15},
    {368, 16, 73, 15},
    {8, 32, 72, 15},
    {80, 32, 72, 15},
    {152, 32, 73, 15},
    {224, 32, 73, 15},
    {296, 32, 73, 15},
    {368, 32, 73, 15},
    {8, 48, 72, 15},
    {80, 48, 72, 15},
    {152, 48, 73, 15},
    {224, 48, 73, 15},
    {296, 48, 73, 15},
    {368, 48, 73, 15},
}};

}  // namespace lpt::app
