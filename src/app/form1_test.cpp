// The main form's handlers on the fake platform: where the inputs come from
// and which folder the run happens in.
#include "app/form1.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "common/messages.h"
#include "platform/fake_platform.h"

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

TEST(Form1Test, InputsComeFromArgumentsOrElseTheProgramFolder) {
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
    TForm1 form(platform);
    form.FormCreate();
    if (c.stops_at_program) {
      EXPECT_THROW(form.FormShow(), EJPEG);
    } else {
      form.FormShow();
    }
    EXPECT_EQ(form.ListBox1(), c.inputs);
    EXPECT_EQ(platform.CurrentDirectory(), "/album");
  }
}

TEST(Form1Test, AProgramFolderThatCannotBeEnteredStopsTheRun) {
  FakePlatform platform;
  SetUpAlbum(platform);
  platform.set_executable_path("/gone/photopages");
  platform.set_command_line("\"/gone/photopages\" \"a.jpg\"");
  TForm1 form(platform);
  form.FormCreate();
  try {
    form.FormShow();
    FAIL() << "the run went on";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Message(), MessageText(Message::kFileNotFound));
  }
  EXPECT_EQ(platform.CurrentDirectory(), "/start");
}

}  // namespace
}  // namespace photopages
