// SPDX-License-Identifier: GPL-2.0-or-later
// What the window says after Select > Detect: the chip and its revision
// in the result line, and whether to offer it for selection. A chip that
// does not answer, or answers a word no part has, is told in the result
// line and in a box alike, so no "Ok" stands beside it; a selected part
// without a device ID is said to be one Detect cannot name.
#pragma once

#include <QString>
#include <string>

#include "devices/active_device.h"
#include "ops/device_id.h"

namespace lpt::app {

struct DetectReport {
  // After "Detect: " in the result line ("16F887 revision 5 in the socket").
  QString result;
  // A box for what was not found; empty when a part was.
  QString box;
  // The part to offer for selection: found, and not the one selected.
  std::string offer;
};

DetectReport DetectReportOf(const Detection& found, const ActiveDevice& selected);

// The question that offers the part found: "16F887 revision 5 in the
// socket. Select it?"
QString DetectOfferQuestion(const DetectReport& report);

}  // namespace lpt::app
