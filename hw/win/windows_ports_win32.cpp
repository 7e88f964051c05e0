// SPDX-License-Identifier: GPL-2.0-or-later
// The Windows calls behind the port list: SetupAPI for the Ports class and
// each device's PortName, the configuration manager for its I/O ranges.
#include <windows.h>
// clang-format off: setupapi.h and cfgmgr32.h need windows.h first.
#include <cfgmgr32.h>
#include <setupapi.h>
// clang-format on

#include <cstring>
#include <vector>

#include "hw/windows_ports.h"

namespace lpt {
namespace {

// GUID_DEVCLASS_PORTS (devguid.h), spelled out so no GUID library is needed.
const GUID kPortsClass = {
    0x4D36E978, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};

std::string PortName(HDEVINFO set, SP_DEVINFO_DATA& info) {
  HKEY key = ::SetupDiOpenDevRegKey(set, &info, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_QUERY_VALUE);
  if (key == INVALID_HANDLE_VALUE) return {};
  char name[64] = {};
  DWORD type = 0;
  DWORD size = sizeof name - 1;
  std::string text;
  if (::RegQueryValueExA(key, "PortName", nullptr, &type, reinterpret_cast<BYTE*>(name), &size) ==
          ERROR_SUCCESS &&
      type == REG_SZ)
    text.assign(name, ::strnlen(name, size));
  ::RegCloseKey(key);
  return text;
}

std::string TextProperty(HDEVINFO set, SP_DEVINFO_DATA& info, DWORD property) {
  char text[256] = {};
  DWORD type = 0;
  if (!::SetupDiGetDeviceRegistryPropertyA(
          set, &info, property, &type, reinterpret_cast<BYTE*>(text), sizeof text - 1, nullptr) ||
      type != REG_SZ)
    return {};
  return text;
}

// The I/O ranges of the device's allocated configuration (the boot
// configuration for a legacy port Windows did not allocate itself).
std::vector<IoRange> IoRanges(DEVINST device) {
  std::vector<IoRange> ranges;
  LOG_CONF conf = 0;
  if (::CM_Get_First_Log_Conf(&conf, device, ALLOC_LOG_CONF) != CR_SUCCESS &&
      ::CM_Get_First_Log_Conf(&conf, device, BOOT_LOG_CONF) != CR_SUCCESS)
    return ranges;
  RES_DES descriptor = 0;
  RESOURCEID kind = 0;
  CONFIGRET result = ::CM_Get_Next_Res_Des(&descriptor, conf, ResType_IO, &kind, 0);
  while (result == CR_SUCCESS) {
    ULONG size = 0;
    if (::CM_Get_Res_Des_Data_Size(&size, descriptor, 0) == CR_SUCCESS && size >= sizeof(IO_DES)) {
      std::vector<char> data(size);
      IO_DES io{};
      if (::CM_Get_Res_Des_Data(descriptor, data.data(), size, 0) == CR_SUCCESS) {
        std::memcpy(&io, data.data(), sizeof io);
        if (io.IOD_Alloc_Base <= io.IOD_Alloc_End && io.IOD_Alloc_End <= 0xFFFF)
          ranges.push_back({static_cast<std::uint16_t>(io.IOD_Alloc_Base),
                            static_cast<std::uint16_t>(io.IOD_Alloc_End)});
      }
    }
    RES_DES next = 0;
    result = ::CM_Get_Next_Res_Des(&next, descriptor, ResType_IO, &kind, 0);
    ::CM_Free_Res_Des_Handle(descriptor);
    descriptor = next;
  }
  ::CM_Free_Log_Conf_Handle(conf);
  return ranges;
}

class Win32PortsOs : public WindowsPortsOs {
 public:
  bool PortsClassDevices(std::vector<PortsClassDevice>* devices, std::string* error) override {
    HDEVINFO set = ::SetupDiGetClassDevsA(&kPortsClass, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) {
      if (error)
        *error = "Windows could not list its ports (Windows error " +
                 std::to_string(::GetLastError()) + ").";
      return false;
    }
    for (DWORD i = 0;; ++i) {
      SP_DEVINFO_DATA info{};
      info.cbSize = sizeof info;
      if (!::SetupDiEnumDeviceInfo(set, i, &info)) break;
      PortsClassDevice device;
      device.portName = PortName(set, info);
      device.friendlyName = TextProperty(set, info, SPDRP_FRIENDLYNAME);
      if (device.friendlyName.empty())
        device.friendlyName = TextProperty(set, info, SPDRP_DEVICEDESC);
      device.ioRanges = IoRanges(info.DevInst);
      ULONG status = 0, problem = 0;
      if (::CM_Get_DevNode_Status(&status, &problem, info.DevInst, 0) == CR_SUCCESS &&
          (status & DN_HAS_PROBLEM))
        device.problem = problem;
      devices->push_back(std::move(device));
    }
    ::SetupDiDestroyDeviceInfoList(set);
    return true;
  }
};

}  // namespace

std::unique_ptr<WindowsPortsOs> MakeWin32PortsOs() { return std::make_unique<Win32PortsOs>(); }

}  // namespace lpt
