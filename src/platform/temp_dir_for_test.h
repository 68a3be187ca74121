// Test support: a scoped temporary folder on the real disk, and plain file
// helpers that go straight to the system (not through a Platform), so a test
// can set up and check what the code under test sees. Paths here are UTF-8
// and use the system's own separator.
#ifndef PHOTOPAGES_PLATFORM_TEMP_DIR_FOR_TEST_H_
#define PHOTOPAGES_PLATFORM_TEMP_DIR_FOR_TEST_H_

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

namespace photopages {

// The separator between folders in the system's paths.
inline constexpr char kTestPathSeparator =
    static_cast<char>(std::filesystem::path::preferred_separator);

// `path` as the system names it, from UTF-8.
inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// `path` in UTF-8.
inline std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return std::string(utf8.begin(), utf8.end());
}

// Removes the file or folder at `path` (UTF-8) with everything in it, read-only
// ones included (Windows deletes no read-only file); nothing when there is
// none.
inline void RemoveTestFiles(const std::string& path) {
  const std::filesystem::path root = PathFromUtf8(path);
  std::error_code ignored;
  const auto writable = [&](const std::filesystem::path& entry) {
    std::filesystem::permissions(entry, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, ignored);
  };
  writable(root);
  for (std::filesystem::recursive_directory_iterator it(root, ignored), end;
       it != end; it.increment(ignored)) {
    writable(it->path());
  }
  std::filesystem::remove_all(root, ignored);
}

// The system's folder for temporary files (TMPDIR, else /tmp, on POSIX), in
// UTF-8.
inline std::string TempFolderBase() {
  return Utf8FromPath(std::filesystem::temp_directory_path());
}

// A new empty folder, removed with everything in it when the object goes.
// Its path is ASCII where the folder it is made in has one, so the same bytes
// name it in UTF-8 and code page 932.
class ScopedTempDir {
 public:
  // A folder in TempFolderBase().
  ScopedTempDir() : ScopedTempDir(TempFolderBase()) {}
  // A folder in `base` (UTF-8).
  explicit ScopedTempDir(const std::string& base_utf8) {
    const std::filesystem::path base = PathFromUtf8(base_utf8);
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::filesystem::path folder =
          base / ("photopages-test-" + std::to_string(random()));
      std::error_code error;
      if (std::filesystem::create_directory(folder, error)) {
        path_ = Utf8FromPath(folder);
        return;
      }
    }
    throw std::runtime_error("cannot create a folder in " + Utf8FromPath(base));
  }
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;
  ~ScopedTempDir() { RemoveTestFiles(path_); }

  const std::string& path() const { return path_; }
  // The path of `name` inside the folder.
  std::string Path(std::string_view name) const {
    return path_ + kTestPathSeparator + std::string(name);
  }

 private:
  std::string path_;
};

// Creates or replaces the file at `path` (UTF-8) with `bytes`.
inline void WriteTestFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

// The whole content of the file at `path` (UTF-8).
inline std::string ReadTestFile(const std::string& path) {
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_TEMP_DIR_FOR_TEST_H_
