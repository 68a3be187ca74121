// The real program on a real album under an X server: what a user sees when
// a photo stops the run, and a complete run that ends by itself.
#include <gtest/gtest.h>

// X11's headers come after gtest: their macros (None, Bool) would clash with
// it.
#include <X11/keysym.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "picture/coloured_jpeg_for_test.h"
#include "window/form_layout.h"
#include "window/x_test_client.h"

extern char** environ;

namespace photopages {
namespace {

namespace fs = std::filesystem;

// Polls `done` every 20 ms; false after `seconds`.
bool PollFor(const std::function<bool()>& done, double seconds = 10) {
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

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

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// An album folder holding a copy of the program, removed with everything in
// it at the end of the test.
class Album {
 public:
  Album() {
    std::string pattern = (fs::temp_directory_path() / "album-XXXXXX");
    folder_ = mkdtemp(pattern.data());
    fs::copy_file(PHOTOPAGES_BINARY, Program());
  }
  ~Album() { fs::remove_all(folder_); }
  Album(const Album&) = delete;
  Album& operator=(const Album&) = delete;

  fs::path Program() const { return folder_ / "photopages"; }
  const fs::path& Folder() const { return folder_; }

  // Adds a photo file with its own last-write time, `second` seconds into
  // 2005-01-02 03:04 UTC.
  fs::path Add(const std::string& name, const std::string& bytes, int second) {
    const fs::path path = folder_ / name;
    WriteFile(path, bytes);
    const timespec times[2] = {{1104635040 + second, 0},
                               {1104635040 + second, 0}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
    return path;
  }

  // The names in the folder that end in `extension`.
  std::set<std::string> Names(const std::string& extension) const {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_)) {
      if (entry.path().extension() == extension) {
        names.insert(entry.path().filename());
      }
    }
    return names;
  }

 private:
  fs::path folder_;
};

// The program running on its own, given `arguments`.
class Program {
 public:
  Program(const fs::path& program, const std::vector<fs::path>& arguments) {
    std::vector<std::string> texts{program};
    for (const fs::path& argument : arguments) texts.push_back(argument);
    std::vector<char*> argv;
    for (std::string& text : texts) argv.push_back(text.data());
    argv.push_back(nullptr);
    started_ = posix_spawn(&pid_, program.c_str(), nullptr, nullptr,
                           argv.data(), environ) == 0;
  }
  ~Program() {
    if (started_ && !status_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return started_; }

  // True once the program has ended.
  bool Ended() {
    int status;
    if (!status_ && waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
    return status_.has_value();
  }

  // The exit status, or -1 when the program did not exit normally.
  int ExitStatus() const {
    return WIFEXITED(*status_) ? WEXITSTATUS(*status_) : -1;
  }

 private:
  pid_t pid_ = 0;
  bool started_ = false;
  std::optional<int> status_;
};

class X11EndToEndTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!x_.Connected()) GTEST_SKIP() << "no X display";
    // A window of the program may go away between two requests.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  }
  XClient x_;
  Album album_;
};

TEST_F(X11EndToEndTest, BadPhotoShowsBoxThenWindowUntilClosed) {
  const TestColour green{30, 200, 40}, yellow{240, 220, 20};
  const fs::path good =
      album_.Add("夏の写真.jpg", MakeTestJpeg(160, 120, green, yellow), 1);
  const fs::path bad = album_.Add("b.jpg", "\x89PNG\r\n\x1a\n not a photo", 2);
  const fs::path after =
      album_.Add("c.jpg", MakeTestJpeg(20, 20, green, green), 3);
  Program program(album_.Program(), {good, bad, after});
  ASSERT_TRUE(program.Started());

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
  EXPECT_FALSE(PollFor([&] { return program.Ended(); }, 0.5));
  x_.RequestClose(main_window);
  ASSERT_TRUE(PollFor([&] { return program.Ended(); }));
  EXPECT_EQ(program.ExitStatus(), 1);
  EXPECT_TRUE(x_.ViewableWindowsOfClass("photopages").empty());

  // The good photo has its copy and page; the bad one its copy only; the one
  // after it was never reached.
  EXPECT_EQ(album_.Names(".JPEG").size(), 2u);
  EXPECT_EQ(album_.Names(".HTML").size(), 1u);
}

TEST_F(X11EndToEndTest, CompleteRunEndsByItselfWithoutWindow) {
  const TestColour grey{128, 128, 128};
  Program program(album_.Program(),
                  {album_.Add("a.jpg", MakeTestJpeg(30, 20, grey, grey), 1),
                   album_.Add("b.jpg", MakeTestJpeg(20, 30, grey, grey), 2)});
  ASSERT_TRUE(program.Started());
  ASSERT_TRUE(PollFor([&] {
    EXPECT_TRUE(x_.ViewableWindowsOfClass("photopages").empty());
    return program.Ended();
  }));
  EXPECT_EQ(program.ExitStatus(), 0);
  EXPECT_EQ(album_.Names(".JPEG").size(), 2u);
  EXPECT_EQ(album_.Names(".HTML").size(), 2u);
}

}  // namespace
}  // namespace photopages
