// Test support on POSIX: file times of any year, set straight through the
// system.
#ifndef PHOTOPAGES_PLATFORM_POSIX_FILE_TIMES_FOR_TEST_H_
#define PHOTOPAGES_PLATFORM_POSIX_FILE_TIMES_FOR_TEST_H_

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <string>

#include "platform/temp_dir_for_test.h"

namespace photopages {

// A folder on tmpfs, which keeps file times of every year (ext4 keeps them
// from 1901 to 2446 only): /dev/shm where the system has it, else
// TempFolderBase(). A test that needs far times still checks what the file
// system kept (SetLastWriteTime).
inline std::string AnyTimeFolderBase() {
  return access("/dev/shm", W_OK | X_OK) == 0 ? "/dev/shm" : TempFolderBase();
}

// Sets the last-write time of the file at `path` to `seconds` since the epoch
// and `nanoseconds`. Returns false when the file system refuses that time or
// keeps another one in its place.
inline bool SetLastWriteTime(const std::string& path, time_t seconds,
                             long nanoseconds = 0) {
  const timespec times[2] = {{seconds, nanoseconds}, {seconds, nanoseconds}};
  struct stat status {};
  return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0 &&
         stat(path.c_str(), &status) == 0 && status.st_mtim.tv_sec == seconds &&
         status.st_mtim.tv_nsec == nanoseconds;
}

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_POSIX_FILE_TIMES_FOR_TEST_H_
