// The picture view: the photo being processed and the view's own
// size, a model with no window in it. The page step and the window both
// read it.
#ifndef PHOTOPAGES_PICTURE_PICTURE_VIEW_H_
#define PHOTOPAGES_PICTURE_PICTURE_VIEW_H_

#include <memory>

#include "common/ansi.h"
#include "picture/graphic.h"
#include "picture/picture_formats.h"
#include "platform/platform.h"

namespace photopages {

class PictureView {
 public:
  static constexpr int kDesignWidth = 537;
  static constexpr int kDesignHeight = 489;

  // Both must outlive the view.
  PictureView(Platform& platform, const PictureFormats& formats);
  PictureView(const PictureView&) = delete;
  PictureView& operator=(const PictureView&) = delete;

  // Picks the picture class by the extension of `path` and loads the file,
  // reading what the picture needs to know of it from `opened` when given
  // (the file at `path`, open for reading and not read yet), otherwise from
  // the file opened here; only when that succeeded does the new picture
  // replace the current one (and, with auto-size on, give the view its size
  // when both its sides are above 0). On failure the view keeps its picture
  // and size. Throws InvalidGraphicError (no class can load the extension),
  // FileOpenError(path), ReadError, JpegError.
  void LoadPicture(const AnsiString& path, InputFile* opened = nullptr);

  // The view's own size: the design size until auto-size takes a picture's.
  int Width() const { return width_; }
  int Height() const { return height_; }

  bool AutoSize() const { return auto_size_; }
  // Turning auto-size on takes the current picture's size when both its
  // sides are above 0.
  void SetAutoSize(bool auto_size);

  // The current picture; nullptr before the first successful load.
  const Graphic* Picture() const { return picture_.get(); }

 private:
  void FitToPicture();

  Platform& platform_;
  const PictureFormats& formats_;
  std::unique_ptr<Graphic> picture_;
  int width_ = kDesignWidth;
  int height_ = kDesignHeight;
  bool auto_size_ = true;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PICTURE_PICTURE_VIEW_H_
