#include "picture/picture_view.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "common/codepage.h"
#include "common/errors.h"
#include "picture/jpeg_decode.h"
#include "picture/jpeg_samples_for_test.h"
#include "platform/platform.h"
#include "platform/temp_dir_for_test.h"

namespace photopages {
namespace {

const char* const kArgv[] = {"photopages"};

// On the system's own platform and a real folder.
class PictureViewTest : public ::testing::Test {
 protected:
  // Writes `content` to `name` in the test's folder and returns its path.
  AnsiString Put(const std::string& name, const std::string& content) {
    const std::string path = folder_.Path(name);
    WriteTestFile(path, content);
    return path;
  }

  ScopedTempDir folder_;
  std::unique_ptr<Platform> platform_ = NewSystemPlatform(1, kArgv);
  PictureFormats formats_;
  PictureView view_{*platform_, formats_};
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
    const std::optional<DisplayPicture> shown =
        view_.Picture()->DecodeForDisplay(0);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->width, c.width);
    EXPECT_EQ(view_.Width(), c.width);
    EXPECT_EQ(view_.Height(), c.height);
  }
}

// A header that reaches past the pieces in which the file is read (large
// application segments before the frame) is read across them, and the
// display decode reads the whole file through them.
TEST_F(PictureViewTest, ReadsAHeaderAcrossThePiecesOfTheFile) {
  const std::string jpeg = test::EncodeJpeg({.width = 40, .height = 20});
  std::string padded = test::kSoi;
  for (char fill : {'a', 'b', 'c'}) {
    padded += test::Segment(0xE2, std::string(65000, fill));
  }
  padded += jpeg.substr(2);
  view_.LoadPicture(Put("padded.JPEG", padded));
  EXPECT_EQ(view_.Width(), 40);
  EXPECT_EQ(view_.Height(), 20);
  const std::optional<DisplayPicture> shown =
      view_.Picture()->DecodeForDisplay(0);
  const std::optional<DisplayPicture> direct =
      DecodeJpegForDisplay(DecoderInput(jpeg), {}, 0);
  ASSERT_TRUE(shown && direct);
  EXPECT_EQ(shown->rgb, direct->rgb);
}

TEST_F(PictureViewTest, FailedLoadKeepsPictureAndSize) {
  view_.LoadPicture(
      Put("good.JPEG", test::EncodeJpeg({.width = 40, .height = 20})));
  const Graphic* before = view_.Picture();
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
  EXPECT_THROW(view_.LoadPicture(folder_.Path("missing.JPEG")), FileOpenError);
  EXPECT_THROW(view_.LoadPicture(folder_.Path(".JPEG")), FileOpenError);
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
