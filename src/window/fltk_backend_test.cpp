// These tests need an X display; CTest runs them on Xvfb (1024 x 768, 24-bit)
// and they skip themselves where none can be reached.
#include "window/fltk_backend.h"

#include <gtest/gtest.h>

// FLTK's x.H and X11's headers come after gtest: their macros (None, Bool)
// would clash with it.
#include <FL/Fl.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Input_.H>
#include <FL/x.H>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>

#include "common/codepage.h"
#include "common/errors.h"
#include "common/messages.h"
#include "picture/coloured_jpeg_for_test.h"
#include "picture/jpeg_decode.h"
#include "window/application.h"
#include "window/fltk_main_window.h"
#include "window/fltk_screen.h"
#include "window/fltk_window_font.h"
#include "window/fltk_x_client_for_test.h"

namespace photopages {
namespace {

// Runs FLTK's event loop until `done` holds; false after `seconds`.
bool WaitFor(const std::function<bool()>& done, double seconds = 5) {
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    Fl::wait(0.02);
  }
  return true;
}

// Calls the std::function<void()> at `function`: an FLTK timeout.
void CallFunction(void* function) {
  (*static_cast<std::function<void()>*>(function))();
}

class X11Test : public testing::Test {
 protected:
  void SetUp() override {
    backend_ = FltkBackend::Connect();
    if (!backend_) GTEST_SKIP() << "no X display";
  }
  std::unique_ptr<FltkBackend> backend_;
  XClient x_;
};

using X11MainWindowTest = X11Test;

TEST_F(X11MainWindowTest, PlacedCentredAndSizedToVisibleChildren) {
  // The window font resolves to IPA P Gothic, whose 12-pixel face is 12 high,
  // so the design values stand unscaled.
  ASSERT_EQ(WindowFontTextHeight(), 12);
  ASSERT_EQ(PrimaryScreen(), (Rect{0, 0, 1024, 768}));
  struct {
    std::optional<Size> picture;
    Rect window;
  } const cases[] = {
      {std::nullopt, {243, 139, 537, 489}},    // Stopped before any photo.
      {Size{120, 90}, {243, 211, 537, 345}},   // A small photo.
      {Size{800, 300}, {112, 211, 800, 345}},  // Wider than 537.
      {Size{300, 700}, {243, 34, 537, 700}},   // Taller than 345.
      {Size{1600, 1200}, {0, 0, 1600, 1200}},  // Larger than the screen.
  };
  for (const auto& c : cases) {
    MainWindowContents contents;
    contents.picture_size = c.picture;
    contents.input_list = {"a.jpg"};
    std::unique_ptr<MainWindow> window =
        MainWindow::Create("Photopages", contents);
    window->Show();
    const Window xid = fl_xid(window.get());
    ASSERT_TRUE(WaitFor([&] { return x_.Viewable(xid); }));
    EXPECT_EQ(x_.Geometry(xid), c.window);
  }
}

TEST_F(X11MainWindowTest, KnownByTheApplicationTitleWithInputListAndBlock) {
  MainWindowContents contents;
  contents.input_list = {AnsiFromUtf8("写真/a.jpg"), "@b.jpg", "c d.jpg"};
  contents.title_close_block = "</TITLE>\r\n</HEAD>\r\n<BODY>\r\n";
  const AnsiString title = AnsiFromUtf8("ソPhoto");
  std::unique_ptr<MainWindow> window = MainWindow::Create(title, contents);
  window->Show();
  const Window xid = fl_xid(window.get());
  ASSERT_TRUE(WaitFor([&] { return x_.Viewable(xid); }));

  const std::string title_utf8 = "ソPhoto";
  EXPECT_EQ(x_.Property(xid, "_NET_WM_NAME"), title_utf8);
  EXPECT_EQ(x_.Property(xid, "WM_CLASS"),
            std::string("ソPhoto\0ソPhoto\0", 18));
  EXPECT_EQ(x_.Property(xid, "WM_WINDOW_ROLE"), "Form1");
  EXPECT_EQ(window->border(), 0);

  ASSERT_EQ(window->children(), 3);
  const Fl_Widget* list = window->child(1);
  EXPECT_EQ((Rect{list->x(), list->y(), list->w(), list->h()}),
            (Rect{264, 0, 273, 129}));
  const auto* browser = static_cast<const Fl_Browser*>(list);
  ASSERT_EQ(browser->size(), 3);
  EXPECT_STREQ(browser->text(1), "写真/a.jpg");
  EXPECT_STREQ(browser->text(2), "@b.jpg");
  const Fl_Widget* memo = window->child(2);
  EXPECT_EQ((Rect{memo->x(), memo->y(), memo->w(), memo->h()}),
            (Rect{16, 256, 161, 89}));
  EXPECT_STREQ(static_cast<const Fl_Input_*>(memo)->value(),
               "</TITLE>\n</HEAD>\n<BODY>\n");
}

TEST_F(X11MainWindowTest, ClosedByCloseRequestButNotByEscape) {
  std::unique_ptr<MainWindow> window =
      MainWindow::Create("T", MainWindowContents{});
  window->Show();
  const Window xid = fl_xid(window.get());
  ASSERT_TRUE(WaitFor([&] { return x_.Viewable(xid); }));
  x_.PressKey(xid, XK_Escape);
  EXPECT_FALSE(WaitFor([&] { return !window->shown(); }, 0.5));
  x_.RequestClose(xid);
  EXPECT_TRUE(WaitFor([&] { return !window->shown(); }));
}

TEST_F(X11MainWindowTest, DrawsTheLastPhotoAtFullSizeAtTopLeft) {
  const TestColour red{230, 20, 20}, blue{20, 20, 230};
  const std::string photo = MakeTestJpeg(200, 150, red, blue);
  struct {
    std::string_view jpeg;
    unsigned long at_left, at_right;
  } const cases[] = {
      {photo, 0xE61414, 0x1414E6},
      // A photo that cannot be decoded leaves the view empty.
      {"not a photo", 0, 0},
  };
  for (const auto& c : cases) {
    MainWindowContents contents;
    contents.picture_size = Size{200, 150};
    contents.picture_decoder = [&c](int palette_colours) {
      return DecodeJpegForDisplay(DecoderInput(c.jpeg), {}, palette_colours);
    };
    std::unique_ptr<MainWindow> window = MainWindow::Create("T", contents);
    window->Show();
    const Window xid = fl_xid(window.get());
    ASSERT_TRUE(WaitFor([&] { return x_.Viewable(xid); }));
    const unsigned long face = Fl::get_color(FL_BACKGROUND_COLOR) >> 8;
    // Drawn once the face colour shows beside the view.
    ASSERT_TRUE(WaitFor([&] { return x_.Pixel(xid, 220, 200) == face; }));
    auto near = [](unsigned long pixel, unsigned long colour) {
      for (int shift : {0, 8, 16}) {
        const int a = (pixel >> shift) & 0xFF, b = (colour >> shift) & 0xFF;
        if (std::abs(a - b) > 12) return false;
      }
      return true;
    };
    EXPECT_TRUE(near(x_.Pixel(xid, 10, 10), c.at_left ? c.at_left : face));
    EXPECT_TRUE(near(x_.Pixel(xid, 190, 140), c.at_right ? c.at_right : face));
    EXPECT_TRUE(near(x_.Pixel(xid, 205, 140), face));  // Beside the photo.
  }
}

using X11ErrorBoxTest = X11Test;

TEST_F(X11ErrorBoxTest, ShowsMessageWithPeriodRuleUnderTitleUntilOk) {
  struct {
    AnsiString message;
    std::string text;
  } const cases[] = {
      {JpegError(52).Message(), "JPEG エラー #52."},
      {FileOpenError("/a/x.JPEG").Message(),
       "ファイル /a/x.JPEG は開けません."},
      {ReadError().Message(), "ストリームからの読み込みエラー."},
      {OutOfMemoryError().Message(),
       "メモリストリームの拡大中にメモリが足りなくなりました."},
      {FileCreateError("/a/x.HTML").Message(),
       "ファイル /a/x.HTML を作成できません."},
      {WriteError().Message(), "ストリームへの書き込みエラー."},
      {MessageText(Message::kInvalidDate),
       "日付に変換できない値が渡されました."},
      {MessageText(Message::kInvalidTime),
       "時刻に変換できない値が渡されました."},
      {FormatMessage(Message::kInvalidDateTime, "2005/01/02"),
       "'2005/01/02' は日付または時刻ではありません."},
      {InOutError(2).Message(), "ファイルが見つかりません."},
      {InOutError(5).Message(), "ファイルへのアクセスが拒否されました."},
      {InOutError(123).Message(), "I/O エラー (123)"},
      {"x:", "x:."},
      {"x.", "x."},
      {"", ""},
  };
  for (const auto& c : cases) {
    std::string caption, text, window_class;
    bool modal = false;
    // Once the box is on the screen, reads it and presses Return.
    std::function<void()> inspect = [&] {
      Fl_Window* box = Fl::modal();
      if (box == nullptr || !x_.Viewable(fl_xid(box))) {
        Fl::repeat_timeout(0.02, CallFunction, &inspect);
        return;
      }
      modal = true;
      caption = box->label();
      window_class = box->xclass();
      text = box->child(1)->label();
      x_.PressKey(fl_xid(box), XK_Return);
    };
    Fl::add_timeout(0.02, CallFunction, &inspect);
    backend_->ShowErrorBox(AnsiFromUtf8("写真"), ErrorBoxText(c.message));
    EXPECT_TRUE(modal);
    EXPECT_EQ(caption, "写真");
    EXPECT_EQ(window_class, "写真");
    EXPECT_EQ(text, c.text);
  }
}

}  // namespace
}  // namespace photopages
