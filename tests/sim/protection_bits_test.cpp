// SPDX-License-Identifier: GPL-2.0-or-later
// The chip models protect on every code-protection bit the makers' headers
// (the gputils processor includes) give for their parts: each _CP_* and
// _CPD_* value clears bits that the model must treat as protection, so a
// chip left with any one of them at 0 reads as protected.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "sim/family_model.h"

namespace lpt::sim {
namespace {

constexpr const char* kHeaders = "/usr/share/gputils/header/";

// Bits that the header's code-protection settings clear: every _CP... value
// (_CP_, _CPD_, and the 14000's _CPC_, _CPU_, _CPP_) against the word with
// all of them off (their OR, which keeps unimplemented bits out).
std::uint16_t ProtectionBitsOf(const std::string& part, std::uint16_t word) {
  std::ifstream in(std::string(kHeaders) + part + ".inc");
  if (!in) return 0;
  const std::regex line(R"(^_CP\w*\s+EQU\s+H'([0-9A-Fa-f]+)')");
  std::vector<std::uint16_t> values;
  std::smatch m;
  for (std::string text; std::getline(in, text);)
    if (std::regex_search(text, m, line))
      values.push_back(static_cast<std::uint16_t>(std::stoul(m[1].str(), nullptr, 16) & word));
  std::uint16_t off = 0, bits = 0;
  for (std::uint16_t v : values) off |= v;
  for (std::uint16_t v : values) bits |= static_cast<std::uint16_t>(off & ~v);
  return bits;
}

struct Part {
  const char* header;
  Family family;
  bool exact;               // the family model serves parts whose fields all sit here
  const char* device = "";  // for a part whose model differs from its family's row
};

const Part kParts[] = {
    {"p16f84a", Family::Pic16F84, true},
    {"p16f84", Family::Pic16F84, true},
    {"p16f627", Family::Pic16F62x, true},
    {"p16f628", Family::Pic16F62x, true},
    {"p16f877", Family::Pic16F87x, true},
    {"p16f870", Family::Pic16F87x, true},
    {"p12f675", Family::Pic12F6xx, true},
    {"p16f877a", Family::Pic16F87xA, true},
    {"p16f628a", Family::Pic16F62xA, true},
    {"p12c508", Family::Pic12C50x, true},
    {"p16c505", Family::Pic16C505, true},
    {"p12c671", Family::Pic12C67x, true},
    {"p14000", Family::Pic14C000, true},
    {"p16c554", Family::Pic16C55x, true},
    {"p16c620", Family::Pic16C6x, false},
    {"p16c74", Family::Pic16C6x, false},
    {"p16c61", Family::Pic16C6x, false},
    {"p10f200", Family::Pic12F5xx, true, "10F200"},
    {"p10f222", Family::Pic12F5xx, true, "10F222"},
    {"p12f509", Family::Pic12F5xx, true, "12F509"},
    {"p12f510", Family::Pic12F5xx, true, "12F510"},
    {"p16f505", Family::Pic12F5xx, true, "16F505"},
    {"p16f506", Family::Pic12F5xx, true, "16F506"},
    {"p16f54", Family::Pic16F5x, true, "16F54"},
    {"p16f59", Family::Pic16F5x, true, "16F59"},
};

TEST(ProtectionBits, EveryMakersBitProtectsTheModel) {
  if (!std::ifstream(std::string(kHeaders) + "p16f84a.inc"))
    GTEST_SKIP() << "gputils headers not installed";
  for (const Part& part : kParts) {
    SCOPED_TRACE(part.header);
    const std::optional<FamilyModel> model = PartModel(part.device, part.family);
    ASSERT_TRUE(model);
    const std::uint16_t modelled = model->protection.cpMask | model->protection.cpdMask;
    const std::uint16_t makers = ProtectionBitsOf(part.header, WordMask(*model));
    ASSERT_NE(makers, 0) << "no code-protection settings found";
    EXPECT_EQ(makers & ~modelled, 0)
        << std::hex << "bits the model does not protect on: " << (makers & ~modelled);
    if (part.exact) {
      EXPECT_EQ(modelled & ~makers, 0) << std::hex << "bits no header names";
    }
  }
}

}  // namespace
}  // namespace lpt::sim
