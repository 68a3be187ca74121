// The main window under Wine on Xvfb (1024 x 768, 24-bit): its geometry,
// children, style and drawing, as Win32 reports them.
#include "window/windows_main_window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "common/codepage.h"
#include "common/windows_codepage.h"
#include "picture/coloured_jpeg_for_test.h"
#include "picture/jpeg_decode.h"
#include "window/windows_window_for_test.h"

namespace photopages {
namespace {

bool Near(COLORREF pixel, COLORREF colour) {
  return std::abs(GetRValue(pixel) - GetRValue(colour)) <= 12 &&
         std::abs(GetGValue(pixel) - GetGValue(colour)) <= 12 &&
         std::abs(GetBValue(pixel) - GetBValue(colour)) <= 12;
}

// True when the screen shows the control `id` of `form` whole, above the
// picture view: its own background at its bottom-right corner, and text
// along its first line.
bool ShowsOnTop(HWND form, int id) {
  RECT at;
  GetWindowRect(GetDlgItem(form, id), &at);
  HDC screen = GetDC(nullptr);
  bool background = Near(GetPixel(screen, at.right - 6, at.bottom - 6),
                         GetSysColor(COLOR_WINDOW));
  bool text = false;
  for (int y = at.top + 2; y < at.top + 16 && !text; ++y) {
    for (int x = at.left + 2; x < at.left + 40 && !text; ++x) {
      text = Near(GetPixel(screen, x, y), GetSysColor(COLOR_WINDOWTEXT));
    }
  }
  ReleaseDC(nullptr, screen);
  return background && text;
}

// Every row shows a photo of its size, red and blue, with the input list and
// the title-close block on top of it.
TEST(WindowsMainWindowTest, PlacedCentredAndScaledByTheTextHeight) {
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  struct {
    int text_height;
    std::optional<Size> picture;
    Rect window, picture_view, input_list, title_close_block;
  } const cases[] = {
      // Stopped before any photo: the view keeps its design size.
      {12,
       std::nullopt,
       {243, 139, 537, 489},
       {0, 0, 537, 489},
       {264, 0, 273, 129},
       {16, 256, 161, 89}},
      // A photo under the input list and the title-close block.
      {12,
       Size{640, 480},
       {192, 144, 640, 480},
       {0, 0, 640, 480},
       {264, 0, 273, 129},
       {16, 256, 161, 89}},
      // A small photo: the input list and the title-close block set the size.
      {12,
       Size{120, 90},
       {243, 211, 537, 345},
       {0, 0, 120, 90},
       {264, 0, 273, 129},
       {16, 256, 161, 89}},
      {12,
       Size{800, 300},
       {112, 211, 800, 345},
       {0, 0, 800, 300},
       {264, 0, 273, 129},
       {16, 256, 161, 89}},
      // Larger than the screen: placed at its top-left corner.
      {12,
       Size{1600, 1200},
       {0, 0, 1600, 1200},
       {0, 0, 1600, 1200},
       {264, 0, 273, 129},
       {16, 256, 161, 89}},
      // Text twice the design height doubles every design value, but not
      // the photo's size.
      {24,
       Size{120, 90},
       {0, 39, 1074, 690},
       {0, 0, 120, 90},
       {528, 0, 546, 258},
       {32, 512, 322, 178}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text_height);
    MainWindow form(nullptr, c.text_height, 0);
    MainWindowContents contents;
    contents.picture_size = c.picture;
    const std::string photo =
        c.picture ? MakeTestJpeg(c.picture->width, c.picture->height,
                                 {230, 20, 20}, {20, 20, 230})
                  : "";
    if (!photo.empty()) {
      contents.picture_decoder = [&photo](int palette_colours) {
        return DecodeJpegForDisplay(DecoderInput(photo), {}, palette_colours);
      };
    }
    contents.input_list = {"a.jpg", "b.jpg"};
    contents.title_close_block = "</TITLE>\r\n</HEAD>\r\n<BODY>\r\n";
    form.Show(contents, false);
    const HWND window = form.handle();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(WindowRectangle(window), c.window);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, c.window.width);
    EXPECT_EQ(client.bottom, c.window.height);
    EXPECT_EQ(WindowRectangle(GetDlgItem(window, kPictureViewId)),
              c.picture_view);
    EXPECT_EQ(WindowRectangle(GetDlgItem(window, kInputListId)), c.input_list);
    EXPECT_EQ(WindowRectangle(GetDlgItem(window, kTitleCloseBlockId)),
              c.title_close_block);
    EXPECT_TRUE(PumpMessagesUntil([&] {
      return ShowsOnTop(window, kInputListId) &&
             ShowsOnTop(window, kTitleCloseBlockId);
    }));
  }
}

TEST(WindowsMainWindowTest, BorderlessWithUnsortedListAndBlockInTheFont) {
  MainWindow form(nullptr, 12, 0);
  MainWindowContents contents;
  contents.input_list = {AnsiFromUtf8("写真\\c.jpg"), "b.jpg", "a.jpg",
                         "b.jpg"};
  contents.title_close_block = "</TITLE>\r\n</HEAD>\r\n<BODY>\r\n";
  form.Show(contents, false);
  const HWND window = form.handle();

  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME), 0);
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_EXSTYLE) &
                (WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE |
                 WS_EX_APPWINDOW),
            0);
  wchar_t text[256] = L"";
  GetWindowTextW(window, text, 256);
  EXPECT_STREQ(text, L"Form1");
  EXPECT_EQ(GetClassLongPtrW(window, GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);

  const HWND list = GetDlgItem(window, kInputListId);
  EXPECT_EQ(GetWindowLongPtrW(list, GWL_STYLE) & LBS_SORT, 0);
  ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 4);
  const wchar_t* const entries[] = {L"写真\\c.jpg", L"b.jpg", L"a.jpg",
                                    L"b.jpg"};
  for (int i = 0; i < 4; ++i) {
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, entries[i]);
  }
  EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), 12);

  const HWND memo = GetDlgItem(window, kTitleCloseBlockId);
  EXPECT_TRUE(GetWindowLongPtrW(memo, GWL_STYLE) & ES_MULTILINE);
  GetWindowTextW(memo, text, 256);
  EXPECT_STREQ(text, L"</TITLE>\r\n</HEAD>\r\n<BODY>\r\n");

  for (HWND control : {list, memo}) {
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, L"ＭＳ Ｐゴシック");
    EXPECT_EQ(font.lfHeight, -12);
    EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
  }
}

TEST(WindowsMainWindowTest, DrawsTheLastPhotoAtFullSizeAtTopLeft) {
  const TestColour red{230, 20, 20}, blue{20, 20, 230};
  const std::string photo = MakeTestJpeg(200, 150, red, blue);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  struct {
    std::string_view jpeg;
    COLORREF at_left, at_right;
  } const cases[] = {
      {photo, RGB(230, 20, 20), RGB(20, 20, 230)},
      // A photo that cannot be decoded leaves the view empty.
      {"not a photo", face, face},
  };
  for (const auto& c : cases) {
    MainWindow form(nullptr, 12, 0);
    MainWindowContents contents;
    contents.picture_size = Size{200, 150};
    contents.picture_decoder = [&c](int palette_colours) {
      return DecodeJpegForDisplay(DecoderInput(c.jpeg), {}, palette_colours);
    };
    form.Show(contents, false);
    const HWND view = GetDlgItem(form.handle(), kPictureViewId);
    HDC dc = GetDC(view);
    auto shows = [&](int x, int y, COLORREF colour) {
      const COLORREF pixel = GetPixel(dc, x, y);
      return std::abs(GetRValue(pixel) - GetRValue(colour)) <= 12 &&
             std::abs(GetGValue(pixel) - GetGValue(colour)) <= 12 &&
             std::abs(GetBValue(pixel) - GetBValue(colour)) <= 12;
    };
    EXPECT_TRUE(PumpMessagesUntil([&] {
      return shows(10, 10, c.at_left) && shows(190, 140, c.at_right);
    }));
    ReleaseDC(view, dc);
  }
}

}  // namespace
}  // namespace photopages
