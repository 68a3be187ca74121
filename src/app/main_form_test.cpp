// The main form's handlers on the fake platform: where the inputs come from
// and which folder the run happens in.
#include "app/main_form.h"

#include <gtest/gtest.h>

#include <chrono>

#include "common/codepage.h"
#include "common/errors.h"
#include "common/messages.h"
#include "platform/fake_platform_for_test.h"

namespace photopages {
namespace {

// A program started in /start from the album /album.
void SetUpAlbum(FakePlatform& platform) {
  platform.AddFolder("/start");
  platform.AddFolder("/album");
  platform.SetCurrentDirectory("/start");
  platform.AddFile("/start/elsewhere.jpg", "x");
  platform.set_executable_path("/album/photopages");
  platform.AddFile("/album/photopages", "program");
  platform.AddFile("/album/b.jpg", "");
  platform.AddFile("/album/A.jpg", "");
  platform.AddFile("/album/.hidden", "h");
}

TEST(MainFormTest, InputsComeFromArgumentsOrElseTheProgramFolder) {
  // Without arguments the program itself is an input, and its copy does
  // not load as a picture.
  struct {
    const char* command_line;
    std::vector<std::string> inputs;
    bool stops_at_program;
  } const cases[] = {
      {"\"/album/photopages\"", {"A.jpg", "b.jpg", "photopages"}, true},
      {"\"/album/photopages\" \"\" \"\"",
       {"A.jpg", "b.jpg", "photopages"},
       true},
      {"\"/album/photopages\" \"b.jpg\" \"b.jpg\"", {"b.jpg", "b.jpg"}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command_line);
    FakePlatform platform;
    SetUpAlbum(platform);
    platform.set_command_line(c.command_line);
    MainForm form(platform);
    form.ListArguments();
    if (c.stops_at_program) {
      EXPECT_THROW(form.RunAlbum(), JpegError);
    } else {
      form.RunAlbum();
    }
    EXPECT_EQ(form.InputList(), c.inputs);
    EXPECT_EQ(platform.CurrentDirectory(), "/album");
  }
}

TEST(MainFormTest, AProgramFolderThatCannotBeEnteredStopsTheRun) {
  FakePlatform platform;
  SetUpAlbum(platform);
  platform.set_executable_path("/gone/photopages");
  platform.set_command_line("\"/gone/photopages\" \"a.jpg\"");
  MainForm form(platform);
  form.ListArguments();
  try {
    form.RunAlbum();
    FAIL() << "the run went on";
  } catch (const InOutError& error) {
    EXPECT_EQ(error.Message(), MessageText(Message::kFileNotFound));
  }
  EXPECT_EQ(platform.CurrentDirectory(), "/start");
}

TEST(MainFormTest, TheRunNamesWithTheSettingsOfTheLastChange) {
  using namespace std::chrono;
  const auto at = [](sys_days day) {
    return UtcTime{duration_cast<seconds>(day.time_since_epoch()).count(), 0};
  };
  FakePlatform platform;
  SetUpAlbum(platform);
  platform.AddFile("/album/old.jpg", "", 0644, at(sys_days{1950y / 7 / 8}));
  platform.set_now(at(sys_days{2005y / 6 / 1}));
  platform.set_command_line("\"/album/photopages\" \"old.jpg\"");
  // Two-digit years at start-up would place 1950 in 2050.
  MainForm form(platform);
  LocaleSettings four_digit_years;
  four_digit_years.short_date_format = "yyyy/MM/dd";
  platform.set_locale_settings(four_digit_years);
  form.SettingsChanged();
  form.ListArguments();
  form.RunAlbum();
  EXPECT_EQ(
      platform.files().count(
          "/album/" + AnsiFromUtf8("1950年07月08日00時00分00秒07秒") + ".JPEG"),
      1u);
}

}  // namespace
}  // namespace photopages
