// A replay of the way libjpeg's header reader walks from marker to marker,
// for the few places where photopages must know which segment the reader
// was in when it stopped, or must steer it past a segment that release 6a
// of the library accepts and the installed library rejects.
#ifndef PHOTOPAGES_PICTURE_JPEG_MARKER_WALK_H_
#define PHOTOPAGES_PICTURE_JPEG_MARKER_WALK_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

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

// The bytes the decoder reads: the file's bytes and, past their end, the
// end-of-image marker FF D9 over and over, which the data source supplies
// each time the data runs out.
class DecoderInput {
 public:
  explicit DecoderInput(std::string_view bytes) : bytes_(bytes) {}
  size_t size() const { return bytes_.size(); }
  uint8_t At(size_t offset) const {
    if (offset < bytes_.size()) return static_cast<uint8_t>(bytes_[offset]);
    return (offset - bytes_.size()) % 2 == 0 ? 0xFF : kMarkerEoi;
  }
  // The big-endian 16-bit value at `offset`.
  unsigned Word(size_t offset) const {
    return At(offset) << 8 | At(offset + 1);
  }

 private:
  std::string_view bytes_;
};

// What the walk finds between the start-of-image marker and the first scan
// header, or the point where the reader stops with an error.
struct MarkerWalk {
  // Offsets of the marker codes of Huffman, quantisation and arithmetic
  // table segments whose length field is 0 or 1. Release 6a reads no table
  // from them and goes on after the length field, as it does after an empty
  // comment segment; the installed library stops with a bad length.
  std::vector<size_t> lengthless_tables;
  // Offset of the length field of the first scan header, when the walk
  // reaches one.
  std::optional<size_t> first_scan;
};

// Walks `input` as the installed library's header reader does: after the
// start-of-image marker, from marker to marker (skipping bytes up to an FF,
// fill bytes FF and stuffed FF 00), over segments by their length fields,
// until the first scan header, the end of the image, the end of the data, a
// marker that stops the reader, or a table segment that the installed
// library rejects for a reason other than a length field below 2.
MarkerWalk WalkMarkers(const DecoderInput& input);

}  // namespace photopages

#endif  // PHOTOPAGES_PICTURE_JPEG_MARKER_WALK_H_
