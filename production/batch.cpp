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

// Waits until DetectChip says whether a chip is there as `wanted`; false
// when the user stopped or no adapter answers.
bool WaitForSocket(OpContext& ctx, bool wanted, std::optional<Detection>* seen) {
  for (;;) {
    if (Stopping(ctx)) return false;
    Detection found;
    if (DetectChip(ctx, &found) != CommandResult::Ok) return false;
    if ((found.outcome == Detection::Outcome::Found) == wanted) {
      if (wanted) *seen = found;
      return true;
    }
    ctx.delay.WaitMs(kSocketPollMs);
  }
}

}  // namespace

BatchSummary RunBatch(OpContext& outer, const BatchSetup& setup) {
  BatchSummary summary;
  RecordingHooks hooks(outer.hooks);
  OpContext ctx(outer.proto, outer.delay, hooks, outer.device, outer.buffers, outer.state);
  ctx.compareId = outer.compareId;
  const EditBuffers image = outer.buffers;
  const bool byDeviceId = outer.device.record != nullptr && outer.device.record->HasDeviceId();
  std::optional<Detection> detected;
  // The first chip too is looked for, so its line names it.
  if (byDeviceId && !WaitForSocket(ctx, true, &detected)) {
    summary.last = Stopping(ctx) ? CommandResult::Stopped : CommandResult::NoDevice;
    return summary;
  }
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
    if (serial && !written) setup.serials->GiveBack(*serial, &summary.error);
    if (written && result == CommandResult::Ok) ++summary.passed;
    if (written && result != CommandResult::Ok) ++summary.failed;
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
      record.result = !written                           ? "not written"
                      : result == CommandResult::Ok      ? "passed"
                      : result == CommandResult::Stopped ? "stopped"
                                                         : "failed";
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

    hooks.Notice("Take the chip out and put the next one in.");
    detected.reset();
    if (byDeviceId) {
      if (!WaitForSocket(ctx, false, &detected) || !WaitForSocket(ctx, true, &detected)) break;
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
  return text;
}

}  // namespace lpt
