// SPDX-License-Identifier: GPL-2.0-or-later
// A catalogue device set up the way the program sets one up (SetUpDevice): the
// active-device fields and blank edit buffers of that size.
#pragma once

#include <string_view>

#include "buffers/edit_buffers.h"
#include "devices/active_device.h"

namespace lpt::testing_buffers {

struct DeviceBuffers {
  explicit DeviceBuffers(std::string_view name) { SetUpDevice(device, buffers, name); }
  ActiveDevice device;
  EditBuffers buffers;
};

}  // namespace lpt::testing_buffers
