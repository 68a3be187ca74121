// The picture format registry: which picture class loads a file, by the
// file's extension.
#ifndef PHOTOPAGES_PICTURE_PICTURE_FORMATS_H_
#define PHOTOPAGES_PICTURE_PICTURE_FORMATS_H_

#include <memory>
#include <string_view>
#include <vector>

#include "common/ansi.h"
#include "picture/graphic.h"

namespace photopages {

// Makes an empty picture of one class.
using GraphicClass = std::unique_ptr<Graphic> (*)();

struct PictureFormat {
  AnsiString extension;  // Lower case, without the dot.
  AnsiString description;
  // Null for the platform's own kinds, which no class here can load.
  GraphicClass graphic_class;
};

// Built once per program; its registrations go when it does.
class PictureFormats {
 public:
  // The platform's own kinds "wmf", "emf", "ico" and "bmp", then JpegImage
  // for "jpeg" and "jpg".
  PictureFormats();
  PictureFormats(const PictureFormats&) = delete;
  PictureFormats& operator=(const PictureFormats&) = delete;

  // Adds a registration after the others; `extension` is stored lowered.
  void Register(std::string_view extension, AnsiString description,
                GraphicClass graphic_class);

  // The latest registration for `extension` (without the dot, any letter
  // case). Throws InvalidGraphicError, the unknown extension message with
  // `extension` as given, when there is none.
  const PictureFormat& Find(std::string_view extension) const;

  const std::vector<PictureFormat>& Formats() const { return formats_; }

 private:
  std::vector<PictureFormat> formats_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PICTURE_PICTURE_FORMATS_H_
