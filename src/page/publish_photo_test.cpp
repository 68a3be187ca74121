#include "page/publish_photo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "common/errors.h"
#include "page/expected_page_for_test.h"
#include "picture/jpeg_samples_for_test.h"
#include "picture/picture_formats.h"
#include "picture/picture_view.h"
#include "platform/platform.h"
#include "platform/temp_dir_for_test.h"

namespace photopages {
namespace {

class PublishPhotoTest : public testing::Test {
 protected:
  // Puts a copy named `name` holding `bytes` into the album and publishes it.
  void Publish(const std::string& name, const std::string& bytes) {
    WriteTestFile(album_.Path(name + ".JPEG"), bytes);
    PublishPhoto(*platform_, *picture_view_, album_.Path(name + ".JPEG"));
  }

  // A fresh picture view, as at the start of a run.
  void NewRun() {
    picture_view_ = std::make_unique<PictureView>(*platform_, formats_);
  }

  ScopedTempDir album_;
  const char* argv_[1] = {"photopages"};
  std::unique_ptr<Platform> platform_ = NewSystemPlatform(1, argv_);
  PictureFormats formats_;
  std::unique_ptr<PictureView> picture_view_ =
      std::make_unique<PictureView>(*platform_, formats_);
};

std::string Photo(int width, int height, int orientation = 0) {
  test::SampleOptions options;
  options.width = width;
  options.height = height;
  if (orientation != 0) options.exif = test::ExifWithOrientation(orientation);
  return test::EncodeJpeg(options);
}

// Rows run in order through one picture view, as the photos of one run do,
// so that a row sees the size the view kept from the row before.
TEST_F(PublishPhotoTest, PageStatesTheDisplayedSizeOfEachPhoto) {
  const struct {
    const char* name;
    std::string bytes;
    const char *width, *height;
  } rows[] = {
      {"large", Photo(1600, 1200), "800", "600"},
      {"empty", "", "0", "0"},  // Not the 800 x 600 of the photo before.
      {"half", Photo(1088, 85), "800", "62"},
      {"tall", Photo(800, 5000), "800", "5000"},
      {"small", Photo(537, 1), "537", "1"},
      {"upside_down", Photo(1200, 900, 3), "800", "600"},
      {"mirrored", Photo(1200, 900, 2), "800", "600"},
      {"turned_5", Photo(1200, 900, 5), "800", "1067"},
      {"turned_6", Photo(1200, 900, 6), "800", "1067"},
      {"turned_7", Photo(1200, 900, 7), "800", "1067"},
      {"turned_8", Photo(1200, 900, 8), "800", "1067"},
      {"turned_small", Photo(500, 300, 6), "300", "500"},
      {"turned_wide", Photo(2000, 1000, 8), "800", "1600"},
      {"empty_again", "", "0", "0"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Publish(row.name, row.bytes);
    EXPECT_EQ(ReadTestFile(album_.Path(std::string(row.name) + ".HTML")),
              ExpectedPage(row.name, std::string(row.name) + ".JPEG", row.width,
                           row.height));
  }
}

TEST_F(PublishPhotoTest, EmptyFirstCopyStatesZeroNotTheViewsOwnSize) {
  Publish("empty", "");
  EXPECT_EQ(ReadTestFile(album_.Path("empty.HTML")),
            ExpectedPage("empty", "empty.JPEG", "0", "0"));
  NewRun();
  Publish("also_empty", "");
  EXPECT_EQ(ReadTestFile(album_.Path("also_empty.HTML")),
            ExpectedPage("also_empty", "also_empty.JPEG", "0", "0"));
}

TEST_F(PublishPhotoTest, TimestampNamedCopyGetsItsPageBesideIt) {
  WriteTestFile(album_.Path(kTimestampNameUtf8 + ".JPEG"), Photo(1600, 1200));
  PublishPhoto(*platform_, *picture_view_,
               album_.Path(kTimestampName + ".JPEG"));
  std::string page = ReadTestFile(album_.Path(kTimestampNameUtf8 + ".HTML"));
  EXPECT_EQ(page, ExpectedPage(kTimestampName, kTimestampName + ".JPEG", "800",
                               "600"));
  EXPECT_EQ(page.size(), 494u);
}

TEST_F(PublishPhotoTest, PictureThatCannotBeLoadedGetsNoPage) {
  WriteTestFile(album_.Path("N.HTML"), "earlier page");
  const struct {
    const char* what;
    std::string bytes;
  } rows[] = {
      {"not a JPEG", "GIF89a"},
      {"cut after the start of image", test::kSoi},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_THROW(Publish("N", row.bytes), JpegError);
    EXPECT_EQ(ReadTestFile(album_.Path("N.HTML")), "earlier page");
  }
  EXPECT_THROW(
      PublishPhoto(*platform_, *picture_view_, album_.Path("missing.JPEG")),
      FileOpenError);
  EXPECT_FALSE(
      std::filesystem::exists(PathFromUtf8(album_.Path("missing.HTML"))));
}

}  // namespace
}  // namespace photopages
