// What photopages.exe carries for Windows, read back from the built program
// as Explorer reads it: the version information of its Properties dialog,
// its icon's sizes and its application manifest.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/windows_api.h"
// After <windows.h>, which leaves it out for WIN32_LEAN_AND_MEAN.
#include <winver.h>

#include "platform/windows_for_test.h"

namespace photopages {
namespace {

std::wstring ProgramPath() { return WindowsPathOfHost(PHOTOPAGES_BINARY); }

// The program loaded for its resources only.
class ProgramResources {
 public:
  ProgramResources()
      : module_(LoadLibraryExW(
            ProgramPath().c_str(), nullptr,
            LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
  ProgramResources(const ProgramResources&) = delete;
  ProgramResources& operator=(const ProgramResources&) = delete;
  ~ProgramResources() {
    if (module_ != nullptr) FreeLibrary(module_);
  }

  // The bytes of resource `id` of type `type` (RT_*); empty when there is
  // none.
  std::string Bytes(int type, int id) const {
    HRSRC found =
        FindResourceW(module_, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(type));
    if (found == nullptr) return {};
    const void* data = LockResource(LoadResource(module_, found));
    return std::string(static_cast<const char*>(data),
                       SizeofResource(module_, found));
  }

 private:
  HMODULE module_;
};

TEST(WindowsResourcesTest, VersionInformationNamesTheRelease) {
  const std::wstring path = ProgramPath();
  DWORD ignored = 0;
  std::vector<char> info(GetFileVersionInfoSizeW(path.c_str(), &ignored));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, info.size(), info.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\",
                             reinterpret_cast<void**>(&fixed), &size));
  const std::string version = PHOTOPAGES_VERSION;
  const std::string fixed_version =
      std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
      std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
      std::to_string(HIWORD(fixed->dwFileVersionLS));
  EXPECT_EQ(fixed_version, version);
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  const std::wstring wide_version(version.begin(), version.end());
  const struct {
    const wchar_t* name;
    std::wstring value;
  } strings[] = {
      {L"FileVersion", wide_version},
      {L"ProductVersion", wide_version},
      {L"ProductName", L"photopages"},
      {L"FileDescription", L"photopages: single-photo web pages"},
      {L"LegalCopyright", L"Copyright (c) 2026 the photopages developers"},
      {L"OriginalFilename", L"photopages.exe"},
  };
  for (const auto& s : strings) {
    SCOPED_TRACE(testing::Message() << "field " << s.name);
    wchar_t* value = nullptr;
    const std::wstring key =
        std::wstring(L"\\StringFileInfo\\040904B0\\") + s.name;
    ASSERT_TRUE(VerQueryValueW(info.data(), key.c_str(),
                               reinterpret_cast<void**>(&value), &size));
    EXPECT_EQ(std::wstring(value), s.value);
  }
}

TEST(WindowsResourcesTest, IconAtTheSizesExplorerShows) {
  const ProgramResources program;
  // The icon group's directory: a header of three words, then an entry of
  // 14 bytes per image, its first byte the width (0 for 256).
  const std::string group = program.Bytes(14, 1);  // RT_GROUP_ICON
  ASSERT_GE(group.size(), 6u);
  const int count = static_cast<unsigned char>(group[4]);
  ASSERT_EQ(group.size(), 6u + 14u * count);
  std::vector<int> widths;
  for (int i = 0; i < count; ++i) {
    const int width = static_cast<unsigned char>(group[6 + 14 * i]);
    widths.push_back(width == 0 ? 256 : width);
  }
  EXPECT_EQ(widths, (std::vector<int>{16, 32, 48, 256}));
  // Each size loads as an icon of that size.
  for (int size : {16, 32, 48, 256}) {
    SCOPED_TRACE(size);
    HICON extracted = nullptr;
    ASSERT_EQ(PrivateExtractIconsW(ProgramPath().c_str(), 0, size, size,
                                   &extracted, nullptr, 1, 0),
              1u);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(extracted, &info));
    BITMAP bitmap = {};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
    EXPECT_EQ(bitmap.bmHeight, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(extracted);
  }
}

TEST(WindowsResourcesTest, ManifestAsksForSystemDpiAndLongPaths) {
  const ProgramResources program;
  // RT_MANIFEST, the one that a process's start reads.
  const std::string manifest = program.Bytes(24, 1);
  ASSERT_FALSE(manifest.empty());
  for (const char* setting : {
           ">true</dpiAware>",
           ">system</dpiAwareness>",
           ">true</longPathAware>",
           "level=\"asInvoker\"",
           // Windows 10 and 11.
           "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
       }) {
    EXPECT_NE(manifest.find(setting), std::string::npos) << setting;
  }
  // Classic controls: no dependency on Common Controls 6.
  EXPECT_EQ(manifest.find("Microsoft.Windows.Common-Controls"),
            std::string::npos);
}

}  // namespace
}  // namespace photopages
