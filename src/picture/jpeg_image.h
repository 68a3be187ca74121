// The JPEG picture: what a JPEG file's header says, and where to read the
// file again to draw it.
#ifndef PHOTOPAGES_PICTURE_JPEG_IMAGE_H_
#define PHOTOPAGES_PICTURE_JPEG_IMAGE_H_

#include <cstdint>
#include <vector>

#include "picture/graphic.h"
#include "picture/jpeg_header.h"
#include "picture/jpeg_marker_walk.h"

namespace photopages {

class JpegImage : public Graphic {
 public:
  // Reads the header of `file`, no further into the file than the header
  // reaches. An empty file is not parsed: 0 x 0, no error. On failure the
  // picture is unchanged. Throws ReadError, JpegError.
  void LoadFromFile(Platform& platform, const AnsiString& path,
                    InputFile& file) override;
  // The stored frame size, never turned by the Exif orientation.
  int Width() const override { return header_.width; }
  int Height() const override { return header_.height; }
  bool Grayscale() const { return header_.grayscale; }
  bool MultipleScans() const { return header_.multiple_scans; }
  // From the Exif APP1 segment; 1 when absent or invalid.
  int ExifOrientation() const override { return header_.exif_orientation; }
  // Decodes the file, read again a piece at a time, as its header was read:
  // through the changes that steer the installed library through table
  // segments as release 6a reads them (see ReadJpegHeader).
  std::optional<DisplayPicture> DecodeForDisplay(
      int palette_colours) const override;

 private:
  // What tells the file loaded from a file put at its path since.
  struct FileFacts {
    FileIdentity identity;
    uint64_t size = 0;
    UtcTime last_write;
    bool operator==(const FileFacts&) const = default;
  };

  Platform* platform_ = nullptr;
  AnsiString path_;
  FileFacts facts_;
  std::vector<ByteEdit> steering_;
  JpegHeader header_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PICTURE_JPEG_IMAGE_H_
