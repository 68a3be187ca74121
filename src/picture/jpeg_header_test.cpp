#include "picture/jpeg_header.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/codepage.h"
#include "common/errors.h"
#include "picture/jpeg_samples_for_test.h"

namespace photopages {
namespace {

using test::Bytes;
using test::ColourComponents;
using test::EncodeJpeg;
using test::ExifWithOrientation;
using test::FindMarker;
using test::FrameComponent;
using test::FrameHeader;
using test::kEoi;
using test::kSoi;
using test::MinimalHeader;
using test::SampleColour;
using test::SampleOptions;
using test::ScanHeader;
using test::Segment;
using test::SegmentEnd;

struct ErrorCase {
  std::string name;
  std::string bytes;
  int number;
};

struct HeaderCase {
  std::string name;
  std::string bytes;
  int width;
  int height;
  bool grayscale;
  bool multiple_scans;
  int orientation;
};

int NumberOf(const std::string& bytes) {
  try {
    ReadJpegHeader(bytes);
  } catch (const JpegError& e) {
    return e.MessageNumber();
  }
  return -1;
}

void ExpectHeaders(const std::vector<HeaderCase>& cases) {
  for (const HeaderCase& c : cases) {
    SCOPED_TRACE(c.name);
    JpegHeader header;
    try {
      header = ReadJpegHeader(c.bytes);
    } catch (const JpegError& e) {
      ADD_FAILURE() << "JPEG error " << e.MessageNumber();
      continue;
    }
    EXPECT_EQ(header.width, c.width);
    EXPECT_EQ(header.height, c.height);
    EXPECT_EQ(header.grayscale, c.grayscale);
    EXPECT_EQ(header.multiple_scans, c.multiple_scans);
    EXPECT_EQ(header.exif_orientation, c.orientation);
  }
}

void ExpectNumbers(const std::vector<ErrorCase>& cases) {
  for (const ErrorCase& c : cases) {
    EXPECT_EQ(NumberOf(c.bytes), c.number) << c.name;
  }
}

// A Huffman table segment payload: class and index 0, then `counts` (16
// bytes) and `values`.
std::string HuffmanTable(std::vector<int> counts, std::string values) {
  std::string payload = Bytes({0x00});
  for (int count : counts) payload.push_back(static_cast<char>(count));
  return payload + values;
}

const std::string kFrame = FrameHeader(16, 8, ColourComponents());
const std::string kScan = ScanHeader({1, 2, 3});
const std::vector<int> kTwoCodes = {0, 2, 0, 0, 0, 0, 0, 0,
                                    0, 0, 0, 0, 0, 0, 0, 0};

TEST(JpegHeaderTest, ReportsReleaseSixANumbers) {
  std::string encoded = EncodeJpeg({});
  size_t frame_at = FindMarker(encoded, 0xC0);
  std::vector<ErrorCase> cases = {
      {"PNG", "\x89PNG\r\n\x1a\n" + std::string(40, '\0'), 52},
      {"BMP", "BM" + std::string(60, '\x01'), 52},
      {"executable",
       "\x7f"
       "ELF\x02\x01\x01",
       52},
      {"lone FF", Bytes({0xFF}), 52},
      {"SOI only", kSoi, 50},
      {"SOI then EOI", kSoi + kEoi, 50},
      {"comment then EOI", kSoi + Segment(0xFE, "note") + kEoi, 50},
      {"cut before frame", encoded.substr(0, frame_at), 50},
      {"ends after frame", kSoi + kFrame, 58},
      {"cut after frame", encoded.substr(0, SegmentEnd(encoded, frame_at)), 58},
      {"EOI after frame", kSoi + kFrame + kEoi, 58},
      {"scan before frame", kSoi + kScan + kFrame, 61},
      {"second frame", kSoi + kFrame + kFrame + kScan, 57},
      {"SOI twice", kSoi + kSoi + kFrame + kScan, 60},
      {"reserved marker", kSoi + Bytes({0xFF, 0x02}) + kFrame + kScan, 67},
      {"JPG0 marker", kSoi + Segment(0xF0, "") + kFrame + kScan, 67},
      {"width 0", kSoi + FrameHeader(0, 8, ColourComponents()) + kScan, 31},
      {"height 0", kSoi + FrameHeader(16, 0, ColourComponents()) + kScan, 31},
      {"no components", kSoi + FrameHeader(16, 8, {}) + kScan, 31},
      {"frame length", kSoi + Segment(0xC0, kFrame.substr(4) + "x") + kScan, 9},
      {"scan length", kSoi + kFrame + Segment(0xDA, Bytes({1, 1, 0, 0})), 9},
      {"five in a scan", kSoi + kFrame + ScanHeader({1, 2, 3, 1, 2}), 9},
      {"restart length", kSoi + Segment(0xDD, Bytes({0})) + kFrame + kScan, 9},
      {"width 65501", MinimalHeader(65501, 8), 40},
      {"height 65501", MinimalHeader(16, 65501), 40},
      {"precision 12",
       kSoi + FrameHeader(16, 8, ColourComponents(), 0xC0, 12) + kScan, 13},
      {"11 components",
       kSoi + FrameHeader(16, 8, std::vector<FrameComponent>(11, {1, 0x11})) +
           ScanHeader({1}),
       24},
      {"horizontal 5", kSoi + FrameHeader(16, 8, {{1, 0x51}}) + ScanHeader({1}),
       16},
      {"vertical 0", kSoi + FrameHeader(16, 8, {{1, 0x10}}) + ScanHeader({1}),
       16},
      {"unknown selector", kSoi + kFrame + ScanHeader({1, 2, 9}), 5},
      {"scan cut short", kSoi + kFrame + Bytes({0xFF, 0xDA, 0, 12, 3}), 5},
      {"table index",
       kSoi + Segment(0xDB, Bytes({0x04}) + std::string(64, 1)) + kFrame +
           kScan,
       30},
  };
  for (int marker : {0xC3, 0xC5, 0xC6, 0xC7, 0xC8, 0xCB, 0xCD, 0xCE, 0xCF}) {
    cases.push_back(
        {"frame marker " + std::to_string(marker),
         kSoi + FrameHeader(16, 8, ColourComponents(), marker) + kScan, 59});
  }
  ExpectNumbers(cases);
}

TEST(JpegHeaderTest, MessageCarriesTheNumber) {
  try {
    ReadJpegHeader("GIF89a");
    FAIL();
  } catch (const JpegError& e) {
    EXPECT_EQ(Utf8FromAnsi(e.Message()), "JPEG エラー #52");
  }
}

// Where the installed library and release 6a judge a header differently.
TEST(JpegHeaderTest, HuffmanTablesFailAsSixADoes) {
  std::vector<int> overfull(16, 17);
  std::vector<ErrorCase> cases = {
      {"count above 256",
       Segment(0xC4, HuffmanTable(overfull, std::string(300, '\0'))), 28},
      {"count beyond segment", Segment(0xC4, HuffmanTable(kTwoCodes, "\x01")),
       28},
      {"1 byte left over",
       Segment(0xC4, HuffmanTable(kTwoCodes, "\x01\x02\x03")), 28},
      {"16 bytes left over",
       Segment(0xC4, HuffmanTable(kTwoCodes, "\x01\x02" + std::string(16, 0))),
       28},
  };
  for (ErrorCase& c : cases) c.bytes = kSoi + c.bytes + kFrame + kScan;
  ExpectNumbers(cases);
}

// Release 6a reads quantisation tables and arithmetic pairs while any of the
// declared length is left, the last one perhaps past the segment's end, and
// goes on after it; the installed library alone would stop with a bad length.
TEST(JpegHeaderTest, TablesRunningPastTheirSegmentAreReadOn) {
  auto table_segment = [](int marker, int length, const std::string& payload) {
    return Bytes({0xFF, marker}) + test::BigEndian16(length) + payload;
  };
  auto repeated = [](const std::string& bytes, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) all += bytes;
    return all;
  };
  const std::string table = Bytes({0x00}) + std::string(64, 1);
  const std::string table_less_one = table.substr(0, 64);
  const std::string dac_pair = Bytes({0, 0x10});
  const std::string dac_odd = table_segment(0xCC, 3, Bytes({0}));
  auto photo = [](const std::string& tables) {
    return kSoi + tables + kFrame + kScan;
  };
  ExpectHeaders({
      {"DQT one byte long",
       photo(table_segment(0xDB, 2 + 66, table + Bytes({1})) +
             std::string(64, 1)),
       16, 8, false, false, 1},
      {"second table past the segment",
       photo(table_segment(0xDB, 2 + 65 + 10, table + table.substr(0, 10)) +
             std::string(55, 1)),
       16, 8, false, false, 1},
      {"16-bit table",
       photo(table_segment(0xDB, 2 + 65, Bytes({0x10}) + table) +
             std::string(64, 1)),
       16, 8, false, false, 1},
      {"DQT read on to 65587 bytes",
       photo(table_segment(0xDB, 0xFFFF,
                           repeated(table, 1008) + table.substr(0, 13)) +
             std::string(52, 1)),
       16, 8, false, false, 1},
      {"DAC odd",
       photo(table_segment(0xCC, 5, dac_pair + Bytes({1})) + Bytes({0x11})), 16,
       8, false, false, 1},
      {"DAC read on to 65536 bytes",
       photo(
           table_segment(0xCC, 0xFFFF, repeated(dac_pair, 32766) + Bytes({1})) +
           Bytes({0x11})),
       16, 8, false, false, 1},
  });
  ExpectNumbers({
      {"DQT one byte short, reading the frame's FF",
       photo(table_segment(0xDB, 2 + 64, table_less_one)), 61},
      {"DQT 64 bytes long, reading the frame's FF",
       photo(table_segment(0xDB, 2 + 65 + 64, table + table_less_one)), 61},
      {"table 4 reached through the read-on",
       photo(table_segment(0xDB, 2 + 64, table_less_one) +
             Segment(0xFE, Segment(0xDB, Bytes({4}) + std::string(64, 1)))),
       30},
      {"read on off the end",
       kSoi + table_segment(0xDB, 2 + 10, table.substr(0, 10)), 50},
      {"read on off the end after the frame",
       kSoi + kFrame + table_segment(0xDB, 2 + 10, table.substr(0, 10)), 58},
      {"DAC odd at the end of the header", kSoi + kFrame + dac_odd + kScan, 58},
      {"DAC odd before the frame", photo(dac_odd), 61},
  });
}

TEST(JpegHeaderTest, ScanSelectorsAsSixAReadsThem) {
  std::string exif = Segment(0xE1, ExifWithOrientation(6));
  std::vector<FrameComponent> five = {
      {1, 0x11}, {2, 0x11}, {3, 0x11}, {4, 0x11}, {5, 0x11}};
  ExpectHeaders({
      {"out of order", kSoi + kFrame + ScanHeader({2, 1, 3}), 16, 8, false,
       false, 1},
      {"repeated", kSoi + kFrame + ScanHeader({1, 1, 1}), 16, 8, false, false,
       1},
      {"fewer, out of order", kSoi + kFrame + ScanHeader({3, 1}), 16, 8, false,
       true, 1},
      {"beyond the first four",
       kSoi + FrameHeader(9, 7, five) + ScanHeader({5}), 9, 7, false, true, 1},
      {"more than the frame has",
       kSoi + FrameHeader(9, 7, {{1, 0x11}}) + ScanHeader({1, 1}), 9, 7, true,
       false, 1},
      {"progressive frame",
       kSoi + FrameHeader(16, 8, ColourComponents(), 0xC2) +
           ScanHeader({3, 2, 1}),
       16, 8, false, true, 1},
      {"with Exif", kSoi + exif + kFrame + ScanHeader({3, 2, 1}), 16, 8, false,
       false, 6},
  });
  // After the selectors, release 6a's checks before the first scan, in order.
  ExpectNumbers({
      {"width 65501",
       kSoi + FrameHeader(65501, 8, ColourComponents()) + ScanHeader({2, 1, 3}),
       40},
      {"width before precision",
       kSoi + FrameHeader(16, 65501, ColourComponents(), 0xC0, 12) +
           ScanHeader({1, 1}),
       40},
      {"precision 12",
       kSoi + FrameHeader(16, 8, ColourComponents(), 0xC0, 12) +
           ScanHeader({1, 1}),
       13},
      {"11 components",
       kSoi + FrameHeader(16, 8, std::vector<FrameComponent>(11, {1, 0x11})) +
           ScanHeader({1, 1}),
       24},
      {"sampling 5",
       kSoi + FrameHeader(16, 8, {{1, 0x15}, {2, 0x11}}) + ScanHeader({2, 1}),
       16},
      {"later selector unknown", kSoi + kFrame + ScanHeader({2, 1, 7}), 5},
  });
}

// Release 6a reads no table from a table segment whose length field is 0 or
// 1 and goes on after the field; the installed library would stop.
TEST(JpegHeaderTest, LengthlessTableSegmentsAreSteppedOver) {
  std::vector<HeaderCase> cases;
  for (int marker : {0xC4, 0xDB, 0xCC}) {
    for (int length : {0, 1}) {
      std::string name =
          std::to_string(marker) + " length " + std::to_string(length);
      cases.push_back({name,
                       kSoi + Bytes({0xFF, marker, 0, length}) + kFrame + kScan,
                       16, 8, false, false, 1});
      cases.push_back(
          {name + " then bytes up to a marker",
           kSoi + Bytes({0xFF, marker, 0, length, 0x12, 0x34}) + kFrame + kScan,
           16, 8, false, false, 1});
    }
  }
  ExpectHeaders(cases);
  ExpectNumbers({{"then a bad table",
                  kSoi + Bytes({0xFF, 0xC4, 0, 0}) +
                      Segment(0xC4, HuffmanTable(kTwoCodes, "\x01\x02\x03")) +
                      kFrame + kScan,
                  28}});
}

TEST(JpegHeaderTest, ReadsEncodedFiles) {
  SampleOptions exif_and_comment;
  exif_and_comment.width = 40;
  exif_and_comment.height = 20;
  exif_and_comment.exif = ExifWithOrientation(6);
  exif_and_comment.comment = "taken at dusk";
  SampleOptions big_endian_exif;
  big_endian_exif.exif = ExifWithOrientation(8, true);
  SampleOptions bad_orientation;
  bad_orientation.exif = ExifWithOrientation(9);
  SampleOptions not_exif;
  not_exif.exif = "http://ns.adobe.com/xap/1.0/";
  std::string encoded = EncodeJpeg({});
  ExpectHeaders({
      {"baseline", EncodeJpeg({}), 16, 8, false, false, 1},
      {"progressive", EncodeJpeg({.progressive = true}), 16, 8, false, true, 1},
      {"arithmetic", EncodeJpeg({.arithmetic = true}), 16, 8, false, false, 1},
      {"arithmetic progressive",
       EncodeJpeg({.progressive = true, .arithmetic = true}), 16, 8, false,
       true, 1},
      {"greyscale", EncodeJpeg({.colour = SampleColour::kGrayscale}), 16, 8,
       true, false, 1},
      {"CMYK", EncodeJpeg({.colour = SampleColour::kCmyk}), 16, 8, false, false,
       1},
      {"Exif orientation 6 and a comment", EncodeJpeg(exif_and_comment), 40, 20,
       false, false, 6},
      {"big-endian Exif", EncodeJpeg(big_endian_exif), 16, 8, false, false, 8},
      {"orientation out of range", EncodeJpeg(bad_orientation), 16, 8, false,
       false, 1},
      {"APP1 that is not Exif", EncodeJpeg(not_exif), 16, 8, false, false, 1},
      {"1 x 1", EncodeJpeg({.width = 1, .height = 1}), 1, 1, false, false, 1},
      {"65500 x 1", EncodeJpeg({.width = 65500, .height = 1}), 65500, 1, false,
       false, 1},
      {"1 x 65500 header", MinimalHeader(1, 65500), 1, 65500, false, false, 1},
      {"cut after the scan header",
       encoded.substr(0, SegmentEnd(encoded, FindMarker(encoded, 0xDA))), 16, 8,
       false, false, 1},
  });
}

}  // namespace
}  // namespace photopages
