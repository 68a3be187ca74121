// Test support for the Win32 window tests: this thread's messages handled
// while a test waits, and window rectangles as the layout states them.
#ifndef PHOTOPAGES_WINDOW_WINDOWS_WINDOW_FOR_TEST_H_
#define PHOTOPAGES_WINDOW_WINDOWS_WINDOW_FOR_TEST_H_

#include <chrono>
#include <functional>

#include "common/windows_api.h"
#include "window/form_layout.h"

namespace photopages {

// Handles this thread's messages until `done` holds; false after `seconds`.
inline bool PumpMessagesUntil(const std::function<bool()>& done,
                              double seconds = 10) {
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!done()) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (std::chrono::steady_clock::now() > deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

// `window`'s rectangle on the screen, or in its parent's client area when
// it is a child.
inline Rect WindowRectangle(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  if (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) {
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect),
                    2);
  }
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_WINDOWS_WINDOW_FOR_TEST_H_
