// The page step of the photo run: from a photo's copy to its page.
#ifndef PHOTOPAGES_PAGE_PUBLISH_PHOTO_H_
#define PHOTOPAGES_PAGE_PUBLISH_PHOTO_H_

#include "common/ansi.h"
#include "page/displayed_size.h"
#include "picture/picture_view.h"
#include "platform/platform.h"

namespace photopages {

struct PixelSize {
  int width = 0;
  int height = 0;
  bool operator==(const PixelSize&) const = default;
};

// The size, in pixels, that a page states for the picture just loaded into
// `picture_view`, before the width cap: the view's size, which follows its
// picture; for an empty picture its own 0 x 0, not the size the view kept from
// before; and, for a photo whose Exif orientation turns it a quarter (5 to 8),
// width and height exchanged, since browsers show such a photo turned.
// REQUIRES: `picture_view` holds a picture.
PixelSize StatedSize(const PictureView& picture_view);

// Loads the copy at `copy_path` into `picture_view`, from `copy` when given
// (that copy, open for reading and not read yet), and writes beside it the
// page of the same name with the extension ".HTML", showing the copy by its
// file name at StatedSize capped by ComputeDisplayedSize. A picture that cannot
// be loaded throws its error before any page is written; then as
// WritePhotoPage.
void PublishPhoto(Platform& platform, PictureView& picture_view,
                  const AnsiString& copy_path, InputFile* copy = nullptr);

}  // namespace photopages

#endif  // PHOTOPAGES_PAGE_PUBLISH_PHOTO_H_
