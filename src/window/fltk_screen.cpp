#include "window/fltk_screen.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include "picture/display_picture.h"

namespace photopages {

Rect PrimaryScreen() {
  Rect screen;
  Fl::screen_xywh(screen.left, screen.top, screen.width, screen.height, 0);
  return screen;
}

int ScreenPaletteColours() {
  return fl_visual->depth <= 8 ? kPaletteColours : 0;
}

}  // namespace photopages
