// Opens published pages in a real browser, headless Chromium, and checks what
// a reader would see: the photo found beside the page and decoded, the
// Japanese title, and the photo's box at the size the page states.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "page/expected_page_for_test.h"
#include "page/posix_headless_chromium_for_test.h"
#include "page/publish_photo.h"
#include "picture/jpeg_samples_for_test.h"
#include "picture/picture_formats.h"
#include "picture/picture_view.h"
#include "platform/posix_platform.h"
#include "platform/temp_dir_for_test.h"

namespace photopages {
namespace {

// `text` as JavaScript's encodeURIComponent gives it, for texts of letters,
// digits and non-ASCII characters.
std::string EncodeUriComponent(const std::string& text) {
  std::string encoded;
  for (unsigned char c : text) {
    char escaped[4];
    std::snprintf(escaped, sizeof escaped, "%%%02X", c);
    encoded += c < 0x80 ? std::string(1, static_cast<char>(c)) : escaped;
  }
  return encoded;
}

// What the browser shows: the title (encoded as above), whether the photo
// has loaded, its natural size (as turned by its orientation) and the size of
// its box on the page.
constexpr char kShown[] = R"((() => {
  const photo = document.images[0];
  const box = photo.getBoundingClientRect();
  return [encodeURIComponent(document.title), photo.complete,
          photo.naturalWidth, photo.naturalHeight,
          box.width, box.height].join(' ');
})())";

TEST(PhotoPageBrowserTest, ChromiumShowsThePhotoAtTheStatedSize) {
  if (!HeadlessChromium::Available()) {
    GTEST_SKIP() << HeadlessChromium::kExecutable
                 << " is missing (Debian package chromium): the pages are "
                    "not checked in a real browser";
  }
  ScopedTempDir album;
  const char* argv[] = {"photopages"};
  PosixPlatform platform(1, argv);
  PictureFormats formats;
  PictureView picture_view(platform, formats);

  // The second name is the first with 02 hundredths instead of 01.
  const std::string landscape = kTimestampName;
  const std::string portrait = kTimestampName.substr(0, 26) + "02\x95\x62";
  const std::string portrait_utf8 =
      kTimestampNameUtf8.substr(0, 32) + "02\xe7\xa7\x92";
  const struct {
    std::string name, name_utf8;
    int orientation;
    std::string shown;  // After the encoded title.
  } cases[] = {
      {landscape, kTimestampNameUtf8, 1, "true 1600 1200 800 600"},
      // Stored 1600 x 1200 and turned upright: 1200 x 1600, shown 800 wide.
      {portrait, portrait_utf8, 6, "true 1200 1600 800 1067"},
  };

  HeadlessChromium chromium(album.Path("profile"), album.Path("chromium.log"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.orientation);
    test::SampleOptions photo;
    photo.width = 1600;
    photo.height = 1200;
    if (c.orientation != 1)
      photo.exif = test::ExifWithOrientation(c.orientation);
    WriteTestFile(album.Path(c.name_utf8 + ".JPEG"), test::EncodeJpeg(photo));
    PublishPhoto(platform, picture_view, album.Path(c.name + ".JPEG"));
    EXPECT_EQ(chromium.EvaluateAfterLoad(
                  HeadlessChromium::FileUrl(album.Path(c.name_utf8 + ".HTML")),
                  kShown),
              EncodeUriComponent(c.name_utf8) + " " + c.shown);
  }
}

}  // namespace
}  // namespace photopages
