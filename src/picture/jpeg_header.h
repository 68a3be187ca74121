// Reading a JPEG file's header through the system's libjpeg, with the
// decoder's errors numbered as release 6a of the IJG library numbers them.
#ifndef PHOTOPAGES_PICTURE_JPEG_HEADER_H_
#define PHOTOPAGES_PICTURE_JPEG_HEADER_H_

#include <string_view>
#include <vector>

#include "picture/decoder_input.h"
#include "picture/jpeg_marker_walk.h"

namespace photopages {

// What a JPEG file's header says.
struct JpegHeader {
  int width = 0;   // From the frame header, as stored.
  int height = 0;  // From the frame header, as stored.
  bool grayscale = false;
  bool multiple_scans = false;
  int exif_orientation = 1;  // 1 to 8; 1 without a usable orientation tag.
};

// Reads the header of the non-empty JPEG file `input`: its markers from the
// first byte up to the first scan header, reading no further into the file
// than the header reaches. When the data ends early the decoder sees an
// end-of-image marker. The orientation comes from the first Exif application
// segment (APP1) before the scan.
// Where the installed library and release 6a judge a header differently,
// the number (or the success) is release 6a's. To that end the library may
// read the data changed in its table segments (SteeringEdits in
// jpeg_marker_walk.h). When `steering` is given it receives those changes,
// which the display decode must make as well (none when the library read the
// data as it is).
// Throws JpegError with release 6a's number for the first fatal decoder error,
// ReadError when the file cannot be read as far as the header reaches.
JpegHeader ReadJpegHeader(const DecoderInput& input,
                          std::vector<ByteEdit>* steering = nullptr);

// The same for the whole file `bytes` in memory.
JpegHeader ReadJpegHeader(std::string_view bytes);

}  // namespace photopages

#endif  // PHOTOPAGES_PICTURE_JPEG_HEADER_H_
