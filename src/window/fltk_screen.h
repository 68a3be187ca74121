// The screen as FLTK sees it.
#ifndef PHOTOPAGES_WINDOW_FLTK_SCREEN_H_
#define PHOTOPAGES_WINDOW_FLTK_SCREEN_H_

#include "window/form_layout.h"

namespace photopages {

// The primary screen's full area. Requires an open FLTK display.
Rect PrimaryScreen();

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_FLTK_SCREEN_H_
