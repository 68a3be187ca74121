// photopages.exe under Wine on names and paths that the plain Win32 path
// forms cannot reach: names that end in a dot or a space, and paths beyond
// 260 characters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/windows_album_for_test.h"
#include "app/windows_program_for_test.h"
#include "common/ansi.h"
#include "common/codepage.h"
#include "common/windows_api.h"
#include "page/expected_page_for_test.h"
#include "picture/coloured_jpeg_for_test.h"
#include "platform/temp_dir_for_test.h"
#include "platform/windows_for_test.h"

namespace photopages {
namespace {

namespace fs = std::filesystem;

// Names that plain Win32 paths cannot reach, a trailing dot or space (made
// by a Linux machine or a NAS), and paths beyond 260 characters: every photo
// is published. A folder 300 characters deep holds photos given as
// arguments; the program itself is started from the deepest folder that
// Windows starts a program from (its path 259 characters), where the paths
// of its copies, pages and temporary files pass 260. The program file is
// hidden, so that the listing leaves it out and the run completes.
TEST_F(WindowsEndToEndTest, NamesAndFoldersThatPlainPathsCannotReach) {
  const std::string photo =
      MakeTestJpeg(160, 120, {30, 200, 40}, {240, 220, 20});
  // A path in the extended form, which names what a plain one cannot.
  auto extended = [](const std::string& path) { return "\\\\?\\" + path; };
  // A folder in the album whose path is `length` characters long, made one
  // folder at a time in the extended form: the C++ library's own folder
  // functions stumble over paths this long under Wine.
  auto deep_folder = [&](const char* name, size_t length) {
    std::string folder = Path(name);
    auto make = [&] {
      return CreateDirectoryW(Wide(extended(folder)).c_str(), nullptr) != 0;
    };
    if (!make()) return std::string();
    while (folder.size() + 61 < length) {
      folder += "\\" + std::string(60, 'd');
      if (!make()) return std::string();
    }
    folder += "\\" + std::string(length - 1 - folder.size(), 'e');
    return make() ? folder : std::string();
  };
  const std::string deep_album = deep_folder("album", 300);
  ASSERT_EQ(deep_album.size(), 300u);
  const std::string deep_program =
      deep_folder("program", MAX_PATH - 1 - 15) + "\\photopages.exe";
  ASSERT_EQ(deep_program.size(), MAX_PATH - 1u);
  ASSERT_TRUE(CopyFileW(Wide(extended(program_)).c_str(),
                        Wide(extended(deep_program)).c_str(), TRUE));
  const struct {
    const char* how;
    std::string program;
    std::string photo_folder;
    std::vector<std::string> photos;
    bool as_arguments;
  } cases[] = {
      {"trailing dot and space",
       program_,
       album_,
       {"a.jpg", "b.jpg.", "c.jpg "},
       false},
      {"a deep album, as arguments",
       program_,
       deep_album,
       {"a.jpg", "b.jpg."},
       true},
      {"a deep program folder, listed",
       deep_program,
       deep_program.substr(0, deep_program.rfind('\\')),
       {"a.jpg"},
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    SetAttributes(c.program, FILE_ATTRIBUTE_HIDDEN);
    std::wstring command_line = L"\"" + Wide(c.program) + L"\"";
    for (size_t i = 0; i < c.photos.size(); ++i) {
      const std::string path = c.photo_folder + "\\" + c.photos[i];
      WriteTestFile(extended(path), photo);
      SetLastWrite(extended(path), kJanuary2005 + i * kSecond);
      if (c.as_arguments) command_line += L" \"" + Wide(path) + L"\"";
    }
    Started run(command_line, fs::temp_directory_path());
    ASSERT_TRUE(run.started());
    ASSERT_TRUE(run.Ended());
    EXPECT_EQ(run.ExitCode(), 0u);
    const std::string folder = c.program.substr(0, c.program.rfind('\\'));
    for (size_t i = 0; i < c.photos.size(); ++i) {
      const std::string name =
          "2005年01月02日04時04分0" + std::to_string(5 + i) + "秒01秒";
      SCOPED_TRACE(name);
      const std::string copy = folder + "\\" + name + ".JPEG";
      const std::string page = folder + "\\" + name + ".HTML";
      EXPECT_EQ(ReadTestFile(extended(copy)), photo);
      const AnsiString ansi_name = AnsiFromUtf8(name);
      EXPECT_EQ(ReadTestFile(extended(page)),
                ExpectedPage(ansi_name, ansi_name + ".JPEG", "160", "120"));
      for (const std::string& made :
           {copy, page, c.photo_folder + "\\" + c.photos[i]}) {
        DeleteFileW(Wide(extended(made)).c_str());
      }
    }
  }
}

}  // namespace
}  // namespace photopages
