// Test support on Windows under Wine: the Windows paths of the build's files,
// and file times and attributes set and read straight through Win32.
#ifndef PHOTOPAGES_PLATFORM_WINDOWS_FOR_TEST_H_
#define PHOTOPAGES_PLATFORM_WINDOWS_FOR_TEST_H_

#include <stdexcept>
#include <string>
#include <string_view>

#include "common/windows_api.h"
#include "platform/temp_dir_for_test.h"

namespace photopages {

// The Windows path of `host_path`, a path of the Linux machine that runs
// Wine (such as PHOTOPAGES_BINARY): Wine's drive Z: is that machine's root.
inline std::wstring WindowsPathOfHost(std::string_view host_path) {
  std::wstring path = L"Z:" + PathFromUtf8(host_path).wstring();
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

// The last-write time of the file at `path` (UTF-8).
inline FILETIME LastWriteOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(PathFromUtf8(path).c_str(), GetFileExInfoStandard,
                            &data)) {
    throw std::runtime_error("cannot read the times of " + path);
  }
  return data.ftLastWriteTime;
}

// Sets the last-write time of the file at `path` (UTF-8) to `time`, in
// 100-nanosecond intervals since 1601.
inline void SetLastWrite(const std::string& path, unsigned long long time) {
  const HANDLE file =
      CreateFileW(PathFromUtf8(path).c_str(), FILE_WRITE_ATTRIBUTES,
                  FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  const FILETIME last_write = {static_cast<DWORD>(time),
                               static_cast<DWORD>(time >> 32)};
  const bool set = file != INVALID_HANDLE_VALUE &&
                   SetFileTime(file, nullptr, nullptr, &last_write);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  if (!set) throw std::runtime_error("cannot set the time of " + path);
}

// 2005-01-02 03:04:05.6789012 UTC, 2005-07-02 03:04:05 UTC and 2005-12-31
// 23:59:59 UTC, in 100-nanosecond intervals since 1601, and a second.
inline constexpr unsigned long long kJanuary2005 = 127491086456789012;
inline constexpr unsigned long long kJuly2005 = 127647470450000000;
inline constexpr unsigned long long kNewYearsEve2005 = 127805471990000000;
inline constexpr unsigned long long kSecond = 10'000'000;

inline unsigned long long Intervals(const FILETIME& time) {
  return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
         time.dwLowDateTime;
}

// The attributes of the file at `path` (UTF-8).
inline DWORD AttributesOf(const std::string& path) {
  return GetFileAttributesW(PathFromUtf8(path).c_str());
}

inline void SetAttributes(const std::string& path, DWORD attributes) {
  if (!SetFileAttributesW(PathFromUtf8(path).c_str(), attributes)) {
    throw std::runtime_error("cannot set the attributes of " + path);
  }
}

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_WINDOWS_FOR_TEST_H_
