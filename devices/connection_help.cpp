// SPDX-License-Identifier: GPL-2.0-or-later
#include "devices/connection_help.h"

namespace lpt {

std::vector<std::string> ConnectionHelp(const DeviceRecord& record) {
  const std::string package = PackageName(record.package);
  std::vector<std::string> lines;
  std::optional<ProgrammingPins> pins = record.icspPins;
  switch (record.wiring) {
    case Wiring::None: {
      const SocketSeat seat = SeatOf(record.package).value_or(SocketSeat{});
      lines.push_back("In the socket: " + package + ", pin 1 over hole " +
                      std::to_string(seat.firstHole) + " of strip " +
                      std::to_string(seat.upperStrip) + ".");
      pins = SocketPins(record.package);
      break;
    }
    case Wiring::IcspCable:
      lines.push_back("Not in the socket: connect the " + package +
                      " through an ICSP cable to the adapter's lines.");
      break;
    case Wiring::Pic14C000:
    case Wiring::Pic16C92x:
      lines.push_back("Not in the socket: wire the " + package +
                      " to the socket's holes as the picture shows.");
      break;
  }
  if (pins)
    for (const std::string& line : IcspConnectionLines(*pins)) lines.push_back("ICSP " + line);
  if (!record.connectionNote.empty()) lines.emplace_back(record.connectionNote);
  return lines;
}

}  // namespace lpt
