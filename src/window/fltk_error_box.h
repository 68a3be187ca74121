// The error box: a modal window with the stop icon, the message and an OK
// button, as the window system's standard message box shows an error.
#ifndef PHOTOPAGES_WINDOW_FLTK_ERROR_BOX_H_
#define PHOTOPAGES_WINDOW_FLTK_ERROR_BOX_H_

#include <string>

namespace photopages {

// Shows `text` (UTF-8) in the error box titled `caption` (UTF-8), centred on
// the primary screen, and returns when the user dismisses it: OK, Return,
// Escape or the window manager's close. The window class is `caption`, so
// that the box is known as the program's. Requires an open FLTK display and
// RegisterWindowFont().
void RunErrorBox(const std::string& caption, const std::string& text);

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_FLTK_ERROR_BOX_H_
