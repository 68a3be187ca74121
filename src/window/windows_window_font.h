// The window's font on Win32: the family Message::kWindowFontName in the
// Shift_JIS character set, WindowFontPixels() high at the screen's
// resolution, so that the layout grows with the text instead of being
// stretched.
#ifndef PHOTOPAGES_WINDOW_WINDOWS_WINDOW_FONT_H_
#define PHOTOPAGES_WINDOW_WINDOWS_WINDOW_FONT_H_

#include "common/windows_api.h"
#include "window/form_layout.h"

namespace photopages {

// The window's font at the screen's resolution; the caller deletes it
// (DeleteObject).
HFONT CreateWindowFont();

// The text height, in pixels, of the window's font as the screen draws it:
// the height its metrics declare (MeasuredTextHeight). The same for a screen
// of `dots_per_inch`.
int WindowFontTextHeight();
int WindowFontTextHeight(int dots_per_inch);

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_WINDOWS_WINDOW_FONT_H_
