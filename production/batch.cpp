// SPDX-License-Identifier: GPL-2.0-or-later
#include "production/batch.h"

#include "buffers/checksum.h"
#include "ops/device_id.h"
#include "production/chip_log.h"

namespace lpt {
namespace {

// Passes every event on, keeping the failure for the chip's log line.
class RecordingHooks : public Hooks {
 public:
  explicit RecordingHooks(Hooks& inner) : inner_(inner) {}
  void CommandStarted() override { inner_.CommandStarted(); }
  void CommandEnded(CommandResult result) override { inner_.CommandEnded(result); }
  void PassStarted(const std::string& name) override { inner_.PassStarted(name); }
  void Progress(int position, int maximum) override { inner_.Progress(position, maximum); }
  void Failed(const Failure& failure) override {
    if (message.empty()) message = failure.message, location = failure.location;
    wrongDevice = wrongDevice || failure.kind == FailureKind::WrongDevice;
    inner_.Failed(failure);
  }
  void AdapterNotFound(const std::string& reason) override {
    message = AdapterNotFoundMessage(reason);
    inner_.AdapterNotFound(reason);
  }
  void BuffersChanged() override { inner_.BuffersChanged(); }
  void ConfigurationRead(std::uint16_t word) override { inner_.ConfigurationRead(word); }
  void Notice(const std::string& text) override { inner_.Notice(text); }

  void Clear() { message.clear(), location.clear(), wrongDevice = false; }
  std::string message, location;
  bool wrongDevice = false;

 private:
  Hooks& inner_;
};

// Nothing reached the chip's memories.
bool NothingWritten(const ProgramSummary& summary) {
  return summary.programWords == 0 && summary.dataBytes == 0 && !summary.configuration &&
         !summary.id;
}

bool Stopping(const OpContext& ctx) { return ctx.state.stopRequested.load(); }

// The socket watch asks every 200 ms: what an empty socket answers is no
// failure to show, and a notice said once is enough. What ends the watch
// (no adapter, an entry the board cannot make) is passed on.
class QuietHooks : public Hooks {
 public:
  void Failed(const Failure& failure) override { failures.push_back(failure); }
  void AdapterNotFound(const std::string& reason) override { adapterGone = reason, gone = true; }
  std::vector<Failure> failures;
  std::string adapterGone;
  bool gone = false;
};

// Waits until DetectChip says whether a chip is there as `wanted` (Ok);
// Stopped when the user stopped, or why the socket cannot be asked. Without
// `keepWaiting` it looks once and is Ok either way. After a low-voltage
// entry an empty socket fails the entry: that is a socket without a chip,
// not the end of the batch.
CommandResult WaitForSocket(OpContext& outer, bool wanted, std::optional<Detection>* seen,
                            bool keepWaiting = true) {
  for (;;) {
    if (Stopping(outer)) return CommandResult::Stopped;
    QuietHooks quiet;
    OpContext ctx(outer.proto, outer.delay, quiet, outer.device, outer.buffers, outer.state);
    Detection found;
    const CommandResult result = DetectChip(ctx, &found);
    const bool noAnswer =
        result == CommandResult::Failed && outer.proto.EntryInUse().entry == Entry::LowVoltage;
    if (result != CommandResult::Ok && !noAnswer) {
      if (quiet.gone) outer.hooks.AdapterNotFound(quiet.adapterGone);
      for (const Failure& failure : quiet.failures) outer.hooks.Failed(failure);
      return result;
    }
    if (noAnswer) found = Detection{};
    if ((found.outcome == Detection::Outcome::Found) == wanted) {
      if (wanted) *seen = found;
      return CommandResult::Ok;
    }
    if (!keepWaiting) return CommandResult::Ok;
    outer.delay.WaitMs(kSocketPollMs);
  }
}

// What one chip's Program All came to, for the counts and the log. A chip
// that could not be entered or was refused is a failure, though nothing
// reached it; only a missing adapter ends the batch without one.
enum class ChipOutcome { NotWritten, Passed, Failed, Stopped };

ChipOutcome OutcomeOf(CommandResult result, bool written, bool wrongDevice) {
  if (wrongDevice) return ChipOutcome::Failed;
  if (result == CommandResult::NoDevice) return ChipOutcome::NotWritten;
  if (result == CommandResult::Stopped)
    return written ? ChipOutcome::Stopped : ChipOutcome::NotWritten;
  if (result == CommandResult::Ok) return ChipOutcome::Passed;
  return ChipOutcome::Failed;
}

const char* OutcomeText(ChipOutcome outcome) {
  switch (outcome) {
    case ChipOutcome::NotWritten:
      return "not written";
    case ChipOutcome::Passed:
      return "passed";
    case ChipOutcome::Stopped:
      return "stopped";
    case ChipOutcome::Failed:
      break;
  }
  return "failed";
}

// Restores the caller's device ID check when the batch ends.
class DeviceIdChecked {
 public:
  explicit DeviceIdChecked(OpState& state) : state_(state), was_(state.checkDeviceId) {
    state_.checkDeviceId = true;
  }
  ~DeviceIdChecked() { state_.checkDeviceId = was_; }
  DeviceIdChecked(const DeviceIdChecked&) = delete;
  DeviceIdChecked& operator=(const DeviceIdChecked&) = delete;

 private:
  OpState& state_;
  bool was_;
};

}  // namespace

BatchSummary RunBatch(OpContext& outer, const BatchSetup& setup) {
  BatchSummary summary;
  RecordingHooks hooks(outer.hooks);
  OpContext ctx(outer.proto, outer.delay, hooks, outer.device, outer.buffers, outer.state);
  ctx.compareId = outer.compareId;
  // A chip of another part is a failure, never a chip passed under the
  // selected part's name.
  const DeviceIdChecked idChecked(outer.state);
  const EditBuffers image = outer.buffers;
  // What would refuse a chip refuses the batch before the first one.
  if (setup.serialPlace) summary.error = SerialPlaceClash(*setup.serialPlace, outer.device, image);
  if (summary.error.empty() && !setup.logPath.empty())
    ChipLogWritable(setup.logPath, &summary.error);
  if (!summary.error.empty()) return summary;
  const bool byDeviceId = outer.device.record != nullptr && outer.device.record->HasDeviceId();
  std::optional<Detection> detected;
  // The first chip too is looked for, so its line names it; one chip
  // alone is looked at once, and Program All says what is wrong with it.
  if (byDeviceId) {
    const CommandResult found = WaitForSocket(ctx, true, &detected, setup.repeat);
    if (found != CommandResult::Ok) {
      summary.last = found;
      return summary;
    }
  }
  int failedInARow = 0;
  for (int chip = 1;; ++chip) {
    hooks.Clear();
    outer.buffers = image;
    std::optional<std::uint32_t> serial;
    if (setup.serialPlace && setup.serials) {
      const std::uint32_t next = setup.serials->Next();
      if (!SerialFits(*setup.serialPlace, next, outer.device, &summary.error)) break;
      serial = setup.serials->Take(&summary.error);
      if (!serial) break;
      StampSerial(*setup.serialPlace, *serial, outer.device, outer.buffers);
    }
    const std::string time = UtcTimeNow();
    const CommandResult result = ProgramAll(ctx);
    summary.last = result;
    const bool written = !(result == CommandResult::NoDevice || NothingWritten(ctx.summary));
    const ChipOutcome outcome = OutcomeOf(result, written, hooks.wrongDevice);
    if (serial && !written) setup.serials->GiveBack(*serial, &summary.error);
    if (outcome == ChipOutcome::Passed) ++summary.passed;
    if (outcome == ChipOutcome::Failed || outcome == ChipOutcome::Stopped) ++summary.failed;
    failedInARow = outcome == ChipOutcome::Failed ? failedInARow + 1 : 0;
    if (serial && written) summary.serials.push_back(SerialText(*serial));
    if (setup.chipDone) setup.chipDone(ctx);

    if (!setup.logPath.empty()) {
      ChipRecord record;
      record.time = time;
      record.part = outer.device.name;
      if (detected) {
        record.deviceId = detected->word;
        record.revision = detected->word & ~kDeviceIdWithoutRevision & kDeviceIdWordBits;
      }
      record.hexFile = setup.hexFile;
      record.hexSha256 = setup.hexSha256;
      record.checksum = BuffersChecksum(outer.device, outer.buffers);
      if (serial) record.serial = SerialText(*serial);
      record.result = !written && !hooks.wrongDevice ? "not written" : OutcomeText(outcome);
      record.message = hooks.message;
      record.location = hooks.location;
      record.durationMs = ctx.summary.tookUs / 1000;
      std::string error;
      if (!AppendChipLog(setup.logPath, ChipLogLine(record), &error) && summary.error.empty())
        summary.error = error;
    }
    if (!summary.error.empty() || !setup.repeat || result == CommandResult::NoDevice ||
        result == CommandResult::Stopped || Stopping(ctx))
      break;
    if (setup.count > 0 && chip >= setup.count) break;
    if (failedInARow >= kMostFailuresInARow) {
      summary.failuresInARow = failedInARow;
      break;
    }
    // The next number must fit before anyone is asked for the next chip.
    if (setup.serialPlace && setup.serials &&
        !SerialFits(*setup.serialPlace, setup.serials->Next(), outer.device, &summary.error))
      break;

    hooks.Notice("Take the chip out and put the next one in.");
    detected.reset();
    if (byDeviceId) {
      CommandResult found = WaitForSocket(ctx, false, &detected);
      if (found == CommandResult::Ok) found = WaitForSocket(ctx, true, &detected);
      if (found != CommandResult::Ok) {
        summary.last = found;
        break;
      }
    } else if (!setup.askForNextChip || !setup.askForNextChip()) {
      break;
    }
  }
  if (Stopping(ctx)) summary.last = CommandResult::Stopped;
  return summary;
}

std::string BatchSummaryText(const BatchSummary& summary) {
  std::string text = std::to_string(summary.passed) + (summary.passed == 1 ? " chip" : " chips") +
                     " passed, " + std::to_string(summary.failed) + " failed";
  if (summary.serials.size() == 1) text += "; serial number " + summary.serials.front();
  if (summary.serials.size() > 1)
    text += "; serial numbers " + summary.serials.front() + " to " + summary.serials.back();
  if (summary.failuresInARow > 0)
    text += "; stopped after " + std::to_string(summary.failuresInARow) + " failures in a row";
  return text;
}

}  // namespace lpt
