// WindowsPlatform on the real (Wine) file system, in the Japanese locale
// (code page 932), or in the American one (code page 1252) for the tests
// named *InCodePage1252. Europe/Berlin is the time zone.
#include "platform/windows_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/command_line.h"
#include "common/codepage.h"
#include "common/errors.h"
#include "common/messages.h"
#include "common/windows_codepage.h"
#include "platform/file_ops.h"
#include "platform/read_file_for_test.h"
#include "platform/temp_dir_for_test.h"
#include "platform/windows_extended_path.h"
#include "platform/windows_for_test.h"

namespace photopages {
namespace {

namespace fs = std::filesystem;

// `utf8_name` in the folder `folder` as the program's text.
AnsiString In(const ScopedTempDir& folder, const char* utf8_name) {
  return AnsiFromUtf8(folder.Path(utf8_name));
}

// Names that code page 932 holds, "表" and "ソ" with the byte of "\" as
// their second byte, reach their files both ways, whatever the system's code
// page. A name it cannot hold lists as "?" and still reaches its own file,
// unless two names gave that text.
void ExpectJapaneseNamesBothWays() {
  ScopedTempDir album;
  WriteTestFile(album.Path("写真.jpg"), "photo");
  WriteTestFile(album.Path("Café.jpg"), "other");
  fs::create_directory(PathFromUtf8(album.Path("pair")));
  WriteTestFile(album.Path("pair\\é.jpg"), "e acute");
  WriteTestFile(album.Path("pair\\è.jpg"), "e grave");
  WindowsPlatform platform;
  EXPECT_EQ(platform.ListOrdinaryFiles(album.path()),
            (std::vector<AnsiString>{"Caf?.jpg", AnsiFromUtf8("写真.jpg")}));
  EXPECT_EQ(ReadWholeFile(platform, In(album, "写真.jpg")), "photo");
  EXPECT_EQ(ReadWholeFile(platform, album.Path("Caf?.jpg")), "other");
  EXPECT_EQ(platform.ListOrdinaryFiles(album.Path("pair")),
            (std::vector<AnsiString>{"?.jpg", "?.jpg"}));
  EXPECT_THROW(platform.OpenInput(album.Path("pair\\?.jpg")), FileOpenError);

  CopyFileReplacing(platform, In(album, "写真.jpg"), In(album, "表ソ.JPEG"));
  WriteFileReplacing(platform, In(album, "表ソ.HTML"), "page");
  EXPECT_EQ(ReadTestFile(album.Path("表ソ.JPEG")), "photo");
  EXPECT_EQ(ReadTestFile(album.Path("表ソ.HTML")), "page");

  const fs::path start = fs::current_path();
  platform.SetCurrentDirectory(album.path());
  EXPECT_EQ(platform.CurrentDirectory(), album.path());
  EXPECT_EQ(ReadWholeFile(platform, AnsiFromUtf8("表ソ.HTML")), "page");
  fs::current_path(start);
}

TEST(WindowsPlatformTest, JapaneseNamesBothWays) {
  ASSERT_EQ(GetACP(), 932u);
  ExpectJapaneseNamesBothWays();
}

TEST(WindowsPlatformTest, JapaneseNamesBothWaysInCodePage1252) {
  ASSERT_EQ(GetACP(), 1252u);
  ExpectJapaneseNamesBothWays();
}

TEST(WindowsPlatformTest, ListingOrderAndWhatItLeavesOut) {
  ScopedTempDir album;
  for (const char* name :
       {"写真.jpg", "eb.jpg", "éa.jpg", "c.jpg", "B.jpg", "a.jpg", "noext",
        "read-only.jpg", "hidden.jpg", "system.jpg"}) {
    WriteTestFile(album.Path(name), name);
  }
  SetAttributes(album.Path("read-only.jpg"), FILE_ATTRIBUTE_READONLY);
  SetAttributes(album.Path("hidden.jpg"), FILE_ATTRIBUTE_HIDDEN);
  SetAttributes(album.Path("system.jpg"), FILE_ATTRIBUTE_SYSTEM);
  fs::create_directory(PathFromUtf8(album.Path("folder.jpg")));
  WindowsPlatform platform;
  // The user's collation without regard to case: "éa" before "eb".
  EXPECT_EQ(platform.ListOrdinaryFiles(album.path()),
            (std::vector<AnsiString>{"a.jpg", "B.jpg", "c.jpg", "?a.jpg",
                                     "eb.jpg", "noext", "read-only.jpg",
                                     AnsiFromUtf8("写真.jpg")}));
}

TEST(WindowsPlatformTest, FoldersThatCannotBeEnteredGiveTheSystemsCode) {
  ScopedTempDir album;
  WriteTestFile(album.Path("photo.jpg"), "");
  const struct {
    AnsiString folder;
    int code;
    AnsiString message;
  } cases[] = {
      {album.Path("missing"), 2, MessageText(Message::kFileNotFound)},
      {album.Path("missing\\below"), 3, MessageText(Message::kInvalidFileName)},
      {AnsiFromWide(WindowsPathOfHost(PHOTOPAGES_LOCKED_FOLDER)), 5,
       MessageText(Message::kAccessDenied)},
      {album.Path("photo.jpg"), 267, FormatMessage(Message::kInOutError, 267)},
  };
  WindowsPlatform platform;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder);
    try {
      platform.SetCurrentDirectory(c.folder);
      ADD_FAILURE() << "entered";
    } catch (const InOutError& error) {
      EXPECT_EQ(error.ErrorCode(), c.code);
      EXPECT_EQ(error.Message(), c.message);
    }
  }
}

// A small photo is copied through the files already open, a large one by the
// system's copy; both keep the same.
TEST(WindowsPlatformTest, CopiesKeepBytesLastWriteTimeAndReadOnly) {
  ScopedTempDir album;
  std::string large(3 << 20, 'x');
  large[1 << 20] = '\0';
  const struct {
    const char* name;
    std::string bytes;
    bool read_only;
  } cases[] = {
      {"w.jpg", std::string("\0\xFF photo", 8), false},
      {"r.jpg", std::string("\0\xFF photo", 8), true},
      {"large-w.jpg", large, false},
      {"large-r.jpg", large, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string source = album.Path(c.name);
    const std::string target = source + ".JPEG";
    WriteTestFile(source, c.bytes);
    SetLastWrite(source, kJanuary2005);
    if (c.read_only) SetAttributes(source, FILE_ATTRIBUTE_READONLY);
    WindowsPlatform platform;
    CopyFileReplacing(platform, source, target);
    EXPECT_TRUE(ReadTestFile(target) == c.bytes);
    EXPECT_EQ(Intervals(LastWriteOf(target)), kJanuary2005);
    // Neither hidden, as its temporary file was, nor read-only unless the
    // photo is.
    EXPECT_EQ(AttributesOf(target) &
                  (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY),
              c.read_only ? DWORD{FILE_ATTRIBUTE_READONLY} : 0);
    EXPECT_NE(platform.Inspect(target).identity,
              platform.Inspect(source).identity);
  }
}

// A copy onto the same file, reached by another name, leaves it alone. A
// read-only target is never replaced (Wine would let the rename replace it):
// holding the source's bytes it counts as the copy, else it cannot be made.
TEST(WindowsPlatformTest, SameFileAndReadOnlyTargets) {
  ScopedTempDir album;
  const std::string source = album.Path("a.jpg");
  WriteTestFile(source, "photo");
  ASSERT_TRUE(CreateHardLinkW(PathFromUtf8(album.Path("link.jpg")).c_str(),
                              PathFromUtf8(source).c_str(), nullptr));
  WriteTestFile(album.Path("same.JPEG"), "photo");
  WriteTestFile(album.Path("other.JPEG"), "earlier");
  SetAttributes(album.Path("same.JPEG"), FILE_ATTRIBUTE_READONLY);
  SetAttributes(album.Path("other.JPEG"), FILE_ATTRIBUTE_READONLY);
  const struct {
    const char* target;
    const char* kept;
    bool created;
  } cases[] = {
      {"A.JPG", "photo", true},  // The same file, its name in capitals.
      {"link.jpg", "photo", true},
      {"same.JPEG", "photo", true},
      {"other.JPEG", "earlier", false},
  };
  WindowsPlatform platform;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target);
    const AnsiString target = album.Path(c.target);
    if (c.created) {
      CopyFileReplacing(platform, source, target);
    } else {
      EXPECT_THROW(CopyFileReplacing(platform, source, target),
                   FileCreateError);
    }
    EXPECT_EQ(ReadTestFile(album.Path(c.target)), c.kept);
  }
  EXPECT_EQ(platform.ListOrdinaryFiles(album.path()).size(), 4u);
  // The link is still the photo, not a copy of it: the open photo and the
  // path are found to be one file, also where the path lies in a folder that
  // nothing was written to, whose files' identities are read another way.
  ASSERT_TRUE(CreateDirectoryW(PathFromUtf8(album.Path("elsewhere")).c_str(),
                               nullptr));
  ASSERT_TRUE(
      CreateHardLinkW(PathFromUtf8(album.Path("elsewhere/link.jpg")).c_str(),
                      PathFromUtf8(source).c_str(), nullptr));
  for (const char* link : {"link.jpg", "elsewhere/link.jpg"}) {
    SCOPED_TRACE(link);
    EXPECT_EQ(platform.OpenInput(source)->Identity(),
              platform.Inspect(album.Path(link)).identity);
  }
  EXPECT_NE(platform.OpenInput(source)->Identity(),
            platform.Inspect(album.Path("elsewhere")).identity);
}

TEST(WindowsPlatformTest, ExtendedPaths) {
  ScopedTempDir album;
  const fs::path start = fs::current_path();
  fs::current_path(PathFromUtf8(album.path()));
  const std::wstring folder = PathFromUtf8(album.path()).wstring();
  const std::wstring drive = folder.substr(0, 2);
  const struct {
    std::wstring path;
    std::wstring extended;
  } cases[] = {
      {L"a.jpg", L"\\\\?\\" + folder + L"\\a.jpg"},
      {L"sub/../.\\b.jpg.", L"\\\\?\\" + folder + L"\\b.jpg."},
      {drive + L"c.jpg ", L"\\\\?\\" + folder + L"\\c.jpg "},
      {drive + L"\\x\\..\\..\\y\\", L"\\\\?\\" + drive + L"\\y\\"},
      {L"\\y", L"\\\\?\\" + drive + L"\\y"},
      {L"\\\\server\\share\\..\\NUL", L"\\\\?\\UNC\\server\\share\\NUL"},
      {L"\\\\?\\C:\\a\\..", L"\\\\?\\C:\\a\\.."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtendedPath(c.path), c.extended);
  }
  fs::current_path(start);
}

// A target that another program holds open without delete sharing, as an
// indexer or a virus scanner holds a file for a moment, is replaced once it
// lets go within about a second; held longer, it cannot be created, and stays
// as it was, with no temporary file, nor the run's work folder, left once the
// run ends.
TEST(WindowsPlatformTest, BusyTargetsAreWaitedForAboutASecond) {
  const struct {
    DWORD held_milliseconds;
    bool copied;
  } cases[] = {{300, true}, {5000, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.held_milliseconds);
    ScopedTempDir album;
    const std::string source = album.Path("a.jpg");
    const std::string target = album.Path("copy.JPEG");
    WriteTestFile(source, "photo");
    WriteTestFile(target, "earlier");
    const HANDLE held = CreateFileW(PathFromUtf8(target).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
      WaitForSingleObject(release, c.held_milliseconds);
      CloseHandle(held);
    });
    {
      WindowsPlatform platform;
      const ULONGLONG start = GetTickCount64();
      if (c.copied) {
        CopyFileReplacing(platform, source, target);
      } else {
        try {
          CopyFileReplacing(platform, source, target);
          ADD_FAILURE() << "copied";
        } catch (const FileCreateError& error) {
          EXPECT_EQ(error.Message(),
                    FormatMessage(Message::kFileCreateError, target));
        }
        EXPECT_LT(GetTickCount64() - start, 2500u);
      }
    }
    SetEvent(release);
    holder.join();
    CloseHandle(release);
    EXPECT_EQ(ReadTestFile(target), c.copied ? "photo" : "earlier");
    EXPECT_EQ(std::distance(fs::directory_iterator(PathFromUtf8(album.path())),
                            fs::directory_iterator()),
              2);
  }
}

// The temporary files of a run lie in a hidden work folder inside the
// target's folder, made when first needed and made again when another run in
// the same folder removed it as it ended; the run removes it as it ends.
// Where a file takes its name, they lie beside their targets. Either way the
// copy and the page arrive whole and nothing else is left.
TEST(WindowsPlatformTest, TemporaryFilesLieInAWorkFolderForTheRun) {
  enum Setting { kNothing, kLeftByARun, kRemovedDuringTheRun, kFileOfItsName };
  for (const Setting setting :
       {kNothing, kLeftByARun, kRemovedDuringTheRun, kFileOfItsName}) {
    SCOPED_TRACE(setting);
    ScopedTempDir album;
    const fs::path work = PathFromUtf8(album.Path(".photopages-work"));
    WriteTestFile(album.Path("a.jpg"), "photo");
    if (setting == kLeftByARun) fs::create_directory(work);
    if (setting == kFileOfItsName) WriteTestFile(Utf8FromPath(work), "kept");
    {
      WindowsPlatform platform;
      CopyFileReplacing(platform, album.Path("a.jpg"), album.Path("b.JPEG"));
      if (setting != kFileOfItsName) {
        EXPECT_TRUE(fs::is_directory(work));
        EXPECT_TRUE(fs::is_empty(work));
        EXPECT_NE(AttributesOf(Utf8FromPath(work)) & FILE_ATTRIBUTE_HIDDEN, 0u);
      }
      if (setting == kRemovedDuringTheRun) fs::remove(work);
      WriteFileReplacing(platform, album.Path("b.HTML"), "page");
    }
    EXPECT_EQ(ReadTestFile(album.Path("b.JPEG")), "photo");
    EXPECT_EQ(ReadTestFile(album.Path("b.HTML")), "page");
    std::set<std::string> left;
    for (const auto& entry :
         fs::directory_iterator(PathFromUtf8(album.path()))) {
      left.insert(Utf8FromPath(entry.path().filename()));
    }
    std::set<std::string> expected = {"a.jpg", "b.JPEG", "b.HTML"};
    if (setting == kFileOfItsName) {
      expected.insert(".photopages-work");
      EXPECT_EQ(ReadTestFile(Utf8FromPath(work)), "kept");
    }
    EXPECT_EQ(left, expected);
  }
}

TEST(WindowsPlatformTest, ProcessFacts) {
  WindowsPlatform platform;
  const AnsiString executable = platform.ExecutablePath();
  EXPECT_TRUE(executable.ends_with("\\photopages_tests.exe")) << executable;
  EXPECT_EQ(SplitCommandLine(platform.RawCommandLine()).at(0), executable);
  EXPECT_EQ(platform.Paths().separator, '\\');
}

}  // namespace
}  // namespace photopages
