#include "picture/exif_orientation.h"

#include <gtest/gtest.h>

#include <string>

#include "picture/jpeg_samples_for_test.h"

namespace photopages {
namespace {

using test::Bytes;
using test::ExifWithOrientation;

// Little-endian Exif data whose first directory holds one orientation entry
// of `type` with `count` values, the first being `value`.
std::string ExifEntry(int type, int count, int value) {
  return std::string("Exif\0\0", 6) + "II" + Bytes({42, 0, 8, 0, 0, 0}) +
         Bytes({1, 0, 0x12, 0x01, type, 0, count, 0, 0, 0, value, 0, 0, 0}) +
         Bytes({0, 0, 0, 0});
}

TEST(ExifOrientationTest, ReadsOneShortFromTheFirstDirectory) {
  struct {
    const char* name;
    std::string app1;
    int orientation;
  } cases[] = {
      {"little-endian 6", ExifWithOrientation(6), 6},
      {"big-endian 8", ExifWithOrientation(8, true), 8},
      {"little-endian 1", ExifWithOrientation(1), 1},
      {"big-endian 3", ExifWithOrientation(3, true), 3},
      {"0", ExifWithOrientation(0), 1},
      {"9", ExifWithOrientation(9), 1},
      {"stored as a long", ExifEntry(4, 1, 6), 1},
      {"two shorts", ExifEntry(3, 2, 6), 1},
      {"one short by hand", ExifEntry(3, 1, 5), 5},
      {"cut inside the entry", ExifWithOrientation(6).substr(0, 20), 1},
      {"header only", std::string("Exif\0\0", 6), 1},
      {"not TIFF", std::string("Exif\0\0", 6) + "XX" + std::string(30, '\x06'),
       1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExifOrientation(c.app1), c.orientation) << c.name;
  }
}

TEST(ExifOrientationTest, RecognisesExifSegments) {
  EXPECT_TRUE(IsExifSegment(ExifWithOrientation(6)));
  EXPECT_TRUE(IsExifSegment(std::string("Exif\0\0", 6)));
  EXPECT_FALSE(IsExifSegment("Exif"));
  EXPECT_FALSE(IsExifSegment(std::string("Exif\0x", 6)));
  EXPECT_FALSE(IsExifSegment("http://ns.adobe.com/xap/1.0/"));
}

}  // namespace
}  // namespace photopages
