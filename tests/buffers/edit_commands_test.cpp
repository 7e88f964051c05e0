// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include "buffers/edit_buffers.h"

namespace lpt {
namespace {

TEST(EditCommands, SetBufferBlanksGridsFusesAndId) {
  ActiveDevice device;
  EditBuffers buffers;
  SetUpDevice(device, buffers, "16C505");
  buffers.ProgramWord(0) = "A05";
  buffers.ProgramWord(1023) = "123";
  buffers.FuseWord = 0x0012;
  buffers.SetIdDigits("1234");
  SetBuffer(device, buffers);
  for (int a = 0; a < 1024; ++a) ASSERT_EQ(buffers.ProgramWord(a), "FFF") << a;
  EXPECT_EQ(buffers.FuseWord, 0x3FFF);
  EXPECT_EQ(buffers.IdDigits(), "FFFF");
  EXPECT_EQ(buffers.IdDigits(), "FFFF");
}

TEST(EditCommands, SetOnlyFusesIdLeavesTheGrids) {
  ActiveDevice device;
  EditBuffers buffers;
  SetUpDevice(device, buffers, "16F84");
  buffers.ProgramWord(5) = "2805";
  buffers.DataByte(2) = "7E";
  buffers.FuseWord = 0x000F;
  buffers.SetIdDigits("0001");
  SetOnlyFusesId(buffers);
  EXPECT_EQ(buffers.ProgramWord(5), "2805");
  EXPECT_EQ(buffers.DataByte(2), "7E");
  EXPECT_EQ(buffers.FuseWord, 0x3FFF);
  EXPECT_EQ(buffers.IdDigits(), "FFFF");
}

}  // namespace
}  // namespace lpt
