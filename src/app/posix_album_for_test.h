// Test support: an album folder on the real disk holding a copy of the real
// photopages binary, as a user would set it up, and a way to run it there.
#ifndef PHOTOPAGES_APP_POSIX_ALBUM_FOR_TEST_H_
#define PHOTOPAGES_APP_POSIX_ALBUM_FOR_TEST_H_

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/posix_child_process_for_test.h"
#include "platform/posix_file_times_for_test.h"
#include "platform/temp_dir_for_test.h"

namespace photopages {

struct RunResult {
  int exit_status = -1;
  std::string standard_error;  // UTF-8
  bool timed_out = false;
};

// How a program is started.
struct Launch {
  std::string file;               // The file the system runs.
  std::vector<std::string> argv;  // What the program gets, argv[0] included.
  std::string working_directory;
  std::string search_path = "/usr/bin:/bin";  // PATH
  std::string lc_all = "C.UTF-8";
};

// Runs `launch` in time zone UTC, with no display, and waits for it. A
// program still running after two minutes is killed.
inline RunResult RunProgram(const Launch& launch) {
  ScopedTempDir scratch;
  const std::string error_file = scratch.Path("stderr");
  RunResult result;
  {
    ChildProcess child(
        launch.argv,
        {.program = launch.file,
         .environment =
             std::vector<std::string>{"TZ=UTC", "LC_ALL=" + launch.lc_all,
                                      "PATH=" + launch.search_path},
         .working_directory = launch.working_directory,
         .descriptors = {{.fd = STDERR_FILENO,
                          .path = error_file,
                          .flags = O_WRONLY | O_CREAT | O_TRUNC}}});
    result.timed_out = !child.WaitForEnd(std::chrono::minutes(2));
    result.exit_status = child.ExitStatus();
  }
  result.standard_error = ReadTestFile(error_file);
  return result;
}

class TestAlbum {
 public:
  // An album in a fresh temporary folder, removed with everything in it when
  // the album goes.
  TestAlbum() : own_folder_(std::in_place), path_(own_folder_->path()) {
    AddProgram();
  }
  // An album in `folder`, created when missing and left in place when the
  // album goes.
  explicit TestAlbum(std::string folder) : path_(std::move(folder)) {
    std::filesystem::create_directories(path_);
    AddProgram();
  }

  const std::string& path() const { return path_; }
  std::string Path(std::string_view name) const {
    return path_ + "/" + std::string(name);
  }
  std::string program() const { return Path("photopages"); }

  // Writes `bytes` to `name` in the album, last written at `seconds` since
  // the epoch plus `nanoseconds`.
  std::string AddFile(std::string_view name, std::string_view bytes,
                      time_t seconds, long nanoseconds = 0) const {
    std::string file = Path(name);
    WriteTestFile(file, bytes);
    SetTime(file, seconds, nanoseconds);
    return file;
  }

  static void SetTime(const std::string& file, time_t seconds,
                      long nanoseconds = 0) {
    if (!SetLastWriteTime(file, seconds, nanoseconds)) {
      throw std::runtime_error("cannot set the time of " + file);
    }
  }

  // The names in the album folder, sorted bytewise.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  // The album's program by its full path, then `arguments`.
  std::vector<std::string> ProgramAnd(
      const std::vector<std::string>& arguments) const {
    std::vector<std::string> argv = {program()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return argv;
  }

  // The album's program started with `arguments`, in this process's
  // environment and folder.
  std::unique_ptr<ChildProcess> Start(
      const std::vector<std::string>& arguments) const {
    return std::make_unique<ChildProcess>(ProgramAnd(arguments));
  }

  // Runs the album's program by its full path with `arguments` from
  // `working_directory` (the album when empty), in the locale `lc_all`, as
  // RunProgram does.
  RunResult Run(const std::vector<std::string>& arguments,
                const std::string& working_directory = "",
                const std::string& lc_all = "C.UTF-8") const {
    Launch launch;
    launch.file = program();
    launch.argv = ProgramAnd(arguments);
    launch.working_directory =
        working_directory.empty() ? path() : working_directory;
    launch.lc_all = lc_all;
    return RunProgram(launch);
  }

 private:
  void AddProgram() const {
    std::filesystem::copy_file(PHOTOPAGES_BINARY, program());
  }

  std::optional<ScopedTempDir> own_folder_;
  std::string path_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_APP_POSIX_ALBUM_FOR_TEST_H_
