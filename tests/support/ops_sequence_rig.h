// SPDX-License-Identifier: GPL-2.0-or-later
// An OpsRig whose protocol writes through the sequence decoder, and the
// helpers the sequence tables are written with. Header-only.
#pragma once

#include <gtest/gtest.h>

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
    pins = std::make_unique<WiredPins>(*seqPort, 0x378, DefaultAdapter());
    proto = std::make_unique<Protocol>(*pins, *seqDelay, hooks, device);
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

// Long sequences compared with a readable failure: the first entry that
// differs, with a few entries of context on both sides.
inline ::testing::AssertionResult SameSequence(const Seq& actual, const Seq& expected) {
  std::size_t i = 0;
  while (i < actual.size() && i < expected.size() && actual[i] == expected[i]) ++i;
  if (i == actual.size() && i == expected.size()) return ::testing::AssertionSuccess();
  auto failure = ::testing::AssertionFailure();
  failure << "sequences differ at entry " << i << " (lengths " << actual.size() << " and "
          << expected.size() << ")\n";
  const std::size_t from = i < 4 ? 0 : i - 4;
  for (std::size_t k = from; k < i + 4; ++k) {
    failure << (k == i ? "> " : "  ") << k << ": "
            << (k < actual.size() ? actual[k] : std::string("(end)")) << "  |  expected "
            << (k < expected.size() ? expected[k] : std::string("(end)")) << "\n";
  }
  return failure;
}

}  // namespace lpt::opstest
