// SPDX-License-Identifier: GPL-2.0-or-later
#include "devices/connection_help.h"

#include "devices/family.h"

namespace lpt {
namespace {

// "9 V", "3.6 V": the limits the notes name, as the makers write them.
std::string Volts(std::uint32_t millivolts) {
  std::string text = std::to_string(millivolts / 1000);
  if (millivolts % 1000 != 0) text += "." + std::to_string(millivolts % 1000 / 100);
  return text + " V";
}

}  // namespace

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
  // The program asks such a part at low voltage before any Vpp; with its
  // LVP bit off it no longer answers, and only a Vpp it takes reaches it.
  if (HasLowVoltageEntry(record.family) &&
      record.maxMclrMillivolts < DeviceRecord{}.maxMclrMillivolts)
    lines.push_back(
        "With its LVP bit off it takes only high-voltage entry: it needs a board "
        "with vpp-volts at most " +
        Volts(record.maxMclrMillivolts) + ".");
  if (record.maxVddMillivolts < DeviceRecord{}.maxVddMillivolts)
    lines.push_back("Its supply takes at most " + Volts(record.maxVddMillivolts) +
                    ": it needs a board with vdd-volts at most that.");
  return lines;
}

}  // namespace lpt
