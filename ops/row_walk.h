// The one walk every memory pass makes: rows of eight words, one IncrementAddress after
// each word (written, skipped or equal alike), so that the word at row r,
// column c is always handled at address 8r + c - 1.
#pragma once

#include <string>

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
  bool rowEvents = false;     // handle window messages after each row
  bool wordEvents = false;    // ... and after each word
};

// Calls step(row, col) for every word (col 1..8); true unless a step failed
// or the user stopped the command before a word (the word at 8 row + col - 1).
template <class Step>
bool WalkRows(OpContext& ctx, const RowWalk& walk, Step&& step) {
  for (int row = 0; row < walk.rows; ++row) {
    for (int col = 1; col <= 8; ++col) {
      if (walk.lastWordRule && row == walk.rows - 1 && col == 8) return true;
      if (StopBefore(ctx, 8 * row + col - 1)) return false;
      const WordStep result = step(row, col);
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

// Cell texts as the passes see them. The window may change the device while a
// pass lets it handle messages; a cell that no longer exists reads as empty
// text, which loads as zeros and never matches, instead of reading past the
// buffer.
inline std::string ProgramCellText(const EditBuffers& buffers, int row, int col) {
  if (row < 0 || row >= buffers.ProgramRows()) return {};
  return buffers.ProgramCell(row, col);
}
inline std::string DataCellText(const EditBuffers& buffers, int row, int col) {
  if (row < 0 || row >= buffers.DataGridRows()) return {};
  return buffers.DataCell(row, col);
}
inline void StoreProgramCell(EditBuffers& buffers, int row, int col, std::string text) {
  if (row >= 0 && row < buffers.ProgramRows()) buffers.ProgramCell(row, col) = std::move(text);
}
inline void StoreDataCell(EditBuffers& buffers, int row, int col, std::string text) {
  if (row >= 0 && row < buffers.DataGridRows()) buffers.DataCell(row, col) = std::move(text);
}

}  // namespace lpt
