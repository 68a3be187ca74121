// The real program on a real album under an X server: what a user sees when
// a photo stops the run, and a complete run that ends by itself.
#include <gtest/gtest.h>

// X11's headers come after gtest: their macros (None, Bool) would clash with
// it.
#include <X11/keysym.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/poll_for_test.h"
#include "app/posix_album_for_test.h"
#include "picture/coloured_jpeg_for_test.h"
#include "window/fltk_x_client_for_test.h"
#include "window/form_layout.h"

namespace photopages {
namespace {

namespace fs = std::filesystem;

// The folder this test keeps its screenshots in, beside the program.
fs::path OutputFolder() {
  const fs::path folder = fs::path(PHOTOPAGES_BINARY).parent_path() /
                          "test-output" / "X11EndToEndTest";
  fs::create_directories(folder);
  return folder;
}

// Saves the contents of `window` as the PNG file `name` in OutputFolder();
// true when it was written.
bool Screenshot(unsigned long window, const std::string& name) {
  const fs::path file = OutputFolder() / name;
  fs::remove(file);
  const std::string command = "xwd -silent -id " + std::to_string(window) +
                              " | convert xwd:- '" + file.string() + "'";
  return std::system(command.c_str()) == 0 && fs::file_size(file) > 0;
}

// 2005-01-02 03:04 UTC, the last-write time the photos count from.
constexpr time_t kPhotoTime = 1104635040;

// How many names in `album` end in `extension`.
size_t CountWithExtension(const TestAlbum& album,
                          const std::string& extension) {
  size_t count = 0;
  for (const std::string& name : album.Names()) {
    if (fs::path(name).extension() == extension) ++count;
  }
  return count;
}

class X11EndToEndTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!x_.Connected()) GTEST_SKIP() << "no X display";
    // A window of the program may go away between two requests.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  }
  XClient x_;
  TestAlbum album_;
};

TEST_F(X11EndToEndTest, BadPhotoShowsBoxThenWindowUntilClosed) {
  const TestColour green{30, 200, 40}, yellow{240, 220, 20};
  const std::string good = album_.AddFile(
      "夏の写真.jpg", MakeTestJpeg(160, 120, green, yellow), kPhotoTime + 1);
  const std::string bad =
      album_.AddFile("b.jpg", "\x89PNG\r\n\x1a\n not a photo", kPhotoTime + 2);
  const std::string after = album_.AddFile(
      "c.jpg", MakeTestJpeg(20, 20, green, green), kPhotoTime + 3);
  // With this test's environment, so that the program finds the X server.
  std::unique_ptr<ChildProcess> program = album_.Start({good, bad, after});

  // First the error box, alone on the screen.
  std::vector<Window> windows;
  ASSERT_TRUE(PollFor([&] {
    windows = x_.ViewableWindowsOfClass("photopages");
    return !windows.empty();
  }));
  ASSERT_EQ(windows.size(), 1u);
  const Window box = windows[0];
  EXPECT_EQ(x_.Property(box, "_NET_WM_NAME"), "photopages");
  EXPECT_EQ(x_.Property(box, "WM_WINDOW_ROLE"), "");
  EXPECT_TRUE(Screenshot(box, "error-box.png"));
  x_.PressKey(box, XK_Return);

  // Then the main window, centred, sized to the input list and the block.
  // Its role is named just after it is mapped.
  Window main_window = 0;
  ASSERT_TRUE(PollFor([&] {
    windows = x_.ViewableWindowsOfClass("photopages");
    if (windows.size() != 1 || windows[0] == box) return false;
    main_window = windows[0];
    return x_.Property(main_window, "WM_WINDOW_ROLE") == "Form1";
  }));
  const Size screen = x_.ScreenSize();
  EXPECT_EQ(
      x_.Geometry(main_window),
      (Rect{(screen.width - 537) / 2, (screen.height - 345) / 2, 537, 345}));
  // The last photo loaded is drawn at the top-left corner.
  ASSERT_TRUE(PollFor([&] {
    const unsigned long pixel = x_.Pixel(main_window, 10, 10);
    return std::abs(int(pixel >> 16) - green.red) < 12 &&
           std::abs(int(pixel >> 8 & 0xFF) - green.green) < 12;
  }));

  EXPECT_TRUE(Screenshot(main_window, "main-window.png"));

  // The window stays until it is asked to close; then the program ends,
  // reporting the error, without a second run and its box.
  EXPECT_FALSE(PollFor([&] { return program->Ended(); }, 0.5));
  x_.RequestClose(main_window);
  ASSERT_TRUE(PollFor([&] { return program->Ended(); }));
  EXPECT_EQ(program->ExitStatus(), 1);
  EXPECT_TRUE(x_.ViewableWindowsOfClass("photopages").empty());

  // The good photo has its copy and page; the bad one its copy only; the one
  // after it was never reached.
  EXPECT_EQ(CountWithExtension(album_, ".JPEG"), 2u);
  EXPECT_EQ(CountWithExtension(album_, ".HTML"), 1u);
}

TEST_F(X11EndToEndTest, CompleteRunEndsByItselfWithoutWindow) {
  const TestColour grey{128, 128, 128};
  std::unique_ptr<ChildProcess> program =
      album_.Start({album_.AddFile("a.jpg", MakeTestJpeg(30, 20, grey, grey),
                                   kPhotoTime + 1),
                    album_.AddFile("b.jpg", MakeTestJpeg(20, 30, grey, grey),
                                   kPhotoTime + 2)});
  ASSERT_TRUE(PollFor([&] {
    EXPECT_TRUE(x_.ViewableWindowsOfClass("photopages").empty());
    return program->Ended();
  }));
  EXPECT_EQ(program->ExitStatus(), 0);
  EXPECT_EQ(CountWithExtension(album_, ".JPEG"), 2u);
  EXPECT_EQ(CountWithExtension(album_, ".HTML"), 2u);
}

}  // namespace
}  // namespace photopages
