// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/standard_streams.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <streambuf>

#include "cli/cli_app.h"
#include "cli/json_report.h"
#include "cli/stop_signal.h"
#include "fileio/bounded_read.h"

#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#endif

namespace lpt::cli {
namespace {

// Passes text on with every control character but line breaks and TABs
// written as \xNN: an escape sequence in a file name, an adapter's name or
// an argument reaches the terminal as text.
class EscapingBuffer : public std::streambuf {
 public:
  explicit EscapingBuffer(std::streambuf* inner) : inner_(inner) {}

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
    return Put(ch) ? c : traits_type::eof();
  }
  std::streamsize xsputn(const char* text, std::streamsize count) override {
    std::streamsize done = 0;
    while (done < count) {
      // Runs of plain text go on in one piece.
      std::streamsize plain = done;
      while (plain < count && Plain(text[plain])) ++plain;
      if (plain > done && inner_->sputn(text + done, plain - done) != plain - done) return done;
      done = plain;
      if (done < count && !Put(text[done])) return done;
      if (done < count) ++done;
    }
    return done;
  }
  int sync() override { return inner_->pubsync(); }

 private:
  static bool Plain(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x20 && byte != 0x7F) || c == '\n' || c == '\r' || c == '\t';
  }
  bool Put(char c) {
    if (Plain(c)) return !traits_type::eq_int_type(inner_->sputc(c), traits_type::eof());
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const auto byte = static_cast<unsigned char>(c);
    const char escaped[4] = {'\\', 'x', kDigits[byte >> 4], kDigits[byte & 0xF]};
    return inner_->sputn(escaped, 4) == 4;
  }

  std::streambuf* inner_;
};

std::string SystemReason(int error) { return std::strerror(error != 0 ? error : EIO); }

#ifndef _WIN32
// How often a wait for input looks at the stop flag when no signal woke it.
constexpr int kInputPollMs = 200;
#endif

}  // namespace

void PrepareStandardStreams() {
#ifndef _WIN32
  for (int fd = 0; fd <= 2; ++fd) {
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    // Opened read-only: writes to it fail as on the closed descriptor.
    const int placeholder = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (placeholder >= 0 && placeholder != fd) {
      ::dup2(placeholder, fd);
      ::close(placeholder);
    }
  }
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  // Never destroyed: the streams are flushed after every static object is.
  static auto* const out = new EscapingBuffer(std::cout.rdbuf());
  static auto* const err = new EscapingBuffer(std::cerr.rdbuf());
  std::cout.rdbuf(out);
  std::cerr.rdbuf(err);
}

bool ReadStandardInput(std::string* content, std::string* reason, bool* stopped) {
  *stopped = false;
#ifdef _WIN32
  return fileio::ReadWholeFile(fileio::kStandardStream, fileio::kMaxInputBytes, content, reason);
#else
  content->clear();
  char chunk[65536];
  SignalPoint("input");
  for (;;) {
    if (StopSignalled()) {
      *stopped = true;
      return false;
    }
    pollfd input{0, POLLIN, 0};
    const int ready = ::poll(&input, 1, kInputPollMs);
    if (ready < 0 && errno != EINTR) {
      *reason = SystemReason(errno) + ".";
      return false;
    }
    if (ready <= 0) continue;  // a signal or the poll's time: look at the flag again
    const ssize_t got = ::read(0, chunk, sizeof chunk);
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (got < 0) {
      *reason = SystemReason(errno) + ".";
      return false;
    }
    if (got == 0) return true;
    if (content->size() + static_cast<std::size_t>(got) > fileio::kMaxInputBytes) {
      content->clear();
      *reason = fileio::TooLargeReason(fileio::kMaxInputBytes);
      return false;
    }
    content->append(chunk, static_cast<std::size_t>(got));
  }
#endif
}

bool ReadStandardInputLine(bool* stopped) {
  *stopped = false;
#ifdef _WIN32
  std::string line;
  return static_cast<bool>(std::getline(std::cin, line));
#else
  for (;;) {
    if (StopSignalled()) {
      *stopped = true;
      return false;
    }
    pollfd input{0, POLLIN, 0};
    const int ready = ::poll(&input, 1, kInputPollMs);
    if (ready < 0 && errno != EINTR) return false;
    if (ready <= 0) continue;
    char c = 0;
    const ssize_t got = ::read(0, &c, 1);
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (got <= 0) return false;
    if (c == '\n') return true;
  }
#endif
}

bool WriteStandardOutput(const std::string& text) {
  if (json_report::TakeOutput(text)) return true;
  std::ostringstream escaped;
  EscapingBuffer filter(escaped.rdbuf());
  filter.sputn(text.data(), static_cast<std::streamsize>(text.size()));
  const std::string shown = escaped.str();
  std::cout.flush();
  errno = 0;
  const bool ok = std::fwrite(shown.data(), 1, shown.size(), stdout) == shown.size() &&
                  std::fflush(stdout) == 0;
  if (ok) return true;
  std::cerr << "Cannot write to standard output: " << SystemReason(errno) << ".\n";
  return false;
}

int CheckStandardOutput(int code) {
  std::cout.flush();
  errno = 0;
  const bool ok = std::fflush(stdout) == 0 && !std::ferror(stdout);
  if (ok) return code;
  const int error = errno;
  // A message about the output was given already when the command knew.
  if (code == kExitUsage) return code;
  std::cerr << "Cannot write to standard output: " << SystemReason(error) << ".\n";
  return kExitUsage;
}

}  // namespace lpt::cli
