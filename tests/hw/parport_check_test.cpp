// SPDX-License-Identifier: GPL-2.0-or-later
// Only a ppdev character device is opened as a parallel port: the path is
// checked before the read-write open, so a regular file, another driver's
// device or a path that climbs out of /dev is never opened at all.
#include "hw/parport_check.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <fstream>

#include "hw/ppdev_port.h"
#include "support/temp_dir.h"

namespace lpt {
namespace {

TEST(ParportCheck, OnlyCharacterDevicesOfThePpdevMajorPass) {
  testing_files::ScratchDir scratch("lptpic_parport_");
  const std::string regular = (scratch.path / "parport0").string();
  std::ofstream(regular) << "not a port";
  ASSERT_EQ(::mkfifo((scratch.path / "fifo").c_str(), 0644), 0);
  struct Case {
    std::string path;
    int error;
  } cases[] = {
      {"/dev/null", ENOTTY},           // a character device of another driver (major 1)
      {"/dev/../etc/passwd", ENOTTY},  // a regular file reached through /dev
      {"/dev", ENOTTY},                // a folder
      {regular, ENOTTY},               // named like a port, but a file
      {(scratch.path / "fifo").string(), ENOTTY},
      {"/dev/parport-lptpic-none", ENOENT},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    int error = 0;
    EXPECT_FALSE(IsParportDevice(c.path, &error));
    EXPECT_EQ(error, c.error);
  }
}

TEST(ParportCheck, TheRealBackendRefusesBeforeOpeningAndSaysWhy) {
  auto sys = MakeLinuxPpdevSystem();
  ASSERT_TRUE(sys);
  testing_files::ScratchDir scratch("lptpic_parport_");
  const std::string file = (scratch.path / "data").string();
  std::ofstream(file) << "keep";
  const auto before = std::filesystem::last_write_time(file);
  EXPECT_EQ(sys->Open(file), -ENOTTY);
  EXPECT_EQ(sys->Open("/dev/../etc/passwd"), -ENOTTY);
  EXPECT_EQ(std::filesystem::last_write_time(file), before);

  PpdevPort port("/dev/null", 0x378, MakeLinuxPpdevSystem());
  port.SetOpened(true);
  EXPECT_FALSE(port.Opened());
  EXPECT_EQ(port.FailureReason(),
            "/dev/null is not a parallel port: only ppdev character devices (/dev/parportN) "
            "are opened.");
}

}  // namespace
}  // namespace lpt
