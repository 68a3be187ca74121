#include "window/fltk_screen.h"

#include <FL/Fl.H>

namespace photopages {

Rect PrimaryScreen() {
  Rect screen;
  Fl::screen_xywh(screen.left, screen.top, screen.width, screen.height, 0);
  return screen;
}

}  // namespace photopages
