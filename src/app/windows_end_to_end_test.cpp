// The real photopages.exe on a real album under Wine (Japanese locale, code
// page 932, time zone Europe/Berlin), started by a Windows process as
// Explorer or a command prompt starts it, so that its command line arrives
// exactly as typed: a complete run, which ends by itself, and a run that a
// bad photo stops with the error box and then the main window, for each way
// of being asked to show itself at start-up and on a screen of 144 dots per
// inch; and the program's icon as a file dialog shows it. The copies and
// pages are the bytes that the Linux build's tests expect of the same photos.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/windows_album_for_test.h"
#include "app/windows_program_for_test.h"
#include "common/ansi.h"
#include "common/codepage.h"
#include "common/windows_api.h"
// After <windows.h>, which leaves them out for WIN32_LEAN_AND_MEAN.
#include <commdlg.h>

#include "page/expected_page_for_test.h"
#include "picture/coloured_jpeg_for_test.h"
#include "platform/temp_dir_for_test.h"
#include "platform/windows_for_test.h"
#include "window/form_layout.h"
#include "window/windows_main_window.h"
#include "window/windows_window_font.h"
#include "window/windows_window_for_test.h"

namespace photopages {
namespace {

namespace fs = std::filesystem;

TEST_F(WindowsEndToEndTest, CompleteRunWritesTheLinuxBuildsCopiesAndPages) {
  const std::string harbour = SamplePhoto("harbour.jpg");
  const std::string garden = SamplePhoto("garden.jpg");
  const std::string wide =
      MakeTestJpeg(1000, 500, {20, 90, 200}, {200, 90, 20});
  AddPhoto("夏の写真.jpg", harbour, kJanuary2005);
  AddPhoto("表ソ 2.jpg", garden, kJuly2005);
  AddPhoto("Café.jpg", garden, kJuly2005 + kSecond);
  fs::create_directory(Wide(Path("sub")));
  AddPhoto("sub\\b.jpg", wide, kNewYearsEve2005);

  // A full path; a relative one with a space, resolved in the program's
  // folder; a name that code page 932 cannot hold; and "sub\"b.jpg, which
  // the C runtime would read as sub"b.jpg.
  Started program(L"\"" + Wide(program_) + L"\" \"" +
                      Wide(Path("夏の写真.jpg")) +
                      L"\" \"表ソ 2.jpg\" Café.jpg \"sub\\\"b.jpg",
                  fs::temp_directory_path());
  ASSERT_TRUE(program.started());
  // The run ends by itself, its main window never seen.
  ASSERT_TRUE(PollFor(
      [&] {
        const HWND main_window = WindowOfProcess(program.id(), L"TForm1");
        EXPECT_FALSE(main_window != nullptr && IsWindowVisible(main_window));
        return program.Ended(0);
      },
      30));
  EXPECT_EQ(program.ExitCode(), 0u);

  const struct {
    const char* name;  // In Europe/Berlin: UTC+1 in winter, UTC+2 in summer.
    const std::string& photo;
    unsigned long long time;
    const char* width;
    const char* height;
  } expected[] = {
      {"2005年01月02日04時04分05秒01秒", harbour, kJanuary2005, "800", "600"},
      {"2005年07月02日05時04分05秒07秒", garden, kJuly2005, "640", "480"},
      {"2005年07月02日05時04分06秒07秒", garden, kJuly2005 + kSecond, "640",
       "480"},
      {"2006年01月01日00時59分59秒01秒", wide, kNewYearsEve2005, "800", "400"},
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(e.name);
    const std::string copy = Path(std::string(e.name) + ".JPEG");
    EXPECT_EQ(ReadTestFile(copy), e.photo);
    EXPECT_EQ(Intervals(LastWriteOf(copy)), e.time);
    const AnsiString name = AnsiFromUtf8(e.name);
    EXPECT_EQ(ReadTestFile(Path(std::string(e.name) + ".HTML")),
              ExpectedPage(name, name + ".JPEG", e.width, e.height));
  }
  EXPECT_EQ(CountWithExtension(".JPEG"), 4u);
  EXPECT_EQ(CountWithExtension(".HTML"), 4u);
}

// Without arguments the album's files are the inputs, in their order:
// "a 夏.jpg", then the bad "b 冬.jpg", which stops the run before c.jpg and
// photopages.exe. The error box comes first, then the main window, shown as
// the program was asked to show itself at start-up, until the user closes it.
TEST_F(WindowsEndToEndTest, BadPhotoShowsTheBoxThenTheWindowUntilClosed) {
  // Large enough to lie under the input list and the title-close block,
  // which show on top of it.
  const std::string good =
      MakeTestJpeg(640, 480, {30, 200, 40}, {240, 220, 20});
  AddPhoto("a 夏.jpg", good, kJanuary2005);
  AddPhoto("b 冬.jpg", "\x89PNG\r\n\x1a\n not a photo", kJanuary2005 + kSecond);
  AddPhoto("c.jpg", good, kJanuary2005 + 2 * kSecond);
  const Size screen{GetSystemMetrics(SM_CXSCREEN),
                    GetSystemMetrics(SM_CYSCREEN)};
  enum Close { kAltF4, kTaskbarClose };
  struct {
    const char* request;
    std::optional<WORD> show;
    bool waits_for_restore;
    bool maximized;
    Close close;
    DWORD dots_per_inch;
    const char* screenshot;
  } const cases[] = {
      {"none", std::nullopt, false, false, kAltF4, 96, "main-window.png"},
      {"minimized", SW_SHOWMINIMIZED, false, false, kTaskbarClose, 96, nullptr},
      {"maximized", SW_SHOWMAXIMIZED, false, true, kAltF4, 96, nullptr},
      {"minimized without activation", SW_SHOWMINNOACTIVE, true, false,
       kTaskbarClose, 96, nullptr},
      // A screen scaled to 150 %: the font keeps its point size, 18 pixels
      // high, and every design value grows with its text height.
      {"none, at 144 dots per inch", std::nullopt, false, false, kAltF4, 144,
       "main-window-144dpi.png"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.request);
    // Wine's screen resolution for the programs it starts.
    const ScopedRegistryValue dots_per_inch(HKEY_CURRENT_USER,
                                            L"Control Panel\\Desktop",
                                            L"LogPixels", c.dots_per_inch);
    // Sized to the photo, the input list and the title-close block, scaled by
    // the text height of the window's font at that resolution.
    const int scaled_text_height = WindowFontTextHeight(c.dots_per_inch);
    const Size client =
        LayOutMainWindow(scaled_text_height, Size{640, 480}).client;
    const Point centred = CentredPosition(screen, client);
    const Rect placed{centred.left, centred.top, client.width, client.height};
    for (const char* made : {".JPEG", ".HTML"}) {
      for (const auto& entry : fs::directory_iterator(Wide(album_))) {
        if (entry.path().extension() == made) fs::remove(entry.path());
      }
    }
    Started program(L"\"" + Wide(program_) + L"\"", Wide(album_), c.show);
    ASSERT_TRUE(program.started());
    HWND application = nullptr;
    ASSERT_TRUE(PollFor(
        [&] {
          application = WindowOfProcess(program.id(), L"TApplication");
          return application != nullptr && IsWindowVisible(application);
        },
        30));
    if (c.waits_for_restore) {
      // Only the taskbar entry, minimized; no run until it is restored.
      EXPECT_FALSE(program.Ended(500));
      EXPECT_TRUE(IsIconic(application));
      EXPECT_EQ(WindowOfProcess(program.id(), L"#32770"), nullptr);
      EXPECT_EQ(CountWithExtension(".JPEG"), 0u);
      PostMessageW(application, WM_SYSCOMMAND, SC_RESTORE, 0);
    }

    HWND box = nullptr;
    ASSERT_TRUE(PollFor([&] {
      box = WindowOfProcess(program.id(), L"#32770");
      return box != nullptr && IsWindowVisible(box);
    }));
    // The application title: the program's name before its first ".", every
    // letter after the first in lower case.
    wchar_t text[256] = L"";
    GetWindowTextW(box, text, 256);
    EXPECT_STREQ(text, L"photopages");
    GetDlgItemTextW(box, 0xFFFF, text, 256);
    EXPECT_STREQ(text, L"JPEG エラー #52.");
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    // Owned by the application window; the main window, not yet seen, is
    // disabled while the box is up.
    EXPECT_EQ(GetWindow(box, GW_OWNER), application);
    const HWND main_window = WindowOfProcess(program.id(), L"TForm1");
    ASSERT_NE(main_window, nullptr);
    EXPECT_FALSE(IsWindowVisible(main_window));
    EXPECT_FALSE(IsWindowEnabled(main_window));
    if (!c.show) {
      EXPECT_FALSE(program.Ended(300));  // Time for the box to be drawn.
      EXPECT_TRUE(Screenshot(box, c.dots_per_inch == 96
                                      ? "error-box.png"
                                      : "error-box-144dpi.png"));
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);

    ASSERT_TRUE(PollFor([&] { return IsWindowVisible(main_window) != FALSE; }));
    EXPECT_TRUE(IsWindowEnabled(main_window));
    EXPECT_EQ(IsZoomed(main_window) != FALSE, c.maximized);
    if (c.maximized) {
      // Over the whole work area, which is the whole screen on Xvfb.
      RECT work;
      SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
      EXPECT_EQ(WindowRectangle(main_window),
                (Rect{work.left, work.top, work.right - work.left,
                      work.bottom - work.top}));
    } else {
      EXPECT_EQ(WindowRectangle(main_window), placed);
      if (!c.show) {
        EXPECT_EQ(XGeometry(main_window), placed);
      }
      RECT inside;
      GetClientRect(main_window, &inside);
      EXPECT_EQ((Size{inside.right, inside.bottom}), client);
    }
    if (!c.show) {
      // The last photo loaded, drawn at the top-left corner.
      ASSERT_TRUE(PollFor([&] {
        HDC screen_dc = GetDC(nullptr);
        const COLORREF pixel =
            GetPixel(screen_dc, placed.left + 10, placed.top + 10);
        ReleaseDC(nullptr, screen_dc);
        return std::abs(GetRValue(pixel) - 30) < 12 &&
               std::abs(GetGValue(pixel) - 200) < 12;
      }));
      EXPECT_TRUE(Screenshot(main_window, c.screenshot));
      // The input list's rows, designed 12 pixels high, grow with the text.
      EXPECT_EQ(SendMessageW(GetDlgItem(main_window, kInputListId),
                             LB_GETITEMHEIGHT, 0, 0),
                ScaleToTextHeight(12, scaled_text_height));
    }

    // The window stays until it is closed; then the program ends with the
    // error's exit code, without a second run and its box.
    EXPECT_FALSE(program.Ended(300));
    if (c.close == kAltF4) {
      SetForegroundWindow(main_window);
      keybd_event(VK_MENU, 0, 0, 0);
      keybd_event(VK_F4, 0, 0, 0);
      keybd_event(VK_F4, 0, KEYEVENTF_KEYUP, 0);
      keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
    } else {
      PostMessageW(application, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    ASSERT_TRUE(program.Ended());
    EXPECT_EQ(program.ExitCode(), 1u);
    // The first photo has its copy and page, the bad one its copy only;
    // c.jpg was not reached.
    EXPECT_EQ(CountWithExtension(".JPEG"), 2u);
    EXPECT_EQ(CountWithExtension(".HTML"), 1u);
    EXPECT_EQ(ReadTestFile(Path("2005年01月02日04時04分05秒01秒.JPEG")), good);
  }
}

// The program's icon as Windows shows it to the user: in a file dialog's
// large-icon view of its folder (screenshot icon-in-file-dialog.png).
TEST_F(WindowsEndToEndTest, FileDialogShowsTheProgramsIcon) {
  // Windows shows a program's own icon through the .exe files' class, which
  // the Wine prefix leaves out (the default value: no name).
  const ScopedRegistryValue exe_class(HKEY_CLASSES_ROOT, L".exe", L"",
                                      std::wstring(L"exefile"));
  const std::wstring folder = Wide(album_);
  std::thread dialog([&] {
    wchar_t file[MAX_PATH] = L"";
    OPENFILENAMEW open = {};
    open.lStructSize = sizeof open;
    open.lpstrFile = file;
    open.nMaxFile = MAX_PATH;
    open.lpstrInitialDir = folder.c_str();
    open.Flags = OFN_EXPLORER;
    GetOpenFileNameW(&open);
  });
  HWND box = nullptr;
  const bool shown = PollFor([&] {
    box = WindowOfProcess(GetCurrentProcessId(), L"#32770");
    return box != nullptr && IsWindowVisible(box);
  });
  if (shown) {
    const HWND view = FindWindowExW(box, nullptr, L"SHELLDLL_DefView", nullptr);
    // The shell view's command for large icons.
    constexpr WPARAM kLargeIcons = 0x7029;
    if (view != nullptr) SendMessageW(view, WM_COMMAND, kLargeIcons, 0);
    Sleep(1000);  // Time for the icons to be drawn.
    EXPECT_TRUE(Screenshot(box, "icon-in-file-dialog.png"));
    PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
  }
  dialog.join();
  EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace photopages
