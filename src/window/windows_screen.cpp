#include "window/windows_screen.h"

#include "common/windows_api.h"
#include "picture/display_picture.h"

namespace photopages {

Rect PrimaryScreen() {
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

int ScreenPaletteColours() {
  HDC screen = GetDC(nullptr);
  const int bits =
      GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
  ReleaseDC(nullptr, screen);
  return bits <= 8 ? kPaletteColours : 0;
}

}  // namespace photopages
