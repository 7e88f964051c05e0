// SPDX-License-Identifier: GPL-2.0-or-later
#include "ops/stop_check.h"

#include "buffers/hex_text.h"

namespace lpt {

bool StopBefore(OpContext& ctx, int address) {
  if (ctx.state.Stopped) return true;
  if (!ctx.state.stopRequested.load()) {
    if (ctx.state.wordAhead != nullptr) ctx.state.wordAhead();
    return false;
  }
  ctx.state.Stopped = true;
  ctx.state.StoppedAt = address;
  return true;
}

std::string StoppedMessage(const OpState& state) {
  const auto address = static_cast<std::uint32_t>(state.StoppedAt < 0 ? 0 : state.StoppedAt);
  return "Stopped by the user at address " + ToHex(address, 4) + "h.";
}

}  // namespace lpt
