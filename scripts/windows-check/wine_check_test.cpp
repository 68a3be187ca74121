// Checks what the Windows build relies on: the compiler's long double, the
// libraries built from Debian's sources, and Wine's code page, locales, file
// system and message box, as the tests of the Windows build will meet them.
#include <gtest/gtest.h>
#include <libexif/exif-data.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "picture/coloured_jpeg_for_test.h"

namespace {

std::wstring Widen(const char* utf8) {
  std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0),
                    L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), int(wide.size()));
  wide.pop_back();
  return wide;
}

// A fresh folder under the temporary folder (earlier runs leave theirs).
std::wstring NewFolder(const wchar_t* name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  for (unsigned n = GetTickCount();; ++n) {
    std::wstring folder = std::wstring(temp) + name + std::to_wstring(n);
    if (CreateDirectoryW(folder.c_str(), nullptr)) return folder;
  }
}

void CreateFileWithAttributes(const std::wstring& path, DWORD attributes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            attributes, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << GetLastError();
  CloseHandle(file);
}

TEST(Toolchain, LongDoubleIsTheExtendedType) {
  EXPECT_EQ(std::numeric_limits<long double>::digits, 64);
}

TEST(Libraries, JpegHasTheLinuxBuildsApiAndMessageCodes) {
  EXPECT_EQ(JPEG_LIB_VERSION, 62);
  EXPECT_EQ(JERR_NO_SOI, 53);
  EXPECT_EQ(JWRN_JPEG_EOF, 120);
  jpeg_error_mgr errors;
  jpeg_std_error(&errors);
  EXPECT_STREQ(errors.jpeg_message_table[JERR_NO_SOI],
               "Not a JPEG file: starts with 0x%02x 0x%02x");
}

// The project's own test photo helper, decoded with the accurate integer
// transform as the program decodes.
TEST(Libraries, JpegDecodesThroughItsSimdCode) {
  std::string file = photopages::MakeTestJpeg(16, 16, {200, 0, 0}, {0, 0, 200});
  jpeg_decompress_struct in;
  jpeg_error_mgr errors;
  in.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&in);
  jpeg_mem_src(&in, reinterpret_cast<unsigned char*>(file.data()), file.size());
  ASSERT_EQ(jpeg_read_header(&in, TRUE), JPEG_HEADER_OK);
  in.dct_method = JDCT_ISLOW;
  jpeg_start_decompress(&in);
  EXPECT_EQ(in.output_width, 16u);
  std::vector<JSAMPLE> row(in.output_width * in.output_components);
  JSAMPROW rows[] = {row.data()};
  while (in.output_scanline < in.output_height)
    jpeg_read_scanlines(&in, rows, 1);
  EXPECT_NEAR(row[0], 200, 8);
  EXPECT_NEAR(row[15 * 3 + 2], 200, 8);
  jpeg_finish_decompress(&in);
  jpeg_destroy_decompress(&in);
}

TEST(Libraries, ExifKnowsTheOrientationTag) {
  ExifData* exif = exif_data_new();
  ASSERT_NE(exif, nullptr);
  EXPECT_STREQ(exif_tag_get_name(EXIF_TAG_ORIENTATION), "Orientation");
  exif_data_unref(exif);
}

// LC_ALL=ja_JP.UTF-8 on the Linux side chooses both.
TEST(Locale, JapaneseCodePageAndUserLocale) {
  EXPECT_EQ(GetACP(), 932u);
  wchar_t name[LOCALE_NAME_MAX_LENGTH];
  GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH);
  EXPECT_STREQ(name, L"ja-JP");
}

// The values are Wine's own data, not Windows': only their presence is checked.
TEST(Locale, NamedLocalesAnswerDateItems) {
  for (const wchar_t* locale : {L"ja-JP", L"en-US", L"de-DE"}) {
    for (LCTYPE item : {LOCALE_SSHORTDATE, LOCALE_STIMEFORMAT, LOCALE_SDAYNAME1,
                        LOCALE_SMONTHNAME1, LOCALE_ICALENDARTYPE}) {
      wchar_t value[128] = L"";
      EXPECT_GT(GetLocaleInfoEx(locale, item, value, 128), 1)
          << locale << " " << item;
    }
  }
}

TEST(Files, ListingKeepsJapaneseNamesAndAttributes) {
  std::wstring folder = NewFolder(L"写真");
  CreateFileWithAttributes(folder + L"\\写真.jpg", FILE_ATTRIBUTE_NORMAL);
  CreateFileWithAttributes(folder + L"\\ｶﾒﾗ.jpg", FILE_ATTRIBUTE_NORMAL);
  CreateFileWithAttributes(folder + L"\\隠し.jpg", FILE_ATTRIBUTE_HIDDEN);
  CreateFileWithAttributes(folder + L"\\system.jpg", FILE_ATTRIBUTE_SYSTEM);
  CreateDirectoryW((folder + L"\\フォルダ").c_str(), nullptr);

  std::set<std::wstring> listed;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*.*").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  do {
    if (!(found.dwFileAttributes &
          (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
           FILE_ATTRIBUTE_DIRECTORY)))
      listed.insert(found.cFileName);
  } while (FindNextFileW(search, &found));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_MORE_FILES));
  FindClose(search);
  EXPECT_EQ(listed, (std::set<std::wstring>{L"写真.jpg", L"ｶﾒﾗ.jpg"}));
}

TEST(Files, SetCurrentDirectoryErrorCodes) {
  std::wstring folder = NewFolder(L"cd");
  CreateFileWithAttributes(folder + L"\\photo.jpg", FILE_ATTRIBUTE_NORMAL);
  const char* locked = getenv("LOCKED_DIR");
  ASSERT_NE(locked, nullptr);
  struct {
    std::wstring path;
    DWORD error;
  } cases[] = {
      {folder + L"\\なし", ERROR_FILE_NOT_FOUND},
      {folder + L"\\なし\\下", ERROR_PATH_NOT_FOUND},
      {folder + L"\\photo.jpg", ERROR_DIRECTORY},
      {L"Z:" + Widen(locked), ERROR_ACCESS_DENIED},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(SetCurrentDirectoryW(c.path.c_str()));
    EXPECT_EQ(GetLastError(), c.error);
  }
}

// A read-only file cannot be opened for writing, as on Windows; but where
// Windows refuses to replace it by a rename (error 5), Wine replaces it.
TEST(Files, ReadOnlyFiles) {
  std::wstring folder = NewFolder(L"ro");
  std::wstring target = folder + L"\\old.jpg";
  CreateFileWithAttributes(folder + L"\\new.jpg", FILE_ATTRIBUTE_NORMAL);
  CreateFileWithAttributes(target, FILE_ATTRIBUTE_READONLY);
  HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  EXPECT_EQ(file, INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
  EXPECT_TRUE(MoveFileExW((folder + L"\\new.jpg").c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING));
}

void SaveScreenshot(HWND window, const char* path) {
  RECT rect;
  GetWindowRect(window, &rect);
  int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB};
  void* bits;
  HBITMAP bitmap =
      CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  DWORD stride = (width * 3 + 3) & ~3, offset = 14 + sizeof info.bmiHeader;
  BITMAPFILEHEADER header = {0x4d42, offset + stride * height, 0, 0, offset};
  FILE* out = fopen(path, "wb");
  fwrite(&header, 14, 1, out);
  fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
  fwrite(bits, stride * height, 1, out);
  fclose(out);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

TEST(Window, ErrorBoxIsFoundReadAndDismissed) {
  std::wstring program = Widen(ERROR_BOX_EXE);
  std::wstring command = L"\"" + program + L"\"";
  STARTUPINFOW startup = {sizeof startup};
  PROCESS_INFORMATION process;
  ASSERT_TRUE(CreateProcessW(program.c_str(), command.data(), nullptr, nullptr,
                             FALSE, 0, nullptr, nullptr, &startup, &process));
  HWND box = nullptr;
  for (int i = 0; i < 200 && !box; ++i, Sleep(50))
    box = FindWindowW(L"#32770", L"Photopages");
  ASSERT_NE(box, nullptr);
  wchar_t text[256];
  GetDlgItemTextW(box, 0xFFFF, text, 256);
  EXPECT_STREQ(text, L"ファイル C:\\写真\\壊れた.jpg は開けません。");
  Sleep(300);  // lets the box finish painting
  SaveScreenshot(box, SCREENSHOT);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD exit_code;
  GetExitCodeProcess(process.hProcess, &exit_code);
  EXPECT_EQ(exit_code, 3u);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace
