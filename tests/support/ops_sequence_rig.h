// An OpsRig whose protocol writes through the sequence decoder, and the
// helpers the sequence tables are written with. Header-only.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "support/ops_rig.h"
#include "support/ops_sequence_log.h"

namespace lpt::opstest {

using Seq = std::vector<std::string>;

struct SequenceRig : OpsRig {
  explicit SequenceRig(const std::string& name) : OpsRig(name) {
    seqPort = std::make_unique<SequencePort>(*port, log);
    seqDelay = std::make_unique<SequenceDelay>(clock, log);
    proto = std::make_unique<Protocol>(*seqPort, *seqDelay, hooks, device);
  }
  Seq Logged(Command command) {
    log.Clear();
    OpContext ctx{*proto, *seqDelay, hooks, device, buffers, state};
    command(ctx);
    return log.Folded();
  }
  SequenceLog log;
  std::unique_ptr<SequencePort> seqPort;
  std::unique_ptr<SequenceDelay> seqDelay;
};

inline Seq Join(std::initializer_list<Seq> parts) {
  Seq all;
  for (const Seq& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

inline Seq Repeat(int times, const Seq& part) {
  Seq all;
  for (int i = 0; i < times; ++i) all.insert(all.end(), part.begin(), part.end());
  return all;
}

}  // namespace lpt::opstest
