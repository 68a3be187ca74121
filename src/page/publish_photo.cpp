#include "page/publish_photo.h"

#include <string>
#include <utility>

#include "common/paths.h"
#include "page/photo_page.h"

namespace photopages {

PixelSize StatedSize(const PictureView& picture_view) {
  const Graphic& picture = *picture_view.Picture();
  if (picture.Width() == 0 || picture.Height() == 0) {
    return {picture.Width(), picture.Height()};
  }
  PixelSize size = {picture_view.Width(), picture_view.Height()};
  if (picture.ExifOrientation() >= 5) std::swap(size.width, size.height);
  return size;
}

void PublishPhoto(Platform& platform, PictureView& picture_view,
                  const AnsiString& copy_path, InputFile* copy) {
  picture_view.LoadPicture(copy_path, copy);
  PixelSize stated = StatedSize(picture_view);
  DisplayedSize shown = ComputeDisplayedSize(stated.width, stated.height);
  const PathSyntax& paths = platform.Paths();
  WritePhotoPage(platform, ChangeFileExt(copy_path, ".HTML", paths),
                 ExtractFileName(copy_path, paths), std::to_string(shown.width),
                 std::to_string(shown.height));
}

}  // namespace photopages
