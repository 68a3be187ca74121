#include "window/windows_window_font.h"

#include "common/messages.h"
#include "common/windows_codepage.h"

namespace photopages {
namespace {

// The screen's resolution, in dots per inch.
int ScreenDotsPerInch() {
  HDC screen = GetDC(nullptr);
  const int dots_per_inch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dots_per_inch;
}

// The window's font for a screen of `dots_per_inch`: a character height of
// WindowFontPixels(dots_per_inch).
HFONT CreateWindowFont(int dots_per_inch) {
  return CreateFontW(
      -WindowFontPixels(dots_per_inch), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
      SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
      DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
      WideFromAnsi(MessageText(Message::kWindowFontName)).c_str());
}

}  // namespace

HFONT CreateWindowFont() { return CreateWindowFont(ScreenDotsPerInch()); }

int WindowFontTextHeight() { return WindowFontTextHeight(ScreenDotsPerInch()); }

int WindowFontTextHeight(int dots_per_inch) {
  HFONT font = CreateWindowFont(dots_per_inch);
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font);
  TEXTMETRICW metrics = {};
  const bool measured = GetTextMetricsW(screen, &metrics) != 0;
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  DeleteObject(font);
  return MeasuredTextHeight(measured ? metrics.tmHeight : 0,
                            WindowFontPixels(dots_per_inch));
}

}  // namespace photopages
