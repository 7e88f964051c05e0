#include "ops/write_cycle.h"

#include "ops/compare_walk.h"
#include "ops/row_walk.h"
#include "ops/stop_check.h"

namespace lpt {
namespace {

constexpr std::uint16_t kBlank14 = 0x3FFF;

// The row [first, first + latches) holds nothing to write.
bool RowIsBlank(const OpContext& ctx, Family family, int first, int latches) {
  for (int address = first; address < first + latches; ++address)
    if (!ctx.buffers.ProgramWordValue(address, family).Matches(kBlank14)) return false;
  return true;
}

}  // namespace

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
  WaitFor(ctx, WaitKind::Discharge);
}

bool WriteLatchedRows(OpContext& ctx, Family family, const WriteCycle& cycle, int latches) {
  ctx.proto.ResetPic();
  const int words = 8 * ctx.device.programRows;
  for (int first = 0; first < words; first += latches) {
    if (StopBefore(ctx, first)) return false;
    if (RowIsBlank(ctx, family, first, latches)) {
      Clocks(ctx.proto, latches);
    } else {
      // The latches are filled at the addresses they stand for; the cycle
      // is started from the row's last word and writes the whole row.
      for (int i = 0; i < latches; ++i) {
        if (i > 0) ctx.proto.IncrementAddress();
        ctx.proto.LoadDataForProgramMemory(ctx.buffers.ProgramWordValue(first + i, family).value);
      }
      RunWriteCycle(ctx, cycle, WaitKind::ProgramWord);
      ctx.proto.IncrementAddress();
    }
    const int done = first + latches;
    if (done % 8 == 0) ctx.hooks.SetProgress(done / 8 - 1);
  }
  return CompareProgramMemory(
      ctx, family,
      {[&](int address) { return ctx.buffers.ProgramWordValue(address, family); },
       [&](int address) { return ctx.buffers.ProgramText(address); }});
}

}  // namespace lpt
