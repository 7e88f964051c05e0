#include "ops/word_text.h"

#include <cstdio>

#include "devices/family.h"
#include "ops/row_walk.h"

namespace lpt {

std::string Hex4Text(std::uint16_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(value));
  return text;
}

std::uint16_t ReadBackValue(const std::string& text) {
  // ReadDataFromProgramMemory always returns upper-case hex digits; any other character
  // counts as 0 so a malformed text can only fail a comparison.
  unsigned value = 0;
  for (char c : text) {
    unsigned digit = 0;
    if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
    if (c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
    value = (value << 4 | digit) & 0xFFFF;
  }
  return static_cast<std::uint16_t>(value);
}

std::string Drop1(const std::string& text) { return text.empty() ? text : text.substr(1); }

char LastDigit(const std::string& text) { return text.empty() ? '\0' : text.back(); }

void GoToConfigWord(Protocol& proto) {
  proto.ResetPic();
  proto.LoadConfiguration("3FFF");
  Clocks(proto, 7);
}

std::string ReadConfigWord(OpContext& ctx, Family family) {
  if (IsWord12Family(family)) {
    ctx.proto.ResetPic();  // the 12-bit counter starts on the configuration word
  } else {
    GoToConfigWord(ctx.proto);
  }
  return ctx.proto.ReadDataFromProgramMemory();
}

bool FuseCheck(OpContext& ctx, std::uint16_t expected) {
  const std::uint16_t mask = ctx.device.configMask;
  const auto read =
      static_cast<std::uint16_t>(ReadBackValue(ctx.proto.ReadDataFromProgramMemory()) & mask);
  const auto want = static_cast<std::uint16_t>(expected & mask);
  if (read == want) return true;
  ctx.failure = FailureDetail{MemoryKind::Config, ConfigWordAddress(ctx.device.family),
                              Hex4Text(want), Hex4Text(read)};
  return false;
}

std::uint32_t ConfigWordAddress(Family family) { return IsWord12Family(family) ? 0x0FFF : 0x2007; }

}  // namespace lpt
