#include "picture/picture_view.h"

#include <memory>
#include <utility>

#include "common/errors.h"
#include "common/messages.h"
#include "common/paths.h"

namespace photopages {

PictureView::PictureView(Platform& platform, const PictureFormats& formats)
    : platform_(platform), formats_(formats) {}

void PictureView::LoadPicture(const AnsiString& path, InputFile* opened) {
  AnsiString extension = ExtractFileExt(path, platform_.Paths());
  if (!extension.empty()) extension.erase(0, 1);
  const PictureFormat& format = formats_.Find(extension);
  if (format.graphic_class == nullptr) {
    throw InvalidGraphicError(
        FormatMessage(Message::kUnknownExtension, extension));
  }
  std::unique_ptr<InputFile> file;
  if (opened == nullptr) {
    file = platform_.OpenInput(path);
    opened = file.get();
  }
  std::unique_ptr<Graphic> picture = format.graphic_class();
  picture->LoadFromFile(platform_, path, *opened);
  picture_ = std::move(picture);
  if (auto_size_) FitToPicture();
}

void PictureView::SetAutoSize(bool auto_size) {
  auto_size_ = auto_size;
  if (auto_size_) FitToPicture();
}

void PictureView::FitToPicture() {
  if (picture_ == nullptr || picture_->Width() <= 0 ||
      picture_->Height() <= 0) {
    return;
  }
  width_ = picture_->Width();
  height_ = picture_->Height();
}

}  // namespace photopages
