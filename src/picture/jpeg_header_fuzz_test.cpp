// Many damaged headers, made by mutating good ones with a fixed seed: the
// reader must never crash or leak (run it under the sanitizer build too), and
// every failure must be an JpegError.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "common/errors.h"
#include "picture/jpeg_header.h"
#include "picture/jpeg_samples_for_test.h"

namespace photopages {
namespace {

using test::Bytes;
using test::kSoi;
using test::Segment;

// Good headers, each cut a little after its first scan header so that the
// mutations land where the reader looks.
std::vector<std::string> Seeds() {
  test::SampleOptions exif;
  exif.exif = test::ExifWithOrientation(6);
  exif.comment = "seed";
  std::vector<std::string> encoded = {
      test::EncodeJpeg(exif),
      test::EncodeJpeg({.progressive = true}),
      test::EncodeJpeg({.arithmetic = true}),
      test::EncodeJpeg({.colour = test::SampleColour::kGrayscale}),
      test::EncodeJpeg({.colour = test::SampleColour::kCmyk}),
  };
  std::vector<std::string> seeds;
  for (const std::string& jpeg : encoded) {
    seeds.push_back(jpeg.substr(0, test::FindMarker(jpeg, 0xDA) + 24));
  }
  seeds.push_back(kSoi + Segment(0xDD, Bytes({0, 4})) +
                  Segment(0xCC, Bytes({0, 0x10, 0x11, 5})) +
                  Segment(0xDB, std::string(65, '\x01')) +
                  test::FrameHeader(30, 20, test::ColourComponents(), 0xC9) +
                  test::ScanHeader({2, 1}));
  return seeds;
}

std::string Mutate(std::string bytes, std::mt19937& random) {
  auto pick = [&random](size_t bound) {
    return std::uniform_int_distribution<size_t>(0, bound - 1)(random);
  };
  static const int kInteresting[] = {0x00, 0x01, 0x02, 0x04, 0x10, 0x11,
                                     0x7F, 0x80, 0xC0, 0xC4, 0xCC, 0xD8,
                                     0xD9, 0xDA, 0xDB, 0xE1, 0xFE, 0xFF};
  int edits = 1 + static_cast<int>(pick(4));
  for (int i = 0; i < edits && !bytes.empty(); ++i) {
    size_t at = pick(bytes.size());
    switch (pick(6)) {
      case 0:
        bytes[at] = static_cast<char>(pick(256));
        break;
      case 1:
        bytes[at] =
            static_cast<char>(kInteresting[pick(std::size(kInteresting))]);
        break;
      case 2:
        bytes[at] ^= static_cast<char>(1 << pick(8));
        break;
      case 3:
        bytes.resize(at);
        break;
      case 4:
        bytes.erase(at, 1 + pick(8));
        break;
      default:
        bytes.insert(at, bytes.substr(pick(bytes.size()), 1 + pick(16)));
        break;
    }
  }
  return bytes;
}

TEST(JpegHeaderFuzzTest, DamagedHeadersFailOnlyAsJpegErrors) {
  std::vector<std::string> seeds = Seeds();
  std::mt19937 random(20240601);
  std::set<int> numbers;
  int loaded = 0;
  for (int i = 0; i < 30000; ++i) {
    std::string bytes = Mutate(seeds[i % seeds.size()], random);
    if (bytes.empty()) continue;
    try {
      JpegHeader header = ReadJpegHeader(bytes);
      ++loaded;
      EXPECT_GE(header.width, 1);
      EXPECT_LE(header.width, 65500);
      EXPECT_GE(header.height, 1);
      EXPECT_LE(header.height, 65500);
      EXPECT_GE(header.exif_orientation, 1);
      EXPECT_LE(header.exif_orientation, 8);
    } catch (const JpegError& e) {
      numbers.insert(e.MessageNumber());
    } catch (const std::exception& e) {
      ADD_FAILURE() << "not a JPEG error: " << e.what();
    }
  }
  // The mutations reach past the first checks and leave some headers whole.
  EXPECT_GT(loaded, 1000);
  EXPECT_GE(numbers.size(), 12u);
}

}  // namespace
}  // namespace photopages
