// Where the main window's visible children sit and where the window goes on
// the screen. Plain arithmetic, so that it holds for any backend.
#ifndef PHOTOPAGES_WINDOW_FORM_LAYOUT_H_
#define PHOTOPAGES_WINDOW_FORM_LAYOUT_H_

#include <optional>

namespace photopages {

// The pixel size the window's texts are drawn at: the height that the
// window's font (Message::kWindowFontName) is asked for on a screen of
// kDesignDotsPerInch.
inline constexpr int kWindowFontPixels = 12;
inline constexpr int kDesignDotsPerInch = 96;

// The text height, in pixels, of the window's font that the design
// positions and sizes assume.
inline constexpr int kDesignTextHeight = 12;

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool operator==(const Rect&) const = default;
};

struct Point {
  int left = 0;
  int top = 0;
  bool operator==(const Point&) const = default;
};

// The visible children of the main window, relative to its client area, and the
// client size, which is their bounding box.
struct MainWindowLayout {
  Rect picture_view;
  Rect input_list;
  Rect title_close_block;
  Size client;
  bool operator==(const MainWindowLayout&) const = default;
};

// The height the window's font is asked for on a screen of `dots_per_inch`:
// kWindowFontPixels in proportion (18 at 144), rounded to the nearest pixel
// with halves away from zero.
int WindowFontPixels(int dots_per_inch);

// The text height the layout is scaled for, from `line_height`, the height
// that the system measured for the window's font asked `font_pixels` high:
// `line_height`, or `font_pixels` when the system could not measure the font
// (`line_height` 0 or less).
int MeasuredTextHeight(int line_height, int font_pixels);

// A design value scaled by `text_height` / 12, rounded to the nearest pixel
// with halves away from zero.
int ScaleToTextHeight(int design_value, int text_height);

// Lays out the main window for a font of `text_height` pixels. `picture_size`
// is the size the picture view took from its picture; without one the view
// keeps its design size, scaled like everything else.
MainWindowLayout LayOutMainWindow(int text_height,
                                  std::optional<Size> picture_size);

// The top-left corner that centres `window` on `screen`: each half of the
// difference cut toward zero, a negative result replaced by 0, so that a
// window larger than the screen starts at its top-left corner.
Point CentredPosition(Size screen, Size window);

// CentredPosition on the area `screen`, in the coordinates of the screen's
// own top-left corner.
Point CentredOnScreen(const Rect& screen, Size window);

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_FORM_LAYOUT_H_
