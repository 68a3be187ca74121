// Test support: a scoped temporary folder on the real disk, and plain file
// helpers that go straight to the system (not through a Platform), so a test
// can set up and check what the code under test sees.
#ifndef PHOTOPAGES_PLATFORM_TEMP_DIR_FOR_TEST_H_
#define PHOTOPAGES_PLATFORM_TEMP_DIR_FOR_TEST_H_

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace photopages {

// A new empty folder, removed with everything in it when the object goes.
// Its path is ASCII, so the same bytes name it in UTF-8 and code page 932.
class ScopedTempDir {
 public:
  ScopedTempDir() {
    const char* base = getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && *base != '\0' ? base : "/tmp") +
        "/photopages-test-XXXXXX";
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

// The whole content of the file at `path`.
inline std::string ReadTestFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_TEMP_DIR_FOR_TEST_H_
