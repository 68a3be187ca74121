#include "window/form_layout.h"

#include <algorithm>

namespace photopages {

int ScaleToTextHeight(int design_value, int text_height) {
  const long long product = static_cast<long long>(design_value) * text_height;
  const long long half = kDesignTextHeight / 2;
  return static_cast<int>(product >= 0 ? (product + half) / kDesignTextHeight
                                       : (product - half) / kDesignTextHeight);
}

Form1Layout LayOutForm1(int text_height, std::optional<Size> picture_size) {
  auto scaled = [text_height](int left, int top, int width, int height) {
    return Rect{ScaleToTextHeight(left, text_height),
                ScaleToTextHeight(top, text_height),
                ScaleToTextHeight(width, text_height),
                ScaleToTextHeight(height, text_height)};
  };
  Form1Layout layout;
  layout.image1 = scaled(0, 0, kImage1DesignWidth, kImage1DesignHeight);
  if (picture_size) {
    layout.image1.width = picture_size->width;
    layout.image1.height = picture_size->height;
  }
  layout.list_box1 = scaled(264, 0, 273, 129);
  layout.memo1b = scaled(16, 256, 161, 89);
  for (const Rect& child : {layout.image1, layout.list_box1, layout.memo1b}) {
    layout.client.width = std::max(layout.client.width, child.Right());
    layout.client.height = std::max(layout.client.height, child.Bottom());
  }
  return layout;
}

Point CentredPosition(Size screen, Size window) {
  return Point{std::max(0, (screen.width - window.width) / 2),
               std::max(0, (screen.height - window.height) / 2)};
}

}  // namespace photopages
