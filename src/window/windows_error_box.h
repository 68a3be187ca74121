// The error box on Win32: the system's message box with the stop icon, the
// message and an OK button.
#ifndef PHOTOPAGES_WINDOW_WINDOWS_ERROR_BOX_H_
#define PHOTOPAGES_WINDOW_WINDOWS_ERROR_BOX_H_

#include "common/ansi.h"
#include "common/windows_api.h"

namespace photopages {

// Shows `text` in the error box titled `caption` (both code page 932,
// converted to UTF-16 here) and returns when the user dismisses it. The box
// is owned by `owner` (none when nullptr): the windows that `owner` owns
// are disabled while it is up, and the window that was active before it is
// active again afterwards.
void RunErrorBox(HWND owner, const AnsiString& caption, const AnsiString& text);

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_WINDOWS_ERROR_BOX_H_
