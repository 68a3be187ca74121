// The JPEG picture: a JPEG file's bytes, held whole as the decoder reads
// them, and what its header says.
#ifndef PHOTOPAGES_PICTURE_JPEG_IMAGE_H_
#define PHOTOPAGES_PICTURE_JPEG_IMAGE_H_

#include <string>

#include "picture/graphic.h"
#include "picture/jpeg_header.h"

namespace photopages {

class TJPEGImage : public TGraphic {
 public:
  // Parses the header of `bytes` (a whole JPEG file) and keeps the bytes
  // that the decoder reads. Empty bytes are not parsed: 0 x 0, no error. On
  // failure the picture is unchanged. Throws EJPEG.
  void LoadFromBytes(std::string bytes) override;
  // The stored frame size, never turned by the Exif orientation.
  int Width() const override { return header_.width; }
  int Height() const override { return header_.height; }
  bool Grayscale() const { return header_.grayscale; }
  bool MultipleScans() const { return header_.multiple_scans; }
  // From the Exif APP1 segment; 1 when absent or invalid.
  int ExifOrientation() const override { return header_.exif_orientation; }
  // The file's own bytes, or the copy of them that steers the installed
  // library through table segments as release 6a reads them (see
  // ReadJpegHeader).
  const std::string& DecoderBytes() const override { return bytes_; }

 private:
  std::string bytes_;
  JpegHeader header_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PICTURE_JPEG_IMAGE_H_
