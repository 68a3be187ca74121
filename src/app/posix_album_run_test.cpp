// The real program on a real album folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/posix_album_for_test.h"
#include "common/codepage.h"
#include "page/expected_page_for_test.h"
#include "picture/jpeg_samples_for_test.h"

namespace photopages {
namespace {

using test::EncodeJpeg;

std::string SamplePhoto(const char* name = "garden.jpg") {
  return ReadTestFile(std::string(PHOTOPAGES_SOURCE_DIR) + "/sample/" + name);
}

// The sample photo's header: its bytes up to the end of its first scan
// header.
std::string SampleHeader(const char* name) {
  const std::string photo = SamplePhoto(name);
  const size_t scan = photo.find("\xFF\xDA");
  return photo.substr(0, scan + 2 +
                             (static_cast<unsigned char>(photo[scan + 2]) << 8 |
                              static_cast<unsigned char>(photo[scan + 3])));
}

// True when the file at `path` is `size` bytes long and holds `head`, then
// zeros; read a piece at a time.
bool HeadThenZeros(const std::string& path, std::string_view head,
                   uint64_t size) {
  std::ifstream file(path, std::ios::binary);
  std::string piece(head.size(), '\0');
  if (!file.read(piece.data(), piece.size()) || piece != head) return false;
  const std::string zeros(1 << 20, '\0');
  piece.assign(zeros.size(), '\1');
  uint64_t read = head.size();
  while (file.read(piece.data(), piece.size()) || file.gcount() > 0) {
    const size_t n = static_cast<size_t>(file.gcount());
    if (piece.compare(0, n, zeros, 0, n) != 0) return false;
    read += n;
  }
  return read == size;
}

timespec LastWrite(const std::string& file) {
  struct stat st {};
  EXPECT_EQ(stat(file.c_str(), &st), 0) << file;
  return st.st_mtim;
}

// 2005-01-02 03:04:05 UTC.
constexpr time_t kJanuary2005 = 1104635045;
// 2005-12-31 23:59:59 UTC.
constexpr time_t kNewYearsEve2005 = 1136073599;

// Each copy holds its photo's bytes, with its last-write time to the
// nanosecond and its permissions; each page shows the photo at its size.
TEST(AlbumRunTest, EveryPhotoGetsItsCopyAndPage) {
  struct {
    const char* input;
    std::string content;
    time_t seconds;
    long nanoseconds;
    const char* name;
    const char* width;
    const char* height;
    // When above the content's size, the photo is its content and a hole up
    // to this size.
    uint64_t sparse_size = 0;
    mode_t mode = 0644;
  } const photos[] = {
      {"harbour.jpg", SamplePhoto("harbour.jpg"), kJanuary2005, 678'123'456,
       "2005年01月02日03時04分05秒01秒", "800", "600"},
      {"garden.jpg", SamplePhoto("garden.jpg"), kJanuary2005 + 1, 0,
       "2005年01月02日03時04分06秒01秒", "640", "480"},
      {"tower.jpg", SamplePhoto("tower.jpg"), kJanuary2005 + 2, 0,
       "2005年01月02日03時04分07秒01秒", "800", "1067"},
      // Bytes after the picture are copied too.
      {"b.jpg", SamplePhoto("garden.jpg") + "x", kNewYearsEve2005, 999'999'999,
       "2005年12月31日23時59分59秒12秒", "640", "480", 0, 0640},
      {"empty.jpg", "", kJanuary2005 + 4, 123'456'789,
       "2005年01月02日03時04分09秒01秒", "0", "0"},
      // Very large photos are read no further than their header: one of
      // 1 GiB, and one of 300 MiB whose picture is shown at half its size.
      {"panorama.jpg", SampleHeader("harbour.jpg"), kJanuary2005 + 3, 0,
       "2005年01月02日03時04分08秒01秒", "800", "600", uint64_t{1} << 30},
      {"huge.jpg", EncodeJpeg({.width = 1600, .height = 1200}),
       kJanuary2005 + 5, 123'456'789, "2005年01月02日03時04分10秒01秒", "800",
       "600", uint64_t{300} << 20},
  };
  TestAlbum album;
  std::vector<std::string> inputs;
  for (const auto& photo : photos) {
    const std::string file = album.AddFile(photo.input, photo.content,
                                           photo.seconds, photo.nanoseconds);
    if (photo.sparse_size > 0) {
      std::filesystem::resize_file(file, photo.sparse_size);
      album.SetTime(file, photo.seconds, photo.nanoseconds);
    }
    chmod(file.c_str(), photo.mode);
    inputs.push_back(photo.input);
  }
  // An earlier, longer page is replaced whole.
  WriteTestFile(album.Path(std::string(photos[0].name) + ".HTML"),
                std::string(5000, 'x'));

  RunResult result = album.Run(inputs);
  ASSERT_EQ(result.exit_status, 0) << result.standard_error;
  EXPECT_EQ(result.standard_error, "");
  for (const auto& photo : photos) {
    SCOPED_TRACE(photo.name);
    const std::string name = photo.name;
    // The copy, and the photo left as it was.
    for (const std::string& file :
         {album.Path(name + ".JPEG"), album.Path(photo.input)}) {
      if (photo.sparse_size > 0) {
        EXPECT_TRUE(HeadThenZeros(file, photo.content, photo.sparse_size));
      } else {
        EXPECT_EQ(ReadTestFile(file), photo.content);
      }
    }
    const timespec copy_time = LastWrite(album.Path(name + ".JPEG"));
    EXPECT_EQ(copy_time.tv_sec, photo.seconds);
    EXPECT_EQ(copy_time.tv_nsec, photo.nanoseconds);
    struct stat st {};
    stat(album.Path(name + ".JPEG").c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, photo.mode);
    const std::string ansi_name = AnsiFromUtf8(name);
    EXPECT_EQ(ReadTestFile(album.Path(name + ".HTML")),
              ExpectedPage(ansi_name, ansi_name + ".JPEG", photo.width,
                           photo.height));
  }
  EXPECT_EQ(album.Names().size(), 1 + 3 * std::size(photos));
}

TEST(AlbumRunTest, RelativeArgumentNamesAFileInTheProgramFolder) {
  TestAlbum album;
  ScopedTempDir elsewhere;
  album.AddFile("a.jpg", SamplePhoto(), kJanuary2005);
  WriteTestFile(elsewhere.Path("a.jpg"), "not the photo");

  RunResult result = album.Run({"a.jpg"}, elsewhere.path());
  ASSERT_EQ(result.exit_status, 0) << result.standard_error;
  EXPECT_EQ(ReadTestFile(album.Path("2005年01月02日03時04分05秒01秒.JPEG")),
            SamplePhoto());
  EXPECT_FALSE(std::filesystem::exists(
      elsewhere.Path("2005年01月02日03時04分05秒01秒.JPEG")));
}

TEST(AlbumRunTest, AnInputThatIsItsOwnTargetStaysUnchanged) {
  TestAlbum album;
  const std::string copy_name = "2005年01月02日03時04分05秒01秒.JPEG";
  const std::string copy =
      album.AddFile(copy_name, SamplePhoto(), kJanuary2005, 5);
  chmod(copy.c_str(), 0444);

  for (int pass = 0; pass < 2; ++pass) {
    RunResult result = album.Run({copy_name, copy});
    ASSERT_EQ(result.exit_status, 0) << result.standard_error;
  }
  EXPECT_EQ(ReadTestFile(copy), SamplePhoto());
  EXPECT_EQ(LastWrite(copy).tv_nsec, 5);
}

// The user's date conventions decide the century of a two-digit year: the
// default short date "m/d/yy" moves 1960 to 2060, the Japanese "yyyy/MM/dd"
// keeps it, whether or not the Japanese locale is installed. The Korean
// designators, texts of code page 949, keep the afternoon. Under the
// Japanese settings every year from 1 to 9999 comes through; a photo of a
// later year stops the run and nothing is written for it. The albums are on
// tmpfs, which keeps such times; a row whose time the file system cannot
// keep is skipped.
TEST(AlbumRunTest, TheLastWriteTimeAndTheUsersDateSettingsShapeTheName) {
  struct {
    const char* lc_all;
    time_t seconds;
    long nanoseconds;
    const char* copy;  // Null for the date error.
  } const cases[] = {
      {"C.UTF-8", -310121633, 0, "2060年03月04日15時06分07秒03秒.JPEG"},
      {"ja_JP.UTF-8", -310121633, 0, "1960年03月04日15時06分07秒03秒.JPEG"},
      {"ko_KR.UTF-8", -310121633, 0, "1960年03月04日15時06分07秒03秒.JPEG"},
      {"ja_JP.UTF-8", -11676096000, 5, "1600年01月01日00時00分00秒01秒.JPEG"},
      {"ja_JP.UTF-8", 253402300799, 999'999'999,
       "9999年12月31日23時59分59秒12秒.JPEG"},
      {"ja_JP.UTF-8", 253402300800, 0, nullptr},
  };
  std::string not_kept;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.copy ? c.copy : "the date error");
    ScopedTempDir folder(AnyTimeFolderBase());
    TestAlbum album(folder.Path("album"));
    WriteTestFile(album.Path("photo.jpg"), SamplePhoto());
    if (!SetLastWriteTime(album.Path("photo.jpg"), c.seconds, c.nanoseconds)) {
      not_kept += " " + std::to_string(c.seconds);
      continue;
    }
    const std::vector<std::string> before = album.Names();
    RunResult result = album.Run({"photo.jpg"}, "", c.lc_all);
    if (c.copy == nullptr) {
      EXPECT_EQ(result.exit_status, 1);
      EXPECT_EQ(result.standard_error,
                "photopages: 日付に変換できない値が渡されました.\n");
      EXPECT_EQ(album.Names(), before);
      continue;
    }
    ASSERT_EQ(result.exit_status, 0) << result.standard_error;
    const timespec copy_time = LastWrite(album.Path(c.copy));
    EXPECT_EQ(copy_time.tv_sec, c.seconds);
    EXPECT_EQ(copy_time.tv_nsec, c.nanoseconds);
  }
  if (!not_kept.empty()) {
    GTEST_SKIP() << "The file system of " << AnyTimeFolderBase()
                 << " does not keep these last-write times (seconds since "
                    "1970), so their rows were skipped:"
                 << not_kept;
  }
}

TEST(AlbumRunTest, APhotoThatIsNotAJpegStopsTheRunAfterItsCopy) {
  TestAlbum album;
  const std::string png = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR";
  album.AddFile("a.jpg", SamplePhoto(), kJanuary2005);
  album.AddFile("b.JPEG", png, kNewYearsEve2005);
  album.AddFile("c.jpg", SamplePhoto(), kNewYearsEve2005 + 1);
  RunResult result = album.Run({"a.jpg", "b.JPEG", "c.jpg"});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.standard_error, "photopages: JPEG エラー #52.\n");
  EXPECT_EQ(ReadTestFile(album.Path("2005年12月31日23時59分59秒12秒.JPEG")),
            png);
  EXPECT_FALSE(std::filesystem::exists(
      album.Path("2006年01月01日00時00分00秒01秒.JPEG")));
}

// With no arguments the program takes its own folder, itself included: the
// photos that sort before it are done, then its own copy stops the run. An
// argument of only quotes, or an empty one, vanishes from the command line.
TEST(AlbumRunTest, WithoutArgumentsTheProgramFolderIsTheAlbum) {
  TestAlbum album;
  album.AddFile("Harbour.jpg", SamplePhoto(), kJanuary2005);
  album.AddFile(".hidden.jpg", SamplePhoto(), kJanuary2005 + 1);
  album.AddFile("zebra.jpg", SamplePhoto(), kJanuary2005 + 2);
  std::filesystem::create_directory(album.Path("sub.jpg"));
  TestAlbum::SetTime(album.program(), kNewYearsEve2005);
  const std::vector<std::string> names = album.Names();

  const std::vector<std::string> cases[] = {{}, {"\"\""}, {"\"\"", ""}};
  for (const auto& arguments : cases) {
    SCOPED_TRACE(arguments.size());
    RunResult result = album.Run(arguments);
    EXPECT_EQ(result.exit_status, 1);
    EXPECT_EQ(result.standard_error, "photopages: JPEG エラー #52.\n");
    for (const char* extension : {".JPEG", ".HTML"}) {
      EXPECT_TRUE(std::filesystem::exists(album.Path(
          std::string("2005年01月02日03時04分05秒01秒") + extension)));
      EXPECT_FALSE(std::filesystem::exists(album.Path(
          std::string("2005年01月02日03時04分06秒01秒") + extension)));
      EXPECT_FALSE(std::filesystem::exists(album.Path(
          std::string("2005年01月02日03時04分07秒01秒") + extension)));
    }
    EXPECT_TRUE(std::filesystem::exists(
        album.Path("2005年12月31日23時59分59秒12秒.JPEG")));
    for (const std::string& name : album.Names()) {
      if (std::find(names.begin(), names.end(), name) == names.end()) {
        std::filesystem::remove(album.Path(name));
      }
    }
  }
}

// The program folder is the folder of the path the program was started by,
// links left as they are: one program in "bin", linked into "album".
TEST(AlbumRunTest, TheProgramFolderIsWhereTheProgramWasStartedFrom) {
  ScopedTempDir root;
  const TestAlbum bin(root.Path("bin"));
  TestAlbum::SetTime(bin.program(), kNewYearsEve2005);
  const std::string album = root.Path("album");
  std::filesystem::create_directory(album);
  const std::string link = album + "/photopages";
  std::filesystem::create_symlink("../bin/photopages", link);
  for (const std::string& folder : {bin.path(), album}) {
    WriteTestFile(folder + "/a.jpg", SamplePhoto());
    TestAlbum::SetTime(folder + "/a.jpg", kJanuary2005);
  }
  // On PATH before the album: a folder and a file that cannot be run.
  std::filesystem::create_directories(root.Path("folder/photopages"));
  std::filesystem::create_directory(root.Path("text"));
  WriteTestFile(root.Path("text/photopages"), "");
  chmod(root.Path("text/photopages").c_str(), 0644);
  const std::string search_path = ":" + root.Path("folder") + ":" +
                                  root.Path("text") + ":" + album + ":" +
                                  bin.path();

  const struct {
    const char* how;
    std::string file;
    std::string argv0;
    std::string working_directory;
    const std::string& program_folder;
    const std::string& other_folder;
  } cases[] = {
      {"a link in the album", link, "./photopages", album, album, bin.path()},
      {"a relative path", bin.program(), "../bin/photopages", album, bin.path(),
       album},
      {"by name through PATH", link, "photopages", root.path(), album,
       bin.path()},
      {"a made-up argv[0]", link, "made-up", album, bin.path(), album},
  };
  const std::string name = "2005年01月02日03時04分05秒01秒";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    Launch launch{c.file, {c.argv0}, c.working_directory, search_path};
    // The folder's photo is done, then the program itself stops the run.
    RunResult result = RunProgram(launch);
    EXPECT_EQ(result.exit_status, 1);
    EXPECT_EQ(result.standard_error, "photopages: JPEG エラー #52.\n");
    for (const char* extension : {".JPEG", ".HTML"}) {
      EXPECT_TRUE(
          std::filesystem::exists(c.program_folder + "/" + name + extension));
      EXPECT_FALSE(
          std::filesystem::exists(c.other_folder + "/" + name + extension));
    }
    for (const std::string& folder : {bin.path(), album}) {
      for (const char* copy : {"2005年01月02日03時04分05秒01秒",
                               "2005年12月31日23時59分59秒12秒"}) {
        std::filesystem::remove(folder + "/" + copy + ".JPEG");
        std::filesystem::remove(folder + "/" + copy + ".HTML");
      }
    }
  }
}

}  // namespace
}  // namespace photopages
