// The picture view on X, through FLTK: a widget of the main window that
// draws the last photo loaded at its full size at its top-left corner,
// decoded when the view is first drawn.
#ifndef PHOTOPAGES_WINDOW_FLTK_PICTURE_VIEW_H_
#define PHOTOPAGES_WINDOW_FLTK_PICTURE_VIEW_H_

#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Widget.H>

#include <memory>
#include <optional>

#include "picture/display_picture.h"
#include "window/backend.h"
#include "window/form_layout.h"

namespace photopages {

class PictureViewWindow : public Fl_Widget {
 public:
  // An empty view at `at` in the window being built, below the widgets made
  // after it. `palette_colours` as DecodeJpegForDisplay takes them.
  PictureViewWindow(const Rect& at, int palette_colours);
  PictureViewWindow(const PictureViewWindow&) = delete;
  PictureViewWindow& operator=(const PictureViewWindow&) = delete;

  // Shows the picture that `decoder` decodes, from the next drawing on; what
  // it refers to must outlive the window. A picture it cannot decode leaves
  // the view empty.
  void SetPicture(PictureDecoder decoder);

 private:
  void draw() override;

  int palette_colours_;
  PictureDecoder decoder_;
  bool decoded_ = false;
  std::optional<DisplayPicture> picture_;
  // Draws picture_'s pixels, which it refers to.
  std::unique_ptr<Fl_RGB_Image> image_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_FLTK_PICTURE_VIEW_H_
