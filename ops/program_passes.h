// SPDX-License-Identifier: GPL-2.0-or-later
// Program: the edit buffers into the chip, one pass per memory. Each pass
// reads every written word back and returns false at the first word that
// does not take within the family's number of attempts.
#pragma once

#include <cstdint>

#include "ops/device_commands.h"
#include "ops/family_methods.h"

namespace lpt {

bool ProgramProgramMemory(OpContext& ctx, Family family);
// Program memory of a chip with write latches, after its erase: a row of
// `latches` words per write `cycle` (latched_rows_pass.cpp). `words`: the
// words to walk (WalkEnd).
bool ProgramLatchedRows(OpContext& ctx, Family family, int latches, const WriteCycle& cycle,
                        int words);
bool ProgramDataMemory(OpContext& ctx, Family family);
bool ProgramID(OpContext& ctx, Family family);
// May adjust FuseWord first (16C55x, 14C000, 12-bit families) and keeps it so.
bool ProgramFuses(OpContext& ctx, Family family);

// One EPROM programming pulse: LoadDataForProgramMemory(word), BeginEraseProgrammingCycle, 200 us,
// EndProgrammingEprom.
void EpromPulse(OpContext& ctx, std::uint16_t word);

// Up to `tries` pulses, each followed by a read-back that `reached` judges;
// after the match exactly `extra` more pulses. False when no pulse reached it.
template <class Reached>
bool PulseUntil(OpContext& ctx, std::uint16_t word, int tries, int extra, Reached&& reached) {
  for (int pulse = 1; pulse <= tries; ++pulse) {
    EpromPulse(ctx, word);
    if (reached(ctx.proto.ReadDataFromProgramMemory())) {
      for (int i = 0; i < extra; ++i) EpromPulse(ctx, word);
      return true;
    }
  }
  return false;
}

// In the datasheet profile, after the erase the command began with: a
// program word or data byte still at its erased value needs no write and is
// passed with IncrementAddress only.
inline bool ErasedCellsNeedNoWrite(const OpContext& ctx) {
  return ctx.chipErased && ctx.state.timing == TimingProfile::Datasheet;
}

// Where a pass over `cells` cells may end: just past the last cell that
// `needsWrite`, when erased cells need no write; -1 (every cell) otherwise.
template <class NeedsWrite>
int WalkEnd(const OpContext& ctx, int cells, NeedsWrite&& needsWrite) {
  if (!ErasedCellsNeedNoWrite(ctx)) return -1;
  while (cells > 0 && !needsWrite(cells - 1)) --cells;
  return cells;
}

// 16F877A: attempts per program word, data byte, ID word and configuration word.
inline constexpr int kFlashAttempts = 5;

// Pulse counts of the EPROM algorithms.
inline constexpr int kEpromTries14 = 25;
inline constexpr int kEpromExtra14 = 3;
inline constexpr int kEpromTries12 = 8;
inline constexpr int kEpromExtra12 = 11;

}  // namespace lpt
