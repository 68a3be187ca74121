#include "picture/jpeg_marker_walk.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "picture/jpeg_samples_for_test.h"

namespace photopages {
namespace {

using test::Bytes;
using test::kSoi;
using test::Segment;

TEST(DecoderInputTest, EndOfImageRepeatsPastTheData) {
  DecoderInput input("ab");
  EXPECT_EQ(input.At(1), 'b');
  EXPECT_EQ(input.At(2), 0xFF);
  EXPECT_EQ(input.At(3), 0xD9);
  EXPECT_EQ(input.At(4), 0xFF);
  EXPECT_EQ(input.Word(1), 0x62FFu);
}

struct WalkCase {
  const char* name;
  std::string bytes;
  std::optional<size_t> first_scan;
  std::vector<size_t> lengthless_tables;
};

TEST(MarkerWalkTest, FindsTheFirstScanAsTheReaderDoes) {
  std::string app = Segment(0xE0, "JFIF");
  std::string scan = Bytes({0xFF, 0xDA});
  const WalkCase cases[] = {
      {"straight", kSoi + app + scan, 12, {}},
      {"fill bytes", kSoi + Bytes({0xFF, 0xFF}) + app + scan, 14, {}},
      {"garbage and stuffed FF 00",
       kSoi + app + Bytes({0x12, 0xFF, 0x00, 0x34}) + scan,
       16,
       {}},
      {"restart marker", kSoi + Bytes({0xFF, 0xD0}) + scan, 6, {}},
      {"application length 0", kSoi + Bytes({0xFF, 0xE1, 0, 0}) + scan, 8, {}},
      {"lengthless tables",
       kSoi + Bytes({0xFF, 0xC4, 0, 1, 0xFF, 0xDB, 0, 0}) + scan,
       12,
       {3, 7}},
      {"no start of image", app + scan, std::nullopt, {}},
      {"end of image first",
       kSoi + Bytes({0xFF, 0xD9}) + scan,
       std::nullopt,
       {}},
      {"unknown marker", kSoi + Bytes({0xFF, 0x02}) + scan, std::nullopt, {}},
      {"segment past the data",
       kSoi + Bytes({0xFF, 0xE0, 0x10, 0}) + scan,
       std::nullopt,
       {}},
      {"Huffman bytes left over",
       kSoi + Segment(0xC4, std::string(18, '\0')) + Bytes({0xFF, 0xC4, 0, 0}) +
           scan,
       std::nullopt,
       {}},
      {"quantisation table read on past the segment",
       kSoi + Segment(0xDB, std::string(64, '\0')) + scan + scan,
       2 + 68 + 4,
       {}},
      {"whole tables",
       kSoi + Segment(0xDB, std::string(65, '\0')) +
           Segment(0xC4, std::string(17, '\0')) +
           Segment(0xCC, Bytes({0, 0x11})) + scan,
       2 + 69 + 21 + 6 + 2,
       {}},
  };
  for (const WalkCase& c : cases) {
    SCOPED_TRACE(c.name);
    MarkerWalk walk = WalkMarkers(DecoderInput(c.bytes));
    EXPECT_EQ(walk.first_scan, c.first_scan);
    EXPECT_EQ(walk.lengthless_tables, c.lengthless_tables);
  }
}

}  // namespace
}  // namespace photopages
