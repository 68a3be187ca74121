#include "picture/picture_view.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "common/codepage.h"
#include "common/errors.h"
#include "picture/jpeg_samples_for_test.h"

namespace photopages {
namespace {

// An ordinary file on the real disk, read through stdio.
class DiskInput : public InputFile {
 public:
  DiskInput(std::FILE* file, uint64_t size) : file_(file), size_(size) {}
  ~DiskInput() override { std::fclose(file_); }
  uint64_t Size() const override { return size_; }
  FileIdentity Identity() const override { return {}; }
  unsigned Permissions() const override { return 0644; }
  int64_t LastWriteNanoseconds() const override { return 0; }
  size_t Read(char* buffer, size_t size) override {
    return std::fread(buffer, 1, size, file_);
  }

 private:
  std::FILE* file_;
  uint64_t size_;
};

// Only opening files for reading is real; the view needs nothing else.
class DiskReadingPlatform : public Platform {
 public:
  std::unique_ptr<InputFile> OpenInput(const AnsiString& path) override {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
      throw EFOpenError(path);
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) throw EFOpenError(path);
    return std::make_unique<DiskInput>(file, info.st_size);
  }
  AnsiString ExecutablePath() override { throw std::logic_error("unused"); }
  AnsiString RawCommandLine() override { throw std::logic_error("unused"); }
  AnsiString CurrentDirectory() override { throw std::logic_error("unused"); }
  void SetCurrentDirectory(const AnsiString&) override {
    throw std::logic_error("unused");
  }
  std::vector<AnsiString> ListOrdinaryFiles(const AnsiString&) override {
    throw std::logic_error("unused");
  }
  std::unique_ptr<OutputFile> CreateOutput(const AnsiString&) override {
    throw std::logic_error("unused");
  }
  PathInfo Inspect(const AnsiString&) override {
    throw std::logic_error("unused");
  }
  LocalDateTime ToLocalTime(int64_t) override {
    throw std::logic_error("unused");
  }
  LocalDateTime Now() override { throw std::logic_error("unused"); }
};

class PictureViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "picture_view_XXXXXX")
            .string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  // Writes `content` to `name` in the test's folder and returns its path.
  AnsiString Put(const std::string& name, const std::string& content) {
    std::string path = (folder_ / name).string();
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  std::filesystem::path folder_;
  DiskReadingPlatform platform_;
  PictureFormats formats_;
  PictureView view_{platform_, formats_};
};

TEST_F(PictureViewTest, TakesThePictureSizeAnyExtensionCase) {
  EXPECT_EQ(view_.Width(), 537);
  EXPECT_EQ(view_.Height(), 489);
  EXPECT_EQ(view_.Picture(), nullptr);
  struct {
    const char* name;
    int width;
    int height;
  } cases[] = {{"a.JPEG", 40, 20},
               {"b.jpg", 3, 900},
               {"c.JpG", 7, 5},
               {"d.jpeg", 1000, 1},
               {"dots.in.name.Jpeg", 2, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string jpeg = test::EncodeJpeg({.width = c.width, .height = c.height});
    view_.LoadPicture(Put(c.name, jpeg));
    ASSERT_NE(view_.Picture(), nullptr);
    EXPECT_EQ(view_.Picture()->Bytes(), jpeg);
    EXPECT_EQ(view_.Width(), c.width);
    EXPECT_EQ(view_.Height(), c.height);
  }
}

TEST_F(PictureViewTest, FailedLoadKeepsPictureAndSize) {
  view_.LoadPicture(
      Put("good.JPEG", test::EncodeJpeg({.width = 40, .height = 20})));
  const TJPEGImage* before = view_.Picture();
  struct {
    const char* name;
    std::string content;
    const char* message;
  } cases[] = {
      {"png.JPEG", "\x89PNG\r\n\x1a\n0000", "JPEG エラー #52"},
      {"cut.JPEG",
       test::kSoi + test::FrameHeader(8, 8, test::ColourComponents()),
       "JPEG エラー #58"},
      {"photo.png", test::EncodeJpeg({}),
       "拡張子 .png の画像形式は処理できません"},
      {"photo", test::EncodeJpeg({}), "拡張子 . の画像形式は処理できません"},
      {"photo.BMP", "BM", "拡張子 .BMP の画像形式は処理できません"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      view_.LoadPicture(Put(c.name, c.content));
      ADD_FAILURE();
    } catch (const Exception& e) {
      EXPECT_EQ(Utf8FromAnsi(e.Message()), c.message);
    }
    EXPECT_EQ(view_.Picture(), before);
    EXPECT_EQ(view_.Width(), 40);
    EXPECT_EQ(view_.Height(), 20);
  }
  AnsiString missing = (folder_ / "missing.JPEG").string();
  EXPECT_THROW(view_.LoadPicture(missing), EFOpenError);
  EXPECT_THROW(view_.LoadPicture(folder_.string() + "/.JPEG"), EFOpenError);
  EXPECT_EQ(view_.Picture(), before);
}

TEST_F(PictureViewTest, EmptyFileLoadsAsZeroByZeroAndKeepsTheSize) {
  view_.LoadPicture(Put("empty.JPEG", ""));
  ASSERT_NE(view_.Picture(), nullptr);
  EXPECT_EQ(view_.Picture()->Width(), 0);
  EXPECT_EQ(view_.Width(), 537);
  EXPECT_EQ(view_.Height(), 489);
  view_.LoadPicture(
      Put("good.JPEG", test::EncodeJpeg({.width = 40, .height = 20})));
  view_.LoadPicture(Put("empty.JPEG", ""));
  EXPECT_EQ(view_.Picture()->Height(), 0);
  EXPECT_EQ(view_.Width(), 40);
  EXPECT_EQ(view_.Height(), 20);
}

TEST_F(PictureViewTest, AutoSizeOffKeepsTheViewSize) {
  view_.SetAutoSize(false);
  view_.LoadPicture(
      Put("good.JPEG", test::EncodeJpeg({.width = 40, .height = 20})));
  EXPECT_EQ(view_.Width(), 537);
  EXPECT_EQ(view_.Picture()->Width(), 40);
  view_.SetAutoSize(true);
  EXPECT_EQ(view_.Width(), 40);
  EXPECT_EQ(view_.Height(), 20);
}

TEST_F(PictureViewTest, OrientedPhotoKeepsItsStoredSize) {
  std::string jpeg = test::EncodeJpeg(
      {.width = 40, .height = 20, .exif = test::ExifWithOrientation(6)});
  view_.LoadPicture(Put("turned.JPEG", jpeg));
  EXPECT_EQ(view_.Picture()->ExifOrientation(), 6);
  EXPECT_EQ(view_.Width(), 40);
  EXPECT_EQ(view_.Height(), 20);
}

}  // namespace
}  // namespace photopages
