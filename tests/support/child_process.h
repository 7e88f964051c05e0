// Running code or the built lptpic-cli in a child process with what a test
// cannot do to itself: an unprivileged user (CI runs as root, for whom
// permissions do not bind), a file-size limit standing in for a full disk,
// a signal at a chosen moment. Header-only, POSIX.
#pragma once

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "support/temp_dir.h"

namespace lpt::testing_files {

// The uid and gid of "nobody" on Debian.
inline constexpr uid_t kNobody = 65534;

struct ChildLimits {
  bool dropToNobody = false;    // only takes effect when the test runs as root
  long long maxFileBytes = -1;  // RLIMIT_FSIZE; writes past it fail with EFBIG
};

// Applies the limits in the child; false when they could not be applied.
inline bool ApplyChildLimits(const ChildLimits& limits) {
  if (limits.maxFileBytes >= 0) {
    // Without SIGXFSZ ignored the write would kill the child instead of failing.
    ::signal(SIGXFSZ, SIG_IGN);
    const rlim_t bytes = static_cast<rlim_t>(limits.maxFileBytes);
    const rlimit limit{bytes, bytes};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
  }
  if (limits.dropToNobody && ::geteuid() == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
      return false;
  }
  return true;
}

// Runs `body` in a child with the limits; its return value is the child's
// exit code (-1 when the child did not exit normally).
inline int RunInChild(const ChildLimits& limits, const std::function<int()>& body) {
  const pid_t pid = ::fork();
  if (pid == 0) _exit(ApplyChildLimits(limits) ? body() : 120);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Starts the built lptpic-cli with shell words `args` in `dir`, standard
// output and error going to out.txt and err.txt in `logDir` (a folder the
// child need not be able to write). Returns the child's pid.
inline pid_t StartCli(const std::filesystem::path& dir, const std::filesystem::path& logDir,
                      const std::string& args, const ChildLimits& limits = {}) {
  const std::string out = (logDir / "out.txt").string(), err = (logDir / "err.txt").string();
  const std::string command =
      "cd '" + dir.string() + "' && exec '" LPTPIC_BINARY_DIR "/cli/lptpic-cli' " + args;
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (outFd < 0 || errFd < 0 || ::dup2(outFd, 1) < 0 || ::dup2(errFd, 2) < 0) _exit(121);
    ::setpgid(0, 0);  // signals the test sends reach only this run
    if (!ApplyChildLimits(limits)) _exit(120);
    ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  return pid;
}

struct ChildRun {
  int code = -1;  // exit code; -1 when killed by a signal
  std::string out, err;
};

inline ChildRun WaitCli(pid_t pid, const std::filesystem::path& logDir) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(logDir / "out.txt"),
          ReadFile(logDir / "err.txt")};
}

inline ChildRun RunCliLimited(const std::filesystem::path& dir, const std::filesystem::path& logDir,
                              const std::string& args, const ChildLimits& limits) {
  return WaitCli(StartCli(dir, logDir, args, limits), logDir);
}

}  // namespace lpt::testing_files
