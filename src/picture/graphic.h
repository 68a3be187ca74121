// The base of the picture classes that the picture format registry hands out:
// what the picture view, the page step and the window know of a picture.
#ifndef PHOTOPAGES_PICTURE_GRAPHIC_H_
#define PHOTOPAGES_PICTURE_GRAPHIC_H_

#include <string>

namespace photopages {

class TGraphic {
 public:
  virtual ~TGraphic() = default;
  // Takes `bytes`, a whole picture file, and reads what the picture needs to
  // know from it. On failure the picture is unchanged.
  virtual void LoadFromBytes(std::string bytes) = 0;
  // The size as stored in the file.
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // The bytes that the display decode reads to draw the picture: the whole
  // file as loaded, or what the picture class makes of it for its decoder.
  virtual const std::string& DecoderBytes() const = 0;
  // The Exif orientation (1 to 8) by which viewers turn the picture; 1 when
  // the file gives none.
  virtual int ExifOrientation() const = 0;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PICTURE_GRAPHIC_H_
