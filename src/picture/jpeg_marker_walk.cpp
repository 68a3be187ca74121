#include "picture/jpeg_marker_walk.h"

#include <algorithm>

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

// True when the tables of the segment whose length field (2 or more) is at
// `at` fill its declared length exactly, as the installed library demands.
// A segment rejected for a table index or value is accepted here: the
// library stops inside it without reading past it.
bool TablesFillSegment(const DecoderInput& input, uint8_t marker, size_t at) {
  long length = static_cast<long>(input.Word(at)) - 2;
  size_t pos = at + 2;
  switch (marker) {
    case kMarkerDht:
      while (length > 16) {
        long count = 0;
        for (size_t i = 1; i <= 16; ++i) count += input.At(pos + i);
        length -= 17;
        if (count > 256 || count > length) return false;
        length -= count;
        pos += 17 + count;
      }
      return length == 0;
    case kMarkerDqt:
      while (length > 0) {
        long table = (input.At(pos) >> 4) != 0 ? 128 : 64;
        length -= 1 + table;
        pos += 1 + table;
      }
      return length == 0;
    default:
      return length % 2 == 0;
  }
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
    } else if (table && !TablesFillSegment(input, marker, pos)) {
      return walk;
    }
    pos += std::max(length, 2u);
  }
  return walk;
}

}  // namespace photopages
