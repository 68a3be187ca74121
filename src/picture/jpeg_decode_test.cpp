#include "picture/jpeg_decode.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "picture/coloured_jpeg_for_test.h"
#include "picture/jpeg_header.h"

namespace photopages {
namespace {

constexpr TestColour kRed{220, 20, 30};
constexpr TestColour kBlue{20, 40, 210};
constexpr TestColour kGrey{128, 128, 128};

// `jpeg` decoded as it is, with no steering.
std::optional<DisplayPicture> Decode(std::string_view jpeg,
                                     int palette_colours) {
  return DecodeJpegForDisplay(DecoderInput(jpeg), {}, palette_colours);
}

// True when the pixel at `x`, `y` is within a small distance of `colour`.
bool Near(const DisplayPicture& picture, int x, int y, TestColour colour) {
  const unsigned char* p =
      picture.rgb.data() + (static_cast<size_t>(y) * picture.width + x) * 3;
  return std::abs(p[0] - colour.red) < 12 &&
         std::abs(p[1] - colour.green) < 12 &&
         std::abs(p[2] - colour.blue) < 12;
}

TEST(JpegDecodeTest, DecodesAtFullSizeInColourOrPalette) {
  struct {
    int width, height, components, palette;
    TestColour left, right;
  } const cases[] = {
      {64, 48, 3, 0, kRed, kBlue},
      {33, 17, 3, 0, kRed, kBlue},  // Sizes that are no multiple of a block.
      {64, 48, 3, kPaletteColours, kRed, kBlue},
      {40, 24, 1, 0, kGrey, TestColour{230, 230, 230}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.width << "x" << c.height << " palette " << c.palette);
    const std::optional<DisplayPicture> picture = Decode(
        MakeTestJpeg(
            c.width, c.height, c.components,
            [&](int x, int) { return x < c.width / 2 ? c.left : c.right; }),
        c.palette);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, c.width);
    EXPECT_EQ(picture->height, c.height);
    ASSERT_EQ(picture->rgb.size(), size_t(c.width) * c.height * 3);
    EXPECT_TRUE(Near(*picture, 2, 2, c.left));
    EXPECT_TRUE(Near(*picture, c.width - 3, c.height - 3, c.right));
  }
}

TEST(JpegDecodeTest, PaletteHoldsAtMost236Colours) {
  // A gradient has far more colours than the palette can hold.
  const std::string gradient = MakeTestJpeg(256, 64, 3, [](int x, int y) {
    return TestColour{static_cast<unsigned char>(x),
                      static_cast<unsigned char>(y * 4),
                      static_cast<unsigned char>(255 - x)};
  });
  auto colours = [](const DisplayPicture& picture) {
    std::set<int> distinct;
    for (size_t i = 0; i < picture.rgb.size(); i += 3) {
      distinct.insert(picture.rgb[i] << 16 | picture.rgb[i + 1] << 8 |
                      picture.rgb[i + 2]);
    }
    return distinct.size();
  };
  const auto full = Decode(gradient, 0);
  const auto reduced = Decode(gradient, kPaletteColours);
  ASSERT_TRUE(full && reduced);
  EXPECT_GT(colours(*full), 236u);
  EXPECT_LE(colours(*reduced), 236u);
}

TEST(JpegDecodeTest, CutShortDecodesWhileBrokenOrEmptyDoesNot) {
  const std::string photo = MakeTestJpeg(64, 64, kRed, kBlue);
  const size_t scan = photo.find("\xFF\xDA");
  ASSERT_NE(scan, std::string::npos);
  const std::optional<DisplayPicture> cut =
      Decode(photo.substr(0, scan + (photo.size() - scan) / 2), 0);
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->width, 64);
  EXPECT_TRUE(Near(*cut, 2, 2, kRed));

  const char* const broken[] = {"", "not a photo at all",
                                "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"};
  for (const char* bytes : broken) {
    EXPECT_FALSE(Decode(bytes, 0)) << bytes;
  }
  // A header whose frame is damaged: the decoder's fatal error is caught.
  std::string damaged = photo;
  const size_t frame = damaged.find("\xFF\xC0");
  ASSERT_NE(frame, std::string::npos);
  damaged[frame + 5] = 0;  // Height high byte
  damaged[frame + 6] = 0;  // and low byte: a frame of height 0.
  EXPECT_FALSE(Decode(damaged, 0));
}

// Table segments that release 6a reads and the installed library alone
// refuses: the display decode makes the same changes that steered the
// header's reading through them.
TEST(JpegDecodeTest, DecodesThroughTheHeadersSteering) {
  const std::string photo = MakeTestJpeg(64, 64, kRed, kBlue);
  std::string damaged = photo;
  const size_t dqt = damaged.find("\xFF\xDB");
  ASSERT_NE(dqt, std::string::npos);
  damaged[dqt + 3] = static_cast<char>(damaged[dqt + 3] - 1);  // A byte short.
  damaged.insert(2, "\xFF\xC4\x00\x00", 4);  // A lengthless Huffman segment.
  ASSERT_FALSE(Decode(damaged, 0));

  std::vector<ByteEdit> steering;
  ReadJpegHeader(DecoderInput(damaged), &steering);
  const std::optional<DisplayPicture> steered =
      DecodeJpegForDisplay(DecoderInput(damaged), steering, 0);
  const std::optional<DisplayPicture> intact = Decode(photo, 0);
  ASSERT_TRUE(steered && intact);
  EXPECT_EQ(steered->rgb, intact->rgb);
}

}  // namespace
}  // namespace photopages
