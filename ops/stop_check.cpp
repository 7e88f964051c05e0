#include "ops/stop_check.h"

#include "buffers/hex_text.h"
#include "devices/family.h"

namespace lpt {

bool StopBefore(OpContext& ctx, int address) {
  if (ctx.state.Stopped) return true;
  if (!ctx.state.stopRequested.load()) return false;
  ctx.state.Stopped = true;
  ctx.state.StoppedAt = address;
  return true;
}

std::string StoppedMessage(const OpState& state) {
  const auto address = static_cast<std::uint32_t>(state.StoppedAt < 0 ? 0 : state.StoppedAt);
  return "Stopped by the user at address " + ToHex(address, 4) + "h.";
}

int IdWordAddress(const OpContext& ctx, int index) {
  if (IsWord12Family(ctx.device.family)) return 8 * ctx.device.programRows + index;
  return 0x2000 + index;
}

int ConfigWordAddress(const OpContext& ctx) {
  return IsWord12Family(ctx.device.family) ? 0x0FFF : 0x2007;
}

}  // namespace lpt
