// Test support: a program run as a child process, as the tests that run the
// real photopages binary or a browser need one. Header-only, so it never
// lands in the library.
#ifndef PHOTOPAGES_PLATFORM_POSIX_CHILD_PROCESS_FOR_TEST_H_
#define PHOTOPAGES_PLATFORM_POSIX_CHILD_PROCESS_FOR_TEST_H_

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace photopages {

// A descriptor a child process starts with: the file at `path` opened with
// `flags` (created with mode 0644), or, when `path` is empty, a copy of this
// process's descriptor `from`.
struct ChildDescriptor {
  int fd = -1;
  std::string path = "";
  int flags = 0;
  int from = -1;
};

// What a child process starts with besides its arguments.
struct ChildSetup {
  // The file the system runs; the first argument when empty.
  std::string program = "";
  // "NAME=value" texts; this process's environment when not given.
  std::optional<std::vector<std::string>> environment = std::nullopt;
  // The child's working folder; this process's when empty.
  std::string working_directory = "";
  // Set up in order, before the program starts.
  std::vector<ChildDescriptor> descriptors = {};
  // The child leads a process group of its own, which ends with it.
  bool own_process_group = false;
};

class ChildProcess {
 public:
  // Starts the program with `arguments`, SIGPIPE at its default action
  // whatever this process does with it. Throws std::runtime_error when the
  // program cannot be started.
  explicit ChildProcess(std::vector<std::string> arguments,
                        const ChildSetup& setup = {})
      : own_process_group_(setup.own_process_group) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (const ChildDescriptor& d : setup.descriptors) {
      if (d.path.empty()) {
        posix_spawn_file_actions_adddup2(&actions, d.from, d.fd);
      } else {
        posix_spawn_file_actions_addopen(&actions, d.fd, d.path.c_str(),
                                         d.flags, 0644);
      }
    }
    if (!setup.working_directory.empty()) {
      posix_spawn_file_actions_addchdir_np(&actions,
                                           setup.working_directory.c_str());
    }
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t default_signals;
    sigemptyset(&default_signals);
    sigaddset(&default_signals, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &default_signals);
    short flags = POSIX_SPAWN_SETSIGDEF;
    if (own_process_group_) {
      posix_spawnattr_setpgroup(&attributes, 0);
      flags |= POSIX_SPAWN_SETPGROUP;
    }
    posix_spawnattr_setflags(&attributes, flags);

    std::vector<std::string> environment =
        setup.environment.value_or(std::vector<std::string>());
    const std::string program =
        setup.program.empty() ? arguments[0] : setup.program;
    std::vector<char*> argv = Pointers(arguments);
    std::vector<char*> envp = Pointers(environment);
    int spawned =
        posix_spawn(&pid_, program.c_str(), &actions, &attributes, argv.data(),
                    setup.environment ? envp.data() : environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (spawned != 0) throw std::runtime_error("cannot start " + program);
  }

  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Ends the child (its whole group when it leads one, since the group may
  // outlive it) unless it has ended by itself, and waits for it.
  ~ChildProcess() {
    if (own_process_group_) {
      // The child is not reaped yet, so its id still names its group.
      kill(-pid_, SIGKILL);
    } else if (!Ended()) {
      kill(pid_, SIGKILL);
    }
    waitpid(pid_, nullptr, 0);
  }

  // True once the child has ended. It stays unreaped until the object goes.
  bool Ended() {
    if (exit_status_) return true;
    siginfo_t info{};
    if (waitid(P_PID, pid_, &info, WEXITED | WNOHANG | WNOWAIT) != 0 ||
        info.si_pid == 0) {
      return false;
    }
    exit_status_ = info.si_code == CLD_EXITED ? info.si_status : -1;
    return true;
  }

  // Waits until the child has ended, or for `timeout`; false when it still
  // runs.
  bool WaitForEnd(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!Ended()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
  }

  // The exit status once the child has ended; -1 when it did not exit
  // normally.
  int ExitStatus() const { return exit_status_.value_or(-1); }

 private:
  // Each text's bytes, then a null pointer, as the exec calls take them.
  static std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
  }

  pid_t pid_ = -1;
  bool own_process_group_;
  std::optional<int> exit_status_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_POSIX_CHILD_PROCESS_FOR_TEST_H_
