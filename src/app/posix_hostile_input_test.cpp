// The real program on what a user's folder can hold besides plain photos:
// awkward names, names that are not UTF-8, symbolic links, FIFOs and
// devices.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/posix_album_for_test.h"
#include "common/codepage.h"
#include "page/expected_page_for_test.h"
#include "picture/jpeg_samples_for_test.h"

namespace photopages {
namespace {

using test::EncodeJpeg;

// 2005-01-02 03:04:05 UTC.
constexpr time_t kJanuary2005 = 1104635045;

// The timestamp name, in UTF-8, of a photo last written `second` seconds
// (under 55) after kJanuary2005.
std::string Name(int second) {
  const int seconds = 5 + second;
  return std::string("2005年01月02日03時04分") + (seconds < 10 ? "0" : "") +
         std::to_string(seconds) + "秒01秒";
}

// A photo of `width` x 8 pixels; each width gives other bytes.
std::string Photo(int width) { return EncodeJpeg({.width = width}); }

// Checks that `name`.JPEG in `album` holds `photo` and `name`.HTML shows it
// at `width` x `height`.
void ExpectPublished(const TestAlbum& album, const std::string& name,
                     const std::string& photo, const std::string& width,
                     const std::string& height) {
  SCOPED_TRACE(name);
  EXPECT_EQ(ReadTestFile(album.Path(name + ".JPEG")), photo);
  const std::string ansi_name = AnsiFromUtf8(name);
  EXPECT_EQ(ReadTestFile(album.Path(name + ".HTML")),
            ExpectedPage(ansi_name, ansi_name + ".JPEG", width, height));
}

// Forty-one times 写真 between "a" and ".jpg": 251 bytes of UTF-8, 169 of
// code page 932.
std::string LongJapaneseName() {
  std::string name = "a";
  for (int i = 0; i < 41; ++i) name += "写真";
  return name + ".jpg";
}

// The album is "Café", started from "Crème": names that code page 932
// cannot hold reach their own files and folders through their texts.
TEST(HostileInputTest, AwkwardNamesArePublished) {
  // Every name in the album sorts before "photopages", which is listed too
  // and stops a run without arguments when its copy does not load; names in
  // other scripts sort after it, so those start with a Latin letter.
  const struct {
    std::string name;  // Relative to the album.
    bool argument;     // Can be given on the command line.
    bool listed;       // In the album itself.
  } photos[] = {
      {"my holiday photo.jpg", true, true},
      {" leading space.jpg", true, true},
      {"-rf.jpg", true, true},
      {"--help", true, true},
      {"line\nbreak.jpg", true, true},
      {"a\ttab.jpg", true, true},
      {"\"quoted\".jpg", false, true},
      {"../outside.jpg", true, false},
      {std::string(251, 'a') + ".jpg", true, true},
      {LongJapaneseName(), true, true},
      {"a 日本語の写真.jpg", true, true},
      {"Café.jpg", true, true},
      {"photo😀.jpg", true, true},
      {"a 旅行〜京都.jpg", true, true},  // U+301C, not code page 932's U+FF5E.
      {"a 사진.jpg", true, true},
      {"a か\u3099.jpg", true, true},  // が decomposed.
  };
  for (const bool with_arguments : {true, false}) {
    SCOPED_TRACE(with_arguments ? "given as arguments" : "listed");
    ScopedTempDir parent;  // Holds the album, so that "../" stays inside.
    TestAlbum album(parent.Path("Café"));
    std::filesystem::create_directory(parent.Path("Crème"));
    std::vector<std::string> arguments;
    for (int i = 0; i < static_cast<int>(std::size(photos)); ++i) {
      album.AddFile(photos[i].name, Photo(16 + i), kJanuary2005 + i);
      if (with_arguments && photos[i].argument) {
        arguments.push_back(photos[i].name);
      }
    }
    TestAlbum::SetTime(album.program(), kJanuary2005 + 50);

    RunResult result = album.Run(arguments, parent.Path("Crème"));
    EXPECT_FALSE(result.timed_out);
    EXPECT_EQ(result.exit_status, with_arguments ? 0 : 1);
    EXPECT_EQ(result.standard_error,
              with_arguments ? "" : "photopages: JPEG エラー #52.\n");
    for (int i = 0; i < static_cast<int>(std::size(photos)); ++i) {
      SCOPED_TRACE(photos[i].name);
      if (with_arguments ? photos[i].argument : photos[i].listed) {
        ExpectPublished(album, Name(i), Photo(16 + i), std::to_string(16 + i),
                        "8");
      } else {
        EXPECT_FALSE(std::filesystem::exists(album.Path(Name(i) + ".JPEG")));
      }
    }
  }
}

// Puts into `album` a FIFO, a device node (when the system allows it: it
// needs root), a symbolic link to itself and one to nothing; returns the
// names made.
std::vector<std::string> AddSpecialEntries(const TestAlbum& album) {
  std::vector<std::string> names;
  if (mkfifo(album.Path("pipe.jpg").c_str(), 0644) == 0) {
    names.push_back("pipe.jpg");
  }
  if (mknod(album.Path("device.jpg").c_str(), S_IFCHR | 0666, makedev(1, 3)) ==
      0) {
    names.push_back("device.jpg");
  }
  std::filesystem::create_symlink("loop.jpg", album.Path("loop.jpg"));
  std::filesystem::create_symlink("nowhere.jpg", album.Path("dangling.jpg"));
  names.push_back("loop.jpg");
  names.push_back("dangling.jpg");
  return names;
}

TEST(HostileInputTest, EntriesThatAreNotOrdinaryFilesAreNotListed) {
  TestAlbum album;
  album.AddFile("a.jpg", Photo(16), kJanuary2005);
  EXPECT_GE(AddSpecialEntries(album).size(), 3u);
  TestAlbum::SetTime(album.program(), kJanuary2005 + 50);
  std::vector<std::string> names = album.Names();

  // Each of them sorts before "photopages" and would stop the run with an
  // error of its own.
  RunResult result = album.Run({});
  EXPECT_FALSE(result.timed_out);
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.standard_error, "photopages: JPEG エラー #52.\n");
  ExpectPublished(album, Name(0), Photo(16), "16", "8");
  for (const std::string& made :
       {Name(0) + ".HTML", Name(0) + ".JPEG", Name(50) + ".JPEG"}) {
    names.push_back(made);
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(album.Names(), names);
}

// Given as arguments, each input that cannot be opened comes between two
// photos: the one before it is published, the one after it is not.
TEST(HostileInputTest, InputsThatCannotBeOpenedStopTheRunAndCreateNothing) {
  TestAlbum album;
  // Not UTF-8: the name becomes "a??.jpg", which the file of that name beside
  // it also gives, so it names no file.
  album.AddFile("a\xff\xfe.jpg", Photo(16), kJanuary2005);
  album.AddFile("a??.jpg", Photo(17), kJanuary2005 + 1);
  // Quotes are no part of an argument: the name becomes "say cheese.jpg",
  // which names no file either.
  album.AddFile("say \"cheese\".jpg", Photo(18), kJanuary2005 + 2);
  album.AddFile("say cheese.jpg", Photo(19), kJanuary2005 + 3);
  // Two names that code page 932 gives as one text, "?.jpg".
  album.AddFile("é.jpg", Photo(20), kJanuary2005 + 4);
  album.AddFile("è.jpg", Photo(21), kJanuary2005 + 5);
  album.AddFile("first.jpg", Photo(22), kJanuary2005 + 6);
  album.AddFile("last.jpg", Photo(23), kJanuary2005 + 7);
  std::filesystem::create_directory(album.Path("folder.jpg"));
  const std::vector<std::string> special = AddSpecialEntries(album);
  const std::vector<std::string> names = album.Names();

  struct Case {
    std::string bad_input;  // Empty for a run without arguments.
    std::string shown;
  };
  std::vector<Case> cases = {
      {"", "a??.jpg"},
      {"a\xff\xfe.jpg", "a??.jpg"},
      {"say \"cheese\".jpg", "say cheese.jpg"},
      {"è.jpg", "?.jpg"},
      {"missing.jpg", "missing.jpg"},
      {"folder.jpg", "folder.jpg"},
      {"絵😀.jpg", "絵?.jpg"},
  };
  for (const std::string& name : special) cases.push_back({name, name});
  // A control character in a name never reaches the terminal.
  cases.push_back({"gone\n\x1b[2J.jpg", "gone??[2J.jpg"});
  for (const Case& c : cases) {
    const bool listed = c.bad_input.empty();
    SCOPED_TRACE(listed ? "listed" : c.bad_input);
    RunResult result =
        album.Run(listed ? std::vector<std::string>{}
                         : std::vector<std::string>{"first.jpg", c.bad_input,
                                                    "last.jpg"});
    EXPECT_FALSE(result.timed_out);
    EXPECT_EQ(result.exit_status, 1);
    EXPECT_EQ(result.standard_error,
              "photopages: ファイル " + c.shown + " は開けません.\n");
    if (!listed) {
      ExpectPublished(album, Name(6), Photo(22), "22", "8");
      std::filesystem::remove(album.Path(Name(6) + ".JPEG"));
      std::filesystem::remove(album.Path(Name(6) + ".HTML"));
    }
    EXPECT_EQ(album.Names(), names);
  }
}

TEST(HostileInputTest, ALinkAtATargetIsReplacedAndWhatItNamesIsUntouched) {
  // Where the links at the copy's and the page's names point, from the album.
  const struct {
    const char* what;
    std::string copy_link;
    std::string page_link;
  } cases[] = {
      {"files elsewhere", "../victim.jpg", "../victim.html"},
      {"a read-only file", "../read-only.jpg", "../read-only.jpg"},
      {"a folder", "../folder", "../folder"},
      {"nothing", "../gone.jpg", "../gone.html"},
      {"the photo itself", "photo.jpg", "photo.jpg"},
      {"themselves", Name(0) + ".JPEG", Name(0) + ".HTML"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedTempDir parent;
    TestAlbum album(parent.Path("album"));
    const std::vector<std::pair<std::string, std::string>> outside = {
        {parent.Path("victim.jpg"), "a victim"},
        {parent.Path("victim.html"), "a victim page"},
        {parent.Path("read-only.jpg"), "a read-only victim"},
    };
    for (const auto& [path, content] : outside) WriteTestFile(path, content);
    chmod(parent.Path("read-only.jpg").c_str(), 0444);
    std::filesystem::create_directory(parent.Path("folder"));
    album.AddFile("photo.jpg", Photo(16), kJanuary2005);
    std::filesystem::create_symlink(c.copy_link, album.Path(Name(0) + ".JPEG"));
    std::filesystem::create_symlink(c.page_link, album.Path(Name(0) + ".HTML"));

    RunResult result = album.Run({"photo.jpg"});
    EXPECT_FALSE(result.timed_out);
    EXPECT_EQ(result.exit_status, 0) << result.standard_error;
    for (const char* extension : {".JPEG", ".HTML"}) {
      EXPECT_TRUE(std::filesystem::is_regular_file(
          std::filesystem::symlink_status(album.Path(Name(0) + extension))))
          << extension << " is still a link";
    }
    ExpectPublished(album, Name(0), Photo(16), "16", "8");
    EXPECT_EQ(ReadTestFile(album.Path("photo.jpg")), Photo(16));
    for (const auto& [path, content] : outside) {
      EXPECT_EQ(ReadTestFile(path), content) << path;
    }
    EXPECT_TRUE(std::filesystem::is_empty(parent.Path("folder")));
    EXPECT_FALSE(std::filesystem::exists(parent.Path("gone.jpg")));
    EXPECT_FALSE(std::filesystem::exists(parent.Path("gone.html")));
  }
}

}  // namespace
}  // namespace photopages
