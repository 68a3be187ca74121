// Reading a JPEG file's header through the system's libjpeg, with the
// decoder's errors numbered as release 6a of the IJG library numbers them.
#ifndef PHOTOPAGES_PICTURE_JPEG_HEADER_H_
#define PHOTOPAGES_PICTURE_JPEG_HEADER_H_

#include <string>
#include <string_view>

namespace photopages {

// What a JPEG file's header says.
struct JpegHeader {
  int width = 0;   // From the frame header, as stored.
  int height = 0;  // From the frame header, as stored.
  bool grayscale = false;
  bool multiple_scans = false;
  int exif_orientation = 1;  // 1 to 8; 1 without a usable orientation tag.
};

// Reads the header of the non-empty JPEG file `bytes`: its markers from the
// first byte up to the first scan header. When the data ends early the
// decoder sees an end-of-image marker. The orientation comes from the first
// Exif application segment (APP1) before the scan.
// Where the installed library and release 6a judge a header differently,
// the number (or the success) is release 6a's. To that end the library may
// read a copy of `bytes` whose table segments are rewritten (SteeredCopy in
// jpeg_marker_walk.h). When `steered` is given it receives that copy, which
// the display decode must read as well, or is left empty when the library
// read `bytes` themselves.
// Throws EJPEG with release 6a's number for the first fatal decoder error.
JpegHeader ReadJpegHeader(std::string_view bytes,
                          std::string* steered = nullptr);

}  // namespace photopages

#endif  // PHOTOPAGES_PICTURE_JPEG_HEADER_H_
