// SPDX-License-Identifier: GPL-2.0-or-later
// The PIC18F2XXX/4XXX parts through the whole round in both timing
// profiles on their simulated chips: a gpasm program with CONFIG
// directives, ID bytes and data EEPROM programs, verifies and reads back;
// the HEX file written from the read holds gpasm's bytes (srec_cmp) and
// gpdasm reads it; an erase leaves the chip blank. A full 18F4550 in the
// datasheet profile waits within 10 % of what DS39622 asks at least.
#include <gtest/gtest.h>

#include <cstdio>

#include "hexfile/pic18_hex.h"
#include "hw/pic18_command.h"
#include "support/pic18_rig.h"

namespace lpt::pic18test {
namespace {

namespace fs = std::filesystem;

struct Round {
  const char* part;
  const char* image;  // tests/data/hex/ops_<image>.asm
  // gpasm writes the default of a protection bit the part lacks (CONFIG5L
  // 0Fh on the 16 and 24 KB parts): their read-back differs there.
  bool byteIdentical;
};

constexpr Round kRounds[] = {
    {"18F2550", "18f4550", true},  {"18F4550", "18f4550", true},  {"18F2520", "18f4520", true},
    {"18F4520", "18f4520", true},  {"18F2455", "18f4550", false}, {"18F4455", "18f4550", false},
    {"18F2420", "18f4520", false}, {"18F4420", "18f4520", false},
};

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

TEST(Pic18Round, ProgramVerifyReadEraseBlankInBothProfiles) {
  const testing_files::ScratchDir dir("lptpic_pic18_");
  for (const Round& round : kRounds) {
    const std::string gpasmHex = AssemblePic18(dir.path, round.image, Lower(round.part));
    ASSERT_FALSE(gpasmHex.empty()) << round.part << ": gpasm failed";
    for (TimingProfile profile : {TimingProfile::Standard, TimingProfile::Datasheet}) {
      SCOPED_TRACE(std::string(round.part) + " " + std::string(TimingProfileName(profile)));
      Pic18Rig rig(round.part, profile);
      Pic18Image image;
      const Pic18HexResult loaded = LoadPic18HexFile(gpasmHex, rig.part, image);
      ASSERT_TRUE(loaded.ok) << loaded.message;
      EXPECT_EQ(loaded.bytesOutside, 0);

      const Pic18Outcome programmed = ProgramAllPic18(rig.session, image);
      EXPECT_TRUE(programmed.ok) << programmed.message;
      EXPECT_EQ(programmed.deviceId & rig.part.deviceIdMask, rig.part.deviceId);
      EXPECT_TRUE(VerifyPic18(rig.session, image).ok);
      EXPECT_EQ(rig.chip().Lost(), 0);

      Pic18Image read;
      ASSERT_TRUE(ReadPic18(rig.session, read).ok);
      const fs::path readHex = dir.path / "read.hex";
      std::ofstream(readHex, std::ios::binary) << FormatPic18Hex(rig.part, read);
      if (round.byteIdentical) {
        // Both filled with erased bytes over program memory and EEPROM: the
        // writer leaves out records that are all FFh, gpasm what it was not given.
        const std::string fill = " -fill 0xFF 0 " + std::to_string(rig.part.programBytes) +
                                 " -fill 0xFF 0xF00000 " +
                                 std::to_string(0xF00000 + rig.part.dataBytes) + " -o '";
        const std::string a = (dir.path / "a.hex").string(), b = (dir.path / "b.hex").string();
        const std::string cmp = "srec_cat '" + gpasmHex + "' -intel" + fill + a +
                                "' -intel && srec_cat '" + readHex.string() + "' -intel" + fill +
                                b + "' -intel && srec_cmp '" + a + "' -intel '" + b +
                                "' -intel > /dev/null 2>&1";
        EXPECT_EQ(std::system(cmp.c_str()), 0) << "srec_cmp " << gpasmHex;
      }
      const std::string dasm =
          "gpdasm -p p" + Lower(round.part) + " '" + readHex.string() + "' > /dev/null 2>&1";
      EXPECT_EQ(std::system(dasm.c_str()), 0);

      EXPECT_TRUE(ErasePic18(rig.session).ok);
      const Pic18Outcome blank = BlankCheckPic18(rig.session);
      EXPECT_TRUE(blank.ok) << blank.message;
    }
  }
}

// DS39622's floor for a whole 18F4550: every write buffer's P9, the chip
// erase's P11 and every data EEPROM byte's write time.
TEST(Pic18Round, Full18F4550InTheDatasheetProfileWaitsNearTheDocumentsFloor) {
  Pic18Rig rig("18F4550", TimingProfile::Datasheet);
  Pic18Image image = BlankPic18Image(rig.part);
  for (std::size_t i = 0; i < image.program.size(); ++i)
    image.program[i] = static_cast<std::uint8_t>(i * 7);
  for (std::size_t i = 0; i < image.eeprom.size(); ++i)
    image.eeprom[i] = static_cast<std::uint8_t>(i);
  image.ids = {1, 2, 3, 4, 5, 6, 7, 8};
  const std::uint64_t before = rig.clock.WaitedUs();
  const Pic18Outcome outcome = ProgramAllPic18(rig.session, image);
  ASSERT_TRUE(outcome.ok) << outcome.message;
  const std::uint64_t waited = rig.clock.WaitedUs() - before;
  const int buffers = rig.part.programBytes / rig.part.writeBufferBytes;
  EXPECT_EQ(outcome.buffersWritten, buffers);
  const std::uint64_t floorUs = 1000ULL * static_cast<std::uint64_t>(buffers) + 5000 +
                                4000ULL * static_cast<std::uint64_t>(rig.part.dataBytes);
  std::printf(
      "18F4550 datasheet profile: %d buffers x 1 ms + 5 ms erase + %d bytes x 4 ms = "
      "%llu us floor; waited %llu us (%.1f %% over)\n",
      buffers, rig.part.dataBytes, static_cast<unsigned long long>(floorUs),
      static_cast<unsigned long long>(waited),
      100.0 * (static_cast<double>(waited) / static_cast<double>(floorUs) - 1.0));
  EXPECT_GE(waited, floorUs);
  EXPECT_LE(waited, floorUs + floorUs / 10);
}

}  // namespace
}  // namespace lpt::pic18test
