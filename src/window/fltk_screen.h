// The screen as FLTK sees it.
#ifndef PHOTOPAGES_WINDOW_FLTK_SCREEN_H_
#define PHOTOPAGES_WINDOW_FLTK_SCREEN_H_

#include "window/form_layout.h"

namespace photopages {

// The primary screen's full area. Requires an open FLTK display.
Rect PrimaryScreen();

// The colours the picture view reduces a photo to on this screen:
// kPaletteColours at 8 bits per pixel or fewer, else 0 (no reduction).
// Requires an open FLTK display.
int ScreenPaletteColours();

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_FLTK_SCREEN_H_
