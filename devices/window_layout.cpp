#include "devices/window_layout.h"

#include <array>

namespace lpt {
namespace {

using L = Layout;

// After PlochaStandart every control is shown and enabled and the "?" panel
// hidden; each layout then settles the controls that depend on what the
// chip can do: EPROM parts have no data memory and no electrical erase,
// and the 12F6xx/16F62xA parts are always programmed as a whole (their
// fuse pass relies on the erase that opens Program All).
struct LayoutRow {
  Layout layout;
  WindowLayout window;
};

// layout, {data group, "Program only Data memory", erase, fuses, "?"}
constexpr std::array<LayoutRow, kLayoutCount> kWindowLayouts{{
    {L::Plocha_1, {true, true, true, true, false}},
    {L::Plocha_3, {true, true, true, true, false}},
    {L::Plocha_4, {false, false, false, true, false}},
    {L::Plocha_5, {false, false, false, true, true}},
    {L::Plocha_7, {false, false, false, true, true}},
    {L::Plocha_10, {false, false, false, true, true}},
    {L::Plocha_11, {false, false, false, true, true}},
    {L::Plocha_12, {false, false, false, true, true}},
    {L::Plocha_13, {false, false, false, true, true}},
    {L::Plocha_14, {false, false, false, true, true}},
    {L::Plocha_17, {false, false, false, true, true}},
    {L::Plocha_20, {false, false, false, true, true}},
    {L::Plocha_21, {false, false, false, true, true}},
    {L::Plocha_22, {false, false, false, true, true}},
    {L::Plocha_24, {false, false, false, true, true}},
    {L::Plocha_25, {true, true, true, true, true}},
    {L::Plocha_27, {true, true, true, true, true}},
    {L::Plocha_28, {true, false, true, false, true}},
    {L::Plocha_30, {true, true, true, true, true}},
    {L::Plocha_40, {true, false, true, false, true}},
}};

}  // namespace

WindowLayout WindowLayoutOf(Layout layout) {
  for (const LayoutRow& row : kWindowLayouts)
    if (row.layout == layout) return row.window;
  // Every enumerator has a row (checked by the catalogue self-test); the
  // PlochaStandart state is the safe answer for a value outside the enum.
  return {true, true, true, true, false};
}

}  // namespace lpt
