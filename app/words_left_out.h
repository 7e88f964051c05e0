// SPDX-License-Identifier: GPL-2.0-or-later
// What a change of part does to the buffers: whether they hold anything at
// all, and which words of the old part's buffers the new part has no room
// for, so that the window can say so instead of dropping them unseen.
#pragma once

#include <QString>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"

namespace lpt::app {

// True when the buffers are as Clear Buffers leaves them: every word and
// byte blank, both configuration words 3FFFh, the ID blank.
bool BuffersBlank(const ActiveDevice& device, const EditBuffers& buffers);

struct LeftOut {
  int programWords = 0;
  int dataBytes = 0;
};

// The words and bytes of `held` (buffers of `before`) that are not blank
// and lie past the end of `after`'s memories.
LeftOut WordsLeftOut(const ActiveDevice& before, const EditBuffers& held,
                     const ActiveDevice& after);

// "prog.hex: 12 program words and 3 data bytes lie beyond the 16F84's
// memories and were left out."
QString LeftOutText(const QString& file, const ActiveDevice& device, const LeftOut& left);

}  // namespace lpt::app
