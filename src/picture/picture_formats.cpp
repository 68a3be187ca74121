#include "picture/picture_formats.h"

#include <utility>

#include "common/errors.h"
#include "common/messages.h"
#include "picture/jpeg_image.h"

namespace photopages {
namespace {

std::unique_ptr<Graphic> NewJpegImage() {
  return std::make_unique<JpegImage>();
}

}  // namespace

PictureFormats::PictureFormats() {
  Register("wmf", MessageText(Message::kMetafileDescription), nullptr);
  Register("emf", MessageText(Message::kEnhancedMetafileDescription), nullptr);
  Register("ico", MessageText(Message::kIconDescription), nullptr);
  Register("bmp", MessageText(Message::kBitmapDescription), nullptr);
  Register("jpeg", MessageText(Message::kJpegDescription), NewJpegImage);
  Register("jpg", MessageText(Message::kJpegDescription), NewJpegImage);
}

void PictureFormats::Register(std::string_view extension,
                              AnsiString description,
                              GraphicClass graphic_class) {
  formats_.push_back(
      {AnsiLowerCase(extension), std::move(description), graphic_class});
}

const PictureFormat& PictureFormats::Find(std::string_view extension) const {
  AnsiString lowered = AnsiLowerCase(extension);
  for (auto it = formats_.rbegin(); it != formats_.rend(); ++it) {
    if (it->extension == lowered) return *it;
  }
  throw InvalidGraphicError(
      FormatMessage(Message::kUnknownExtension, extension));
}

}  // namespace photopages
