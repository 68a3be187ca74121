// A replay of the way release 6a of libjpeg's header reader walks from marker
// to marker, for the few places where photopages must know where the reader
// was when it stopped, or must steer the installed library through a table
// segment that it reads differently from release 6a.
#ifndef PHOTOPAGES_PICTURE_JPEG_MARKER_WALK_H_
#define PHOTOPAGES_PICTURE_JPEG_MARKER_WALK_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "picture/decoder_input.h"

namespace photopages {

// Marker codes (the byte after FF).
enum JpegMarker : uint8_t {
  kMarkerSof0 = 0xC0,
  kMarkerDht = 0xC4,
  kMarkerDac = 0xCC,
  kMarkerSoi = 0xD8,
  kMarkerEoi = 0xD9,
  kMarkerSos = 0xDA,
  kMarkerDqt = 0xDB,
  kMarkerCom = 0xFE,
};

// A quantisation or arithmetic table segment whose last table (or last
// index and value pair) begins inside the segment and ends past it. Release
// 6a reads that table whole from the bytes that follow the segment and goes
// on after it; the installed library reads the same and then stops with a
// bad length.
struct TableReadOn {
  size_t marker;      // Offset of the segment's marker code.
  size_t last_table;  // Offset of the table that runs past the segment.
  size_t end;         // Offset just past that table, where the reader goes on.
};

// What the walk finds between the start-of-image marker and the first scan
// header, or the point where the reader stops with an error.
struct MarkerWalk {
  // Offsets of the marker codes of Huffman, quantisation and arithmetic
  // table segments whose length field is 0 or 1. Release 6a reads no table
  // from them and goes on after the length field, as it does after an empty
  // comment segment; the installed library stops with a bad length.
  std::vector<size_t> lengthless_tables;
  // Segments whose last table runs past their end, in the order of the file.
  // The last table always begins within the data.
  std::vector<TableReadOn> read_ons;
  // Offset of the length field of the first scan header, when the walk
  // reaches one.
  std::optional<size_t> first_scan;
};

// Walks `input` as release 6a's header reader does: after the start-of-image
// marker, from marker to marker (skipping bytes up to an FF, fill bytes FF
// and stuffed FF 00), over segments by their length fields and over
// quantisation and arithmetic tables by their own extent, until the first
// scan header, the end of the image, the end of the data, a marker that
// stops the reader, a Huffman table segment whose tables do not fill it, or
// a quantisation or arithmetic table that begins past the end of the data
// (its table number, read from the end-of-image marker, is out of range).
MarkerWalk WalkMarkers(const DecoderInput& input);

// A change to the bytes that the installed library reads: the `erased`
// bytes of the data at `at` give way to `inserted`.
struct ByteEdit {
  size_t at;
  size_t erased;
  std::string inserted;
  bool operator==(const ByteEdit&) const = default;
};

// The changes, in the order of the data, that make the installed library
// read `input` as release 6a reads it, given the table segments that `walk`
// found in it:
// - a table segment whose length field is below 2 becomes an empty comment
//   segment, which both libraries step over;
// - a segment whose last table runs past its end ends before that table,
//   which gets a segment of its own just long enough to hold it. The library
//   then reads the same tables from the same bytes and goes on where release
//   6a goes on, and both length fields fit in 16 bits however far the
//   original segment reached.
// Every change lies within the data.
std::vector<ByteEdit> SteeringEdits(const DecoderInput& input,
                                    const MarkerWalk& walk);

}  // namespace photopages

#endif  // PHOTOPAGES_PICTURE_JPEG_MARKER_WALK_H_
