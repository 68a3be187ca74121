#include "window/application.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/codepage.h"
#include "common/errors.h"

namespace photopages {
namespace {

TEST(ApplicationTest, TitleFromExecutableName) {
  struct {
    const char* path;
    const char* title;
  } const cases[] = {
      {"/usr/x/PhotoPages", "Photopages"},
      {"/usr/x/PhotoPages.exe", "Photopages"},
      {"/usr/x/my.tool.exe", "my"},
      {"/usr/x/photopages", "photopages"},
      {"/a.b/X", "X"},
      {"/usr/x/.hidden", ""},
      {"ABC", "Abc"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ApplicationTitle(c.path, kPosixPaths), c.title);
  // A double-byte first character is kept whole, its trail byte unlowered.
  const std::string so = AnsiFromUtf8("ソ");
  EXPECT_EQ(ApplicationTitle("/x/" + so + "AB.exe", kPosixPaths), so + "ab");
  EXPECT_EQ(ApplicationTitle("/x/Z" + so + "B", kPosixPaths), "Z" + so + "b");
  EXPECT_EQ(ApplicationTitle("C:\\" + so + "\\PhotoPages.exe", kWindowsPaths),
            "Photopages");
}

TEST(ApplicationTest, PeriodRule) {
  struct {
    std::string message;
    std::string text;
  } const cases[] = {
      {"", ""},
      {"abc", "abc."},
      {"x:", "x:."},
      {"x9", "x9."},
      {"x.", "x."},
      {"x)", "x)"},
      {"x ", "x "},
      {"x!", "x!"},
      {"x-", "x-"},
      {"x/", "x/."},
      {AnsiFromUtf8("JPEG エラー #52"), AnsiFromUtf8("JPEG エラー #52.")},
      {AnsiFromUtf8("ストリームへの書き込みエラー"),
       AnsiFromUtf8("ストリームへの書き込みエラー.")},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorBoxText(c.message), c.text);
}

// Records what the run asked of the window system.
class RecordingBackend : public WindowBackend {
 public:
  void ShowErrorBox(const AnsiString& caption,
                    const AnsiString& text) override {
    events.push_back("box " + caption + " " + text);
  }
  void Beep() override { events.push_back("beep"); }
  void RunMainWindow(const AnsiString& title,
                     MainWindowEvents& window_events) override {
    window_events.Created();
    if (!window_events.FirstShow()) {
      events.push_back("window " + title + " " +
                       window_events.Contents().input_list.at(0));
    }
  }
  std::vector<std::string> events;
};

class ScriptedForm : public MainFormHandlers {
 public:
  ScriptedForm(bool create_fails, bool show_fails)
      : create_fails_(create_fails), show_fails_(show_fails) {}
  void ListArguments() override {
    ++creates;
    if (create_fails_) throw ReadError();
  }
  void RunAlbum() override {
    ++shows;
    if (show_fails_) throw JpegError(52);
  }
  void SettingsChanged() override {}
  MainWindowContents Contents() const override {
    MainWindowContents contents;
    contents.input_list = {"shown " + std::to_string(shows)};
    return contents;
  }
  int creates = 0;
  int shows = 0;

 private:
  bool create_fails_;
  bool show_fails_;
};

TEST(ApplicationTest, RunEndsByBeepOrByErrorBoxAndWindow) {
  const std::string read_error = ReadError().Message() + ".";
  const std::string jpeg_error = JpegError(52).Message() + ".";
  struct {
    bool create_fails;
    bool show_fails;
    int result;
    std::vector<std::string> events;
  } const cases[] = {
      {false, false, 0, {"beep"}},
      {false, true, 1, {"box T " + jpeg_error, "window T shown 1"}},
      {true, false, 1, {"box T " + read_error, "beep"}},
      {true,
       true,
       1,
       {"box T " + read_error, "box T " + jpeg_error, "window T shown 1"}},
  };
  for (const auto& c : cases) {
    ScriptedForm form(c.create_fails, c.show_fails);
    RecordingBackend backend;
    EXPECT_EQ(RunApplication("T", form, backend), c.result);
    EXPECT_EQ(backend.events, c.events);
    EXPECT_EQ(form.creates, 1);
    EXPECT_EQ(form.shows, 1);
  }
}

// A backend whose user closes the program before its first show, as one
// started minimized may be closed from its taskbar entry.
class ClosedBeforeFirstShow : public RecordingBackend {
 public:
  void RunMainWindow(const AnsiString&, MainWindowEvents& events) override {
    events.Created();
  }
};

TEST(ApplicationTest, ClosedBeforeTheRunReportsNoCompleteRun) {
  ScriptedForm form(false, false);
  ClosedBeforeFirstShow backend;
  EXPECT_EQ(RunApplication("T", form, backend), 1);
  EXPECT_EQ(form.shows, 0);
  EXPECT_TRUE(backend.events.empty());
}

}  // namespace
}  // namespace photopages
