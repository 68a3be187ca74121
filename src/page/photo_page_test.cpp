#include "page/photo_page.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>

#include "common/errors.h"
#include "page/expected_page_for_test.h"
#include "platform/platform.h"
#include "platform/temp_dir_for_test.h"

namespace photopages {
namespace {

TEST(PhotoPageTest, PageForAOneByteNameIs407Bytes) {
  std::string page = PhotoPageText("N", "N.JPEG", "800", "600");
  EXPECT_EQ(page, ExpectedPage("N", "N.JPEG", "800", "600"));
  EXPECT_EQ(page.size(), 407u);
  EXPECT_EQ(page.substr(page.size() - 3), " \r\n");
  EXPECT_NE(
      page.find("\r\n<P align=\"center\"><IMG src=\"N.JPEG\" "
                "width=\"800\" height=\"600\" border=\"0\"></P></BODY>\r\n"),
      std::string::npos);
}

TEST(PhotoPageTest, LengthFollowsNameAndSizeTexts) {
  struct Case {
    std::string name, width, height;
  };
  const Case cases[] = {
      {"N", "800", "600"},    {kTimestampName, "800", "600"},
      {"N", "0", "0"},        {kTimestampName, "537", "489"},
      {"ab", "800", "10000"}, {"", "1", "1"},
  };
  for (const Case& c : cases) {
    std::string picture = c.name + ".JPEG";
    std::string page = PhotoPageText(c.name, picture, c.width, c.height);
    EXPECT_EQ(page, ExpectedPage(c.name, picture, c.width, c.height));
    EXPECT_EQ(page.size(),
              398 + 3 * c.name.size() + c.width.size() + c.height.size());
  }
}

TEST(PhotoPageTest, LineEndsInsideThePiecesBecomeCrLf) {
  std::string page = PhotoPageText("a\rb", "c\nd", "8", "6");
  EXPECT_NE(page.find("<TITLE>a\r\nb</TITLE>\r\n"), std::string::npos);
  EXPECT_NE(page.find("src=\"c\r\nd\""), std::string::npos);
}

class WritePhotoPageTest : public testing::Test {
 protected:
  // The page path for `name` (code page 932) in the album.
  AnsiString PagePath(const AnsiString& name) const {
    return album_.Path(name + ".HTML");
  }

  // True when a file can be made in `folder`.
  static bool CanCreateIn(const ScopedTempDir& folder) {
    const std::string probe = folder.Path("probe");
    std::ofstream(PathFromUtf8(probe)).put('x');
    std::error_code error;
    return std::filesystem::remove(PathFromUtf8(probe), error);
  }

  // Every name in the album, hidden ones included, once the run so far has
  // ended: a platform may keep a work folder of its own until then. A new
  // run goes on.
  std::set<std::string> Entries() {
    platform_ = NewSystemPlatform(1, argv_);
    std::set<std::string> names;
    for (const auto& entry :
         std::filesystem::directory_iterator(PathFromUtf8(album_.path())))
      names.insert(Utf8FromPath(entry.path().filename()));
    return names;
  }

  ScopedTempDir album_;
  const char* argv_[1] = {"photopages"};
  std::unique_ptr<Platform> platform_ = NewSystemPlatform(1, argv_);
};

TEST_F(WritePhotoPageTest, WritesTheWholePageUnderItsName) {
  struct Case {
    std::string name, name_on_disk;
    size_t size;
  };
  const Case cases[] = {{"N", "N", 407},
                        {kTimestampName, kTimestampNameUtf8, 494}};
  for (const Case& c : cases) {
    WritePhotoPage(*platform_, PagePath(c.name), c.name + ".JPEG", "800",
                   "600");
    std::string page = ReadTestFile(album_.Path(c.name_on_disk + ".HTML"));
    EXPECT_EQ(page, ExpectedPage(c.name, c.name + ".JPEG", "800", "600"));
    EXPECT_EQ(page.size(), c.size);
  }
  EXPECT_EQ(Entries(),
            (std::set<std::string>{"N.HTML", kTimestampNameUtf8 + ".HTML"}));
}

TEST_F(WritePhotoPageTest, ReplacesALongerPageWhole) {
  WriteTestFile(album_.Path("N.HTML"), std::string(5000, 'x'));
  WritePhotoPage(*platform_, PagePath("N"), "N.JPEG", "800", "600");
  EXPECT_EQ(ReadTestFile(album_.Path("N.HTML")),
            ExpectedPage("N", "N.JPEG", "800", "600"));
}

TEST_F(WritePhotoPageTest, LeavesWhatCannotBeReplacedAsItWas) {
  // "ファイル <path> を作成できません" in code page 932.
  const std::string expected_message =
      "\x83\x74\x83\x40\x83\x43\x83\x8b " + PagePath(kTimestampName) +
      " \x82\xf0\x8d\xec\x90\xac\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1";
  const std::string on_disk = album_.Path(kTimestampNameUtf8 + ".HTML");
  const std::filesystem::path album = PathFromUtf8(album_.path());
  using enum std::filesystem::perms;
  constexpr auto kReadOnly = owner_read | group_read | others_read;
  constexpr auto kSearchable = owner_exec | group_exec | others_exec;
  enum Obstacle { kReadOnlyFile, kFolder, kFolderWithoutWriting };
  for (Obstacle obstacle : {kReadOnlyFile, kFolder, kFolderWithoutWriting}) {
    SCOPED_TRACE(obstacle);
    RemoveTestFiles(on_disk);
    if (obstacle == kReadOnlyFile) {
      WriteTestFile(on_disk, "earlier page");
      std::filesystem::permissions(PathFromUtf8(on_disk), kReadOnly);
    } else if (obstacle == kFolder) {
      std::filesystem::create_directory(PathFromUtf8(on_disk));
      WriteTestFile(on_disk + kTestPathSeparator + "inside", "kept");
    } else {
      std::filesystem::permissions(album, kReadOnly | kSearchable);
      if (CanCreateIn(album_)) {  // Root, or Windows, is not stopped by it.
        std::filesystem::permissions(album, owner_all,
                                     std::filesystem::perm_options::add);
        continue;
      }
    }
    std::set<std::string> before = Entries();
    try {
      WritePhotoPage(*platform_, PagePath(kTimestampName),
                     kTimestampName + ".JPEG", "800", "600");
      ADD_FAILURE() << "the page was written";
    } catch (const FileCreateError& error) {
      EXPECT_EQ(error.Message(), expected_message);
    }
    std::filesystem::permissions(album, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(Entries(), before);
    if (obstacle == kReadOnlyFile) {
      EXPECT_EQ(ReadTestFile(on_disk), "earlier page");
    }
    if (obstacle == kFolder) {
      EXPECT_EQ(ReadTestFile(on_disk + kTestPathSeparator + "inside"), "kept");
    }
  }
}

}  // namespace
}  // namespace photopages
