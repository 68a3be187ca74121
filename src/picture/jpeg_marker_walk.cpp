#include "picture/jpeg_marker_walk.h"

#include <algorithm>
#include <string>

namespace photopages {
namespace {

bool IsTableSegment(uint8_t marker) {
  return marker == kMarkerDht || marker == kMarkerDqt || marker == kMarkerDac;
}

// Segments that the reader takes whole by their length field: frame headers
// of the processes it decodes, restart interval, line count, application
// segments and comments.
bool IsSkippedByLength(uint8_t marker) {
  switch (marker) {
    case 0xC0:
    case 0xC1:
    case 0xC2:
    case 0xC9:
    case 0xCA:
    case 0xDC:
    case 0xDD:
    case kMarkerCom:
      return true;
    default:
      return marker >= 0xE0 && marker <= 0xEF;
  }
}

bool IsParameterless(uint8_t marker) {
  return (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01;
}

// True when the Huffman tables of the segment whose length field (2 or more)
// is at `at` fill its declared length exactly, as both libraries demand. A
// segment rejected for a table index is accepted here: the reader stops
// inside it without reading past it.
bool HuffmanTablesFillSegment(const DecoderInput& input, size_t at) {
  long length = static_cast<long>(input.Word(at)) - 2;
  size_t pos = at + 2;
  while (length > 16) {
    long count = 0;
    for (size_t i = 1; i <= 16; ++i) count += input.At(pos + i);
    length -= 17;
    if (count > 256 || count > length) return false;
    length -= count;
    pos += 17 + count;
  }
  return length == 0;
}

// The extent of the quantisation table (its precision in the high nibble of
// its first byte: 64 values of 2 bytes or of 1) or of the arithmetic
// conditioning pair that begins at `at`.
size_t TableSize(const DecoderInput& input, uint8_t marker, size_t at) {
  if (marker == kMarkerDac) return 2;
  return (input.At(at) >> 4) != 0 ? 1 + 128 : 1 + 64;
}

// Follows release 6a through the quantisation or arithmetic table segment
// whose marker code is at `marker_at` and whose length field is 2 or more:
// it reads tables while any of the declared length is left, so the last one
// may end past the segment, and goes on after the last. Returns that offset,
// noting in `read_ons` a last table that ends past the segment, or nothing
// when a table begins past the end of the data, where the reader stops at
// its table number.
std::optional<size_t> PastTables(const DecoderInput& input, size_t marker_at,
                                 std::vector<TableReadOn>* read_ons) {
  uint8_t marker = input.At(marker_at);
  size_t segment_end = marker_at + 1 + input.Word(marker_at + 1);
  size_t table = marker_at + 3;
  size_t last_table = table;
  while (table < segment_end) {
    if (table >= input.size()) return std::nullopt;
    last_table = table;
    table += TableSize(input, marker, table);
  }
  if (table > segment_end) read_ons->push_back({marker_at, last_table, table});
  return table;
}

std::string BigEndian16(size_t value) {
  return {static_cast<char>(value >> 8 & 0xFF),
          static_cast<char>(value & 0xFF)};
}

}  // namespace

MarkerWalk WalkMarkers(const DecoderInput& input) {
  MarkerWalk walk;
  if (input.At(0) != 0xFF || input.At(1) != kMarkerSoi) return walk;
  size_t pos = 2;
  while (pos < input.size()) {
    uint8_t marker = 0;
    while (marker == 0) {
      while (input.At(pos++) != 0xFF) {
      }
      do {
        marker = input.At(pos++);
      } while (marker == 0xFF);
    }
    if (IsParameterless(marker)) continue;
    if (marker == kMarkerSos) {
      walk.first_scan = pos;
      return walk;
    }
    bool table = IsTableSegment(marker);
    if (!table && !IsSkippedByLength(marker)) return walk;
    unsigned length = input.Word(pos);
    if (table && length < 2) {
      walk.lengthless_tables.push_back(pos - 1);
      pos += 2;
    } else if (marker == kMarkerDht) {
      if (!HuffmanTablesFillSegment(input, pos)) return walk;
      pos += length;
    } else if (table) {
      std::optional<size_t> end = PastTables(input, pos - 1, &walk.read_ons);
      if (!end.has_value()) return walk;
      pos = *end;
    } else {
      pos += std::max(length, 2u);
    }
  }
  return walk;
}

std::vector<ByteEdit> SteeringEdits(const DecoderInput& input,
                                    const MarkerWalk& walk) {
  std::vector<ByteEdit> edits;
  for (size_t at : walk.lengthless_tables) {
    edits.push_back({at, 3, {static_cast<char>(kMarkerCom), 0, 2}});
  }
  for (const TableReadOn& read_on : walk.read_ons) {
    size_t length_field = read_on.marker + 1;
    edits.push_back(
        {length_field, 2, BigEndian16(read_on.last_table - length_field)});
    std::string segment = {'\xFF', static_cast<char>(input.At(read_on.marker))};
    edits.push_back(
        {read_on.last_table, 0,
         segment + BigEndian16(read_on.end - read_on.last_table + 2)});
  }
  std::stable_sort(
      edits.begin(), edits.end(),
      [](const ByteEdit& a, const ByteEdit& b) { return a.at < b.at; });
  return edits;
}

}  // namespace photopages
