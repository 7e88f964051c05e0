// SPDX-License-Identifier: GPL-2.0-or-later
// ports: the parallel ports this machine has and whether they can be used.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/standard_streams.h"
#include "hw/port_discovery.h"
#include "hw/windows_ports.h"

namespace lpt::cli {

void AddPortsCommand(CLI::App& app, Action& action) {
  auto* ports = app.add_subcommand("ports", "list the parallel ports and whether you may use them");
  // Where the kernel's list and the devices are: for tests and unusual
  // systems.
  auto places = std::make_shared<DiscoveryPlaces>();
  ports->add_option("--proc-root", places->procRoot, "the kernel's port list")
      ->type_name("DIR")
      ->capture_default_str();
  ports->add_option("--dev-dir", places->devDir, "where /dev/parportN are")
      ->type_name("DIR")
      ->capture_default_str();
  ports->callback([&action, places] {
    action = [places](const GlobalOptions&) {
#ifdef _WIN32
      // Device Manager's list: name, address, I/O ranges, description.
      std::vector<PortsClassDevice> devices;
      std::string error;
      if (!MakeWin32PortsOs()->PortsClassDevices(&devices, &error)) {
        std::cerr << error << '\n';
        return kExitFailed;
      }
      std::string text;
      for (const WindowsPort& port : ParallelPorts(devices)) text += WindowsPortLine(port) + '\n';
      if (text.empty()) text = "No parallel port found.\n";
#else
      const auto os = MakeSystemDiscoveryOs();
      std::string text;
      for (const FoundPort& port : DiscoverPorts(*os, *places)) text += PortLine(port) + '\n';
      // The kernel lists no port at all: its parport drivers are not loaded.
      if (text.empty())
        text =
            "No parallel port found (the system lists none: load the parallel port modules: "
            "sudo modprobe parport_pc ppdev).\n";
#endif
      return WriteStandardOutput(text) ? kExitOk : kExitUsage;
    };
  });
}

}  // namespace lpt::cli
