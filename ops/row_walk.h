// SPDX-License-Identifier: GPL-2.0-or-later
// The one walk every memory pass makes: rows of eight words, one IncrementAddress after
// each word (written, skipped or equal alike), so that the word at row r,
// column c is always handled at address 8r + c - 1.
#pragma once

#include "ops/device_commands.h"
#include "ops/stop_check.h"

namespace lpt {

// What a pass decided about one word.
enum class WordStep {
  Next,     // go on: IncrementAddress to the next word
  Fail,     // the pass fails here
  EndPass,  // the pass ends here and succeeds (no IncrementAddress)
};

struct RowWalk {
  int rows = 0;
  bool lastWordRule = false;  // end with success on reaching the last word, untouched
  bool rowProgress = false;   // gauge := row index after each row
  int words = -1;             // when not -1: end with success on reaching this word
};

// Calls step(address) for every word in order; true unless a step failed or
// the user stopped the command before a word.
template <class Step>
bool WalkRows(OpContext& ctx, const RowWalk& walk, Step&& step) {
  for (int row = 0; row < walk.rows; ++row) {
    for (int col = 1; col <= 8; ++col) {
      if (walk.lastWordRule && row == walk.rows - 1 && col == 8) return true;
      const int address = 8 * row + col - 1;
      if (address == walk.words) return true;
      if (StopBefore(ctx, address)) return false;
      const WordStep result = step(address);
      if (result == WordStep::Fail) return false;
      if (result == WordStep::EndPass) return true;
      ctx.proto.IncrementAddress();
    }
    if (walk.rowProgress) ctx.hooks.Progress(row, ctx.device.programRows - 1);
  }
  return true;
}

// Several CLKs in a row (to the configuration word, past program memory).
inline void Clocks(Protocol& proto, int count) {
  for (int i = 0; i < count; ++i) proto.IncrementAddress();
}

}  // namespace lpt
