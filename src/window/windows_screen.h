// The screen as Win32 sees it.
#ifndef PHOTOPAGES_WINDOW_WINDOWS_SCREEN_H_
#define PHOTOPAGES_WINDOW_WINDOWS_SCREEN_H_

#include "window/form_layout.h"

namespace photopages {

// The primary screen's full area.
Rect PrimaryScreen();

// The colours the picture view reduces a photo to on this screen:
// kPaletteColours at 8 bits per pixel or fewer, else 0 (no reduction).
int ScreenPaletteColours();

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_WINDOWS_SCREEN_H_
