// Test support: a scoped temporary folder on the real disk, and plain file
// helpers that go straight to the system (not through a Platform), so a test
// can set up and check what the code under test sees.
#ifndef PHOTOPAGES_PLATFORM_TEMP_DIR_FOR_TEST_H_
#define PHOTOPAGES_PLATFORM_TEMP_DIR_FOR_TEST_H_

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace photopages {

// The folder that holds temporary folders: TMPDIR, else /tmp.
inline std::string TempFolderBase() {
  const char* base = getenv("TMPDIR");
  return base != nullptr && *base != '\0' ? base : "/tmp";
}

// A folder on tmpfs, which keeps file times of every year (ext4 keeps them
// from 1901 to 2446 only): /dev/shm where the system has it, else
// TempFolderBase(). A test that needs far times still checks what the file
// system kept (SetLastWriteTime).
inline std::string AnyTimeFolderBase() {
  return access("/dev/shm", W_OK | X_OK) == 0 ? "/dev/shm" : TempFolderBase();
}

// A new empty folder, removed with everything in it when the object goes.
// Its path is ASCII, so the same bytes name it in UTF-8 and code page 932.
class ScopedTempDir {
 public:
  // A folder in TempFolderBase().
  ScopedTempDir() : ScopedTempDir(TempFolderBase()) {}
  // A folder in `base`.
  explicit ScopedTempDir(const std::string& base) {
    std::string pattern = base + "/photopages-test-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
      throw std::runtime_error("cannot create a folder from " + pattern);
    }
    path_ = pattern;
  }
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;
  ~ScopedTempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  const std::string& path() const { return path_; }
  // The path of `name` inside the folder.
  std::string Path(std::string_view name) const {
    return path_ + "/" + std::string(name);
  }

 private:
  std::string path_;
};

// Creates or replaces the file at `path` with `bytes`.
inline void WriteTestFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
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

// The whole content of the file at `path`.
inline std::string ReadTestFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_TEMP_DIR_FOR_TEST_H_
