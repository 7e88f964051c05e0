// SPDX-License-Identifier: GPL-2.0-or-later
#include "ops/verify_passes.h"

#include "ops/compare_walk.h"

namespace lpt {

// The passes read the cells when they reach them.

bool VerifyProgramMemory(OpContext& ctx, Family family) {
  return CompareProgramMemory(
      ctx, family,
      {[&](int address) { return ctx.buffers.ProgramWordValue(address, family); },
       [&](int address) { return ctx.buffers.ProgramText(address); }});
}

bool VerifyDataMemory(OpContext& ctx, Family family) {
  return CompareDataMemory(ctx, family,
                           {[&](int address) { return ctx.buffers.DataByteValue(address); },
                            [&](int address) { return ctx.buffers.DataText(address); }});
}

bool VerifyFuses(OpContext& ctx, Family family) {
  return CompareConfigWords(ctx, family, {ctx.buffers.FuseWord, ctx.buffers.SecondFuseWord});
}

bool VerifyID(OpContext& ctx, Family family) {
  return CompareIdDigits(ctx, family, ctx.buffers.IdDigits(), ctx.compareId);
}

}  // namespace lpt
