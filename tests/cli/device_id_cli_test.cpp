// SPDX-License-Identifier: GPL-2.0-or-later
// The device ID on the command line: detect, the check before a write,
// --force and --check-id, names as users type them, and the connection
// lines of devices --long. The chips are simulated ones named in a chip
// file; the expected words are the makers' (parts, pins from data sheets).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/cli_run.h"

namespace {

using lpt::testing_files::CliRun;
using ::testing::HasSubstr;

struct Case {
  const char* chip;  // the chip file's lines after its heading
  const char* args;  // everything after --port sim:chip.txt
  int code;
  const char* out;  // a piece standard output must hold ("" = empty output)
  const char* err;  // a piece standard error must hold ("" = nothing asked)
};

constexpr Case kCases[] = {
    // Detect names the part (a group's member by its own name) or says why not.
    {"device 16F887", "--device pic16f887 detect", 0, "16F887 revision ", ""},
    {"device 16F887", "--device 16F84 detect", 0, "16F887 revision ", ""},
    {"device 16F1827", "--device 16F1827 detect", 0, "16F1827 revision 4", ""},
    {"device 12F1840", "--device 16F1933 detect", 0, "12F1840 revision 6", ""},
    {"device 12F629/675", "--device 12F675 detect", 0, "12F629 (12F629/675) revision ", ""},
    {"device 16F88\nfault no-chip", "--device 16F88 detect", 1, "", "no chip answers"},
    {"device 16F84", "--device 16F88 detect", 1, "", "unknown device ID 3FFFh"},
    // The 16F636 and 16F639 answer the same ID (DS41204): either may be the chip.
    {"device 16F639", "--device 16F639 detect", 0, "16F636 or 16F639 revision ", ""},
    {"device 16F639", "--device 16F639 erase", 0, "", ""},
    {"device 12F683", "--device 12F615 erase", 1, "",
     "The chip is a 12F683, not the selected 12F615."},
    // The later families always check before writing; --force writes anyway.
    {"device 16F887", "--device 16F886 erase", 1, "",
     "The chip is a 16F887, not the selected 16F886."},
    {"device 16F887", "--device 16F886 --force erase", 0, "", ""},
    {"device 16F88", "--device 16f88 erase", 0, "", ""},
    // The older families check only when asked, so their traffic stays.
    {"device 16F877A", "--device 16F876A erase", 0, "", ""},
    {"device 16F877A", "--device 16F876A --check-id erase", 1, "",
     "The chip is a 16F877A, not the selected 16F876A."},
    {"device 16F877A", "--device 16F877A --check-id blank", 0, "", ""},
    // Names: any case, "PIC" or not, a group member with its family's
    // digits mistaken; an unknown one lists the nearest.
    {"device 12F629/675", "--device 16F675 detect", 0, "12F629 (12F629/675) revision ", ""},
    {"device 16F88", "--device ' PIC16F88 ' detect", 0, "16F88 revision ", ""},
    {"device 16F88", "--device 16F8 detect", 2, "",
     "Unknown device \"16F8\". Nearest catalogue names:"},
};

TEST(DeviceIdCli, DetectCheckForceAndNames) {
  for (const Case& c : kCases) {
    lpt::testing_files::ScratchDir dir("lptpic_cli_id_");
    std::ofstream(dir.path / "chip.txt") << "# lptpic simulated chip\n" << c.chip << "\n";
    const CliRun run =
        lpt::testing_files::RunCliIn(dir.path, std::string("-q --port sim:chip.txt ") + c.args);
    SCOPED_TRACE(c.args);
    EXPECT_EQ(run.code, c.code) << run.err;
    if (*c.out == '\0')
      EXPECT_EQ(run.out, "");
    else
      EXPECT_THAT(run.out, HasSubstr(c.out));
    EXPECT_THAT(run.err, HasSubstr(c.err));
  }
}

// Connection lines: the 16F88's and 16F887's programming pins from their
// data sheets' pin diagrams (MCLR/Vpp, Vdd, Vss, RB6/PGC, RB7/PGD).
TEST(DeviceIdCli, DevicesLongPrintsIdsLatchesCalibrationAndPins) {
  lpt::testing_files::ScratchDir dir("lptpic_cli_long_");
  const CliRun run = lpt::testing_files::RunCliIn(dir.path, "devices --long");
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(run.out, HasSubstr("\n16F88\t43\t4096\t256\t3FFF/0003\t48\t41\tsimulator\n"
                                 "\tdevice ID 0760, revision in bits 3:0\n"
                                 "\twrites rows of 4 words\n"
                                 "\tIn the socket: DIP18, pin 1 over hole 12 of strip 1.\n"
                                 "\tICSP Vpp/MCLR: pin 4\n\tICSP Vdd: pin 14\n\tICSP Vss: pin 5\n"
                                 "\tICSP PGC (clock): pin 12\n\tICSP PGD (data): pin 13\n"));
  EXPECT_THAT(run.out, HasSubstr("\tdevice ID 2080, revision in bits 4:0\n"
                                 "\twrites rows of 8 words\n"
                                 "\tcalibration word at 2009 kept across erase\n"
                                 "\tIn the socket: DIP40, pin 1 over hole 1 of strip 1.\n"
                                 "\tICSP Vpp/MCLR: pin 1\n\tICSP Vdd: pins 11 and 32\n"
                                 "\tICSP Vss: pins 12 and 31\n\tICSP PGC (clock): pin 39\n"
                                 "\tICSP PGD (data): pin 40\n"));
  EXPECT_THAT(run.out, HasSubstr("\tdevice ID 12F629=0F80 12F675=0FC0, revision in bits 4:0\n"));
  // The 20-pin parts on a cable (16F690: VDD 1, RA3/MCLR/VPP 4, RA1/ICSPCLK
  // 18, RA0/ICSPDAT 19, VSS 20); the HV twins' shunt regulator.
  EXPECT_THAT(run.out, HasSubstr("\tcalibration word at 2008 kept across erase\n"
                                 "\tNot in the socket: connect the DIP20 through an ICSP cable to "
                                 "the adapter's lines.\n\tICSP Vpp/MCLR: pin 4\n\tICSP Vdd: pin 1\n"
                                 "\tICSP Vss: pin 20\n\tICSP PGC (clock): pin 18\n"
                                 "\tICSP PGD (data): pin 19\n16F631\t"));
  EXPECT_THAT(run.out, HasSubstr("\tICSP PGD (data): pin 7\n\tVdd feeds a shunt regulator"));
}

}  // namespace
