#include "window/fltk_picture_view.h"

#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <utility>

namespace photopages {

PictureViewWindow::PictureViewWindow(const Rect& at, int palette_colours)
    : Fl_Widget(at.left, at.top, at.width, at.height),
      palette_colours_(palette_colours) {}

void PictureViewWindow::SetPicture(PictureDecoder decoder) {
  decoder_ = std::move(decoder);
  decoded_ = false;
  image_.reset();
  picture_.reset();
  redraw();
}

void PictureViewWindow::draw() {
  fl_push_clip(x(), y(), w(), h());
  fl_rectf(x(), y(), w(), h(), window()->color());
  if (!decoded_) {
    decoded_ = true;
    if (decoder_) picture_ = decoder_(palette_colours_);
    if (picture_) {
      image_ = std::make_unique<Fl_RGB_Image>(
          picture_->rgb.data(), picture_->width, picture_->height, 3);
    }
  }
  if (image_) image_->draw(x(), y());
  fl_pop_clip();
}

}  // namespace photopages
