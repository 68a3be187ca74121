// The error box: a modal window with the stop icon, the message and an OK
// button, as the window system's standard message box shows an error.
#ifndef PHOTOPAGES_WINDOW_FLTK_ERROR_BOX_H_
#define PHOTOPAGES_WINDOW_FLTK_ERROR_BOX_H_

#include "common/ansi.h"

namespace photopages {

// Shows `text` in the error box titled `caption` (both code page 932,
// converted to UTF-8 here), centred on the primary screen, and returns when
// the user dismisses it: OK, Return, Escape or the window manager's close.
// The window class is `caption`, so that the box is known as the program's.
// Requires an open FLTK display and RegisterWindowFont().
void RunErrorBox(const AnsiString& caption, const AnsiString& text);

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_FLTK_ERROR_BOX_H_
