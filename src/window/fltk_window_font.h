// The window's font: the family Message::kWindowFontName at 12 pixels, which
// fontconfig resolves to IPA P Gothic where the system has no font of that
// name.
#ifndef PHOTOPAGES_WINDOW_FLTK_WINDOW_FONT_H_
#define PHOTOPAGES_WINDOW_FLTK_WINDOW_FONT_H_

#include <FL/Enumerations.H>

#include "window/form_layout.h"

namespace photopages {

// The FLTK font slot that holds the window's font.
inline constexpr Fl_Font kWindowFont = FL_FREE_FONT;

// Teaches fontconfig that the window's font family may be served by IPA P
// Gothic (a real font of that name, where installed, still comes first) and
// puts the family in kWindowFont. Requires an open FLTK display.
void RegisterWindowFont();

// The text height, in pixels, of the window's font as the display draws it:
// the line height its face declares at kWindowFontPixels (MeasuredTextHeight).
// Requires RegisterWindowFont().
int WindowFontTextHeight();

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_FLTK_WINDOW_FONT_H_
