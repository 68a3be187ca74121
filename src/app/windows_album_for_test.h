// Test support for the whole-program tests of photopages.exe under Wine: an
// album whose folder name code page 932 cannot hold, holding a copy of the
// program, sample photos and their times, and registry values set for the
// programs a test starts.
#ifndef PHOTOPAGES_APP_WINDOWS_ALBUM_FOR_TEST_H_
#define PHOTOPAGES_APP_WINDOWS_ALBUM_FOR_TEST_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/windows_api.h"
#include "platform/temp_dir_for_test.h"
#include "platform/windows_for_test.h"

namespace photopages {

inline std::string SamplePhoto(const char* name) {
  return ReadTestFile(std::string(PHOTOPAGES_SOURCE_DIR) + "/sample/" + name);
}

// A registry value set for the programs started while it lives, and put back
// afterwards.
class ScopedRegistryValue {
 public:
  ScopedRegistryValue(HKEY root, const wchar_t* key, const wchar_t* name,
                      DWORD value)
      : ScopedRegistryValue(root, key, name, REG_DWORD,
                            {reinterpret_cast<const BYTE*>(&value),
                             reinterpret_cast<const BYTE*>(&value + 1)}) {}
  ScopedRegistryValue(HKEY root, const wchar_t* key, const wchar_t* name,
                      const std::wstring& text)
      : ScopedRegistryValue(
            root, key, name, REG_SZ,
            {reinterpret_cast<const BYTE*>(text.c_str()),
             reinterpret_cast<const BYTE*>(text.c_str() + text.size() + 1)}) {}
  ScopedRegistryValue(const ScopedRegistryValue&) = delete;
  ScopedRegistryValue& operator=(const ScopedRegistryValue&) = delete;
  ~ScopedRegistryValue() {
    if (previous_) {
      RegSetValueExW(key_, name_, 0, previous_type_, previous_->data(),
                     previous_->size());
    } else {
      RegDeleteValueW(key_, name_);
    }
    RegCloseKey(key_);
  }

 private:
  ScopedRegistryValue(HKEY root, const wchar_t* key, const wchar_t* name,
                      DWORD type, const std::vector<BYTE>& value)
      : name_(name) {
    RegCreateKeyExW(root, key, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                    nullptr, &key_, nullptr);
    DWORD size = 0;
    if (RegQueryValueExW(key_, name_, nullptr, &previous_type_, nullptr,
                         &size) == ERROR_SUCCESS) {
      previous_.emplace(size);
      RegQueryValueExW(key_, name_, nullptr, nullptr, previous_->data(), &size);
    }
    RegSetValueExW(key_, name_, 0, type, value.data(), value.size());
  }

  HKEY key_ = nullptr;
  const wchar_t* name_;
  DWORD previous_type_ = 0;
  std::optional<std::vector<BYTE>> previous_;
};

// The album is a folder whose name code page 932 cannot hold: the program
// knows its folder as "Caf? アルバム" and still reaches it.
class WindowsEndToEndTest : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(Wide(album_));
    ASSERT_TRUE(CopyFileW(WindowsPathOfHost(PHOTOPAGES_BINARY).c_str(),
                          Wide(program_).c_str(), TRUE));
  }

  // The path of `name` in the album.
  std::string Path(std::string_view name) const {
    return album_ + kTestPathSeparator + std::string(name);
  }

  static std::wstring Wide(const std::string& utf8_path) {
    return PathFromUtf8(utf8_path).wstring();
  }

  // Puts `bytes` at `name` in the album, last written at `time`.
  void AddPhoto(const std::string& name, const std::string& bytes,
                unsigned long long time) {
    WriteTestFile(Path(name), bytes);
    SetLastWrite(Path(name), time);
  }

  // How many names in the album end in `extension`.
  size_t CountWithExtension(const char* extension) const {
    size_t count = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(Wide(album_))) {
      if (entry.path().extension() == extension) ++count;
    }
    return count;
  }

  ScopedTempDir temp_;
  const std::string album_ = temp_.Path("Café アルバム");
  const std::string program_ = Path("photopages.exe");
};

}  // namespace photopages

#endif  // PHOTOPAGES_APP_WINDOWS_ALBUM_FOR_TEST_H_
