// The window classes of the program's own Win32 windows, and the C++ object
// that each such window carries.
#ifndef PHOTOPAGES_WINDOW_WINDOWS_WINDOW_CLASS_H_
#define PHOTOPAGES_WINDOW_WINDOWS_WINDOW_CLASS_H_

#include "common/windows_api.h"

namespace photopages {

// Registers the window class `name` with `procedure`, the arrow cursor and
// the system's button face as background, once per process.
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure);

// The object that window `window` was created for (CreateWindowExW's last
// argument), kept with the window from WM_NCCREATE to WM_NCDESTROY; nullptr
// outside that time. Call it from the window procedure with each message.
template <typename Object>
Object* WindowObject(HWND window, UINT message, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* object =
      reinterpret_cast<Object*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  return object;
}

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_WINDOWS_WINDOW_CLASS_H_
