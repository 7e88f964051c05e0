// SPDX-License-Identifier: GPL-2.0-or-later
// Running code or the built lptpic-cli in a child process with what a test
// cannot do to itself: an unprivileged user (CI runs as root, for whom
// permissions do not bind), a file-size limit standing in for a full disk,
// a signal at a chosen moment. Header-only, POSIX.
#pragma once

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
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
  // SIGXFSZ keeps its default action (ending the process), as under a
  // user's `ulimit -f`: the program must ignore it itself.
  bool fileSizeSignalKills = false;
  std::string testSignal = {};  // LPTPIC_TEST_SIGNAL for the child: where it signals itself
  int standardInput = -1;       // a descriptor the child reads as standard input
};

// Applies the limits in the child; false when they could not be applied.
inline bool ApplyChildLimits(const ChildLimits& limits) {
  if (!limits.testSignal.empty() && ::setenv("LPTPIC_TEST_SIGNAL", limits.testSignal.c_str(), 1))
    return false;
  if (limits.standardInput >= 0 && ::dup2(limits.standardInput, 0) < 0) return false;
  if (limits.maxFileBytes >= 0) {
    // Without SIGXFSZ ignored the write would kill the child instead of failing.
    ::signal(SIGXFSZ, limits.fileSizeSignalKills ? SIG_DFL : SIG_IGN);
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

// WaitCli, but a run still going after `limit` is killed and counts as
// code -2: a test of a wait that must not hang fails instead of hanging.
// The limit only catches a hang; no result depends on how fast a run is.
inline ChildRun WaitCliWithin(pid_t pid, const std::filesystem::path& logDir, int limitSeconds) {
  const int handle = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
  pollfd exited{handle, POLLIN, 0};
  const bool hung = handle >= 0 && ::poll(&exited, 1, limitSeconds * 1000) == 0;
  if (hung) ::kill(pid, SIGKILL);
  if (handle >= 0) ::close(handle);
  ChildRun run = WaitCli(pid, logDir);
  if (hung) run.code = -2;
  return run;
}

inline ChildRun RunCliLimited(const std::filesystem::path& dir, const std::filesystem::path& logDir,
                              const std::string& args, const ChildLimits& limits) {
  return WaitCli(StartCli(dir, logDir, args, limits), logDir);
}

}  // namespace lpt::testing_files
