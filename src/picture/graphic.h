// The base of the picture classes that the picture format registry hands out:
// what the picture view, the page step and the window know of a picture.
#ifndef PHOTOPAGES_PICTURE_GRAPHIC_H_
#define PHOTOPAGES_PICTURE_GRAPHIC_H_

#include <optional>

#include "common/ansi.h"
#include "picture/display_picture.h"
#include "platform/platform.h"

namespace photopages {

class Graphic {
 public:
  virtual ~Graphic() = default;
  // Reads what the picture needs to know from `file`, the picture file at
  // `path` on `platform` open for reading and not read yet. `platform` must
  // outlive the picture: it opens the file at `path` again to draw it. On
  // failure the picture is unchanged. Throws ReadError and the picture
  // class's own errors.
  virtual void LoadFromFile(Platform& platform, const AnsiString& path,
                            InputFile& file) = 0;
  // The size as stored in the file.
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // The Exif orientation (1 to 8) by which viewers turn the picture; 1 when
  // the file gives none.
  virtual int ExifOrientation() const = 0;
  // The picture decoded for display from its file, read again now with the
  // display settings; `palette_colours` as DecodeJpegForDisplay takes it.
  // Nothing when the file is no longer the one loaded, cannot be read or
  // does not decode.
  virtual std::optional<DisplayPicture> DecodeForDisplay(
      int palette_colours) const = 0;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PICTURE_GRAPHIC_H_
