// SPDX-License-Identifier: GPL-2.0-or-later
#include "ops/write_cycle.h"

namespace lpt {
void RunWriteCycle(OpContext& ctx, const WriteCycle& cycle, WaitKind kind) {
  if (cycle.begin == WriteStart::ProgrammingOnly) {
    ctx.proto.BeginProgrammingOnlyCycle();
  } else {
    ctx.proto.BeginEraseProgrammingCycle();
  }
  WaitFor(ctx, kind);
  switch (cycle.end) {
    case WriteEnd::None:
      return;
    case WriteEnd::Eprom:
      ctx.proto.EndProgrammingEprom();
      break;
    case WriteEnd::Flash16F87xA:
      ctx.proto.EndProgramming16F87xA();
      break;
    case WriteEnd::Flash12F6xx:
      ctx.proto.EndProgramming12F6xx();
      break;
  }
  // A family whose profile names no wait after End Programming gets none.
  if (WaitFigureUs(ctx, WaitKind::Discharge, 0) != 0) WaitFor(ctx, WaitKind::Discharge);
}

}  // namespace lpt
