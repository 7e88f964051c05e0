// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/json_report.h"

#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <streambuf>

#include "cli/cli_app.h"
#include "cli/stop_signal.h"

namespace lpt::cli::json_report {
namespace {

// A message text no one needs more of in one field.
constexpr std::size_t kMostKeptBytes = 64 * 1024;

// Passes standard error on and keeps a copy for "message".
class TeeBuffer : public std::streambuf {
 public:
  TeeBuffer(std::streambuf* inner, std::string& copy) : inner_(inner), copy_(copy) {}

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
    Keep(&ch, 1);
    return inner_->sputc(ch);
  }
  std::streamsize xsputn(const char* text, std::streamsize count) override {
    Keep(text, count);
    return inner_->sputn(text, count);
  }
  int sync() override { return inner_->pubsync(); }

 private:
  void Keep(const char* text, std::streamsize count) {
    const std::size_t room = kMostKeptBytes - std::min(kMostKeptBytes, copy_.size());
    copy_.append(text, std::min(room, static_cast<std::size_t>(count)));
  }
  std::streambuf* inner_;
  std::string& copy_;
};

struct Report {
  bool enabled = false;
  std::string command;
  std::optional<std::string> location;
  std::optional<std::uint16_t> checksum;
  std::optional<nlohmann::json> batch;
  std::optional<nlohmann::json> unheld;
  std::string messages;
  std::ostringstream output;
};

Report& TheReport() {
  static Report* const report = new Report;  // lives until the streams are flushed
  return *report;
}

const char* ResultName(int code) {
  switch (code) {
    case kExitOk:
      return "ok";
    case kExitFailed:
      return "failed";
    case kExitUsage:
      return "usage";
    case kExitNoDevice:
      return "no device";
    case kExitStopped:
      return "stopped";
  }
  return "failed";
}

std::string Trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

std::string Hex4(std::uint16_t value) {
  char text[5];
  std::snprintf(text, sizeof text, "%04X", value);
  return text;
}

}  // namespace

void Enable() {
  Report& report = TheReport();
  if (report.enabled) return;
  report.enabled = true;
  std::cout.flush();
  std::cout.rdbuf(report.output.rdbuf());
  static auto* const tee = new TeeBuffer(std::cerr.rdbuf(), report.messages);
  std::cerr.rdbuf(tee);
}

bool Enabled() { return TheReport().enabled; }

void SetCommand(const std::string& name) { TheReport().command = name; }
void SetLocation(const std::string& location) { TheReport().location = location; }
void SetChecksum(std::uint16_t checksum) { TheReport().checksum = checksum; }

void SetBatch(int passed, int failed, const std::vector<std::string>& serials) {
  TheReport().batch =
      nlohmann::json{{"chips_passed", passed}, {"chips_failed", failed}, {"serials", serials}};
}

void SetUnheldWords(std::uint32_t count, const std::vector<std::string>& ranges) {
  TheReport().unheld = nlohmann::json{{"words_not_held", count}, {"ranges_not_held", ranges}};
}

bool TakeOutput(const std::string& text) {
  Report& report = TheReport();
  if (!report.enabled) return false;
  report.output << text;
  return true;
}

int Finish(int code, double durationMs) {
  Report& report = TheReport();
  std::cout.flush();
  nlohmann::json object = {
      {"command", report.command.empty() ? nlohmann::json() : nlohmann::json(report.command)},
      {"result", ResultName(code)},
      {"exit_code", code},
      {"message", Trimmed(report.messages)},
      {"location", report.location ? nlohmann::json(*report.location) : nlohmann::json()},
      {"checksum", report.checksum ? nlohmann::json(Hex4(*report.checksum)) : nlohmann::json()},
      {"duration_ms", static_cast<long long>(durationMs)},
      {"output", report.output.str()},
  };
  if (report.batch) object.update(*report.batch);
  if (report.unheld) object.update(*report.unheld);
  // Bytes of a file name that are no UTF-8 must not stop the object.
  const std::string text =
      object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
  const bool ok =
      std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
  return ok ? code : kExitUsage;
}

}  // namespace lpt::cli::json_report
