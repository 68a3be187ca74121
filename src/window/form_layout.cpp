#include "window/form_layout.h"

#include <algorithm>

#include "picture/picture_view.h"

namespace photopages {
namespace {

// Where the main window's visible children stand as designed, for a text height
// of kDesignTextHeight, relative to its client area. The picture view keeps its
// design rectangle until it sizes itself to a picture.
struct MainWindowDesign {
  Rect picture_view;
  Rect input_list;
  Rect title_close_block;
};

constexpr MainWindowDesign kMainWindowDesign = {
    .picture_view = {0, 0, PictureView::kDesignWidth,
                     PictureView::kDesignHeight},
    .input_list = {264, 0, 273, 129},
    .title_close_block = {16, 256, 161, 89},
};

// `value` * `numerator` / `denominator`, rounded to the nearest integer with
// halves away from zero; `denominator` is above 0.
int ScaledRounded(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

}  // namespace

int WindowFontPixels(int dots_per_inch) {
  return ScaledRounded(kWindowFontPixels, dots_per_inch, kDesignDotsPerInch);
}

int MeasuredTextHeight(int line_height, int font_pixels) {
  return line_height > 0 ? line_height : font_pixels;
}

int ScaleToTextHeight(int design_value, int text_height) {
  return ScaledRounded(design_value, text_height, kDesignTextHeight);
}

MainWindowLayout LayOutMainWindow(int text_height,
                                  std::optional<Size> picture_size) {
  auto scaled = [text_height](const Rect& design) {
    return Rect{ScaleToTextHeight(design.left, text_height),
                ScaleToTextHeight(design.top, text_height),
                ScaleToTextHeight(design.width, text_height),
                ScaleToTextHeight(design.height, text_height)};
  };
  MainWindowLayout layout;
  layout.picture_view = scaled(kMainWindowDesign.picture_view);
  if (picture_size) {
    layout.picture_view.width = picture_size->width;
    layout.picture_view.height = picture_size->height;
  }
  layout.input_list = scaled(kMainWindowDesign.input_list);
  layout.title_close_block = scaled(kMainWindowDesign.title_close_block);
  for (const Rect& child :
       {layout.picture_view, layout.input_list, layout.title_close_block}) {
    layout.client.width = std::max(layout.client.width, child.Right());
    layout.client.height = std::max(layout.client.height, child.Bottom());
  }
  return layout;
}

Point CentredPosition(Size screen, Size window) {
  return Point{std::max(0, (screen.width - window.width) / 2),
               std::max(0, (screen.height - window.height) / 2)};
}

Point CentredOnScreen(const Rect& screen, Size window) {
  const Point centred = CentredPosition({screen.width, screen.height}, window);
  return Point{screen.left + centred.left, screen.top + centred.top};
}

}  // namespace photopages
