#include "window/form_layout.h"

#include <gtest/gtest.h>

namespace photopages {
namespace {

TEST(FormLayoutTest, WindowIsBoundingBoxOfVisibleChildren) {
  struct {
    int text_height;
    std::optional<Size> picture;
    MainWindowLayout layout;
  } const cases[] = {
      // Before any photo the view keeps its design size.
      {12,
       std::nullopt,
       {{0, 0, 537, 489}, {264, 0, 273, 129}, {16, 256, 161, 89}, {537, 489}}},
      // A small photo: the input list and the title-close block set the size.
      {12,
       Size{100, 80},
       {{0, 0, 100, 80}, {264, 0, 273, 129}, {16, 256, 161, 89}, {537, 345}}},
      {12,
       Size{800, 300},
       {{0, 0, 800, 300}, {264, 0, 273, 129}, {16, 256, 161, 89}, {800, 345}}},
      {12,
       Size{300, 900},
       {{0, 0, 300, 900}, {264, 0, 273, 129}, {16, 256, 161, 89}, {537, 900}}},
      {12,
       Size{0, 0},
       {{0, 0, 0, 0}, {264, 0, 273, 129}, {16, 256, 161, 89}, {537, 345}}},
      // A taller font scales every design value, but not the photo's size.
      {13,
       Size{100, 80},
       {{0, 0, 100, 80}, {286, 0, 296, 140}, {17, 277, 174, 96}, {582, 373}}},
      {24,
       std::nullopt,
       {{0, 0, 1074, 978},
        {528, 0, 546, 258},
        {32, 512, 322, 178},
        {1074, 978}}},
      {9,
       Size{500, 200},
       {{0, 0, 500, 200}, {198, 0, 205, 97}, {12, 192, 121, 67}, {500, 259}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "text height " << c.text_height);
    const MainWindowLayout layout = LayOutMainWindow(c.text_height, c.picture);
    EXPECT_EQ(layout.picture_view, c.layout.picture_view);
    EXPECT_EQ(layout.input_list, c.layout.input_list);
    EXPECT_EQ(layout.title_close_block, c.layout.title_close_block);
    EXPECT_EQ(layout.client, c.layout.client);
  }
}

TEST(FormLayoutTest, ScalingRoundsHalvesAwayFromZero) {
  struct {
    int value, text_height, scaled;
  } const cases[] = {
      {537, 12, 537}, {6, 13, 7},    {18, 13, 20},   {137, 13, 148},
      {1, 6, 1},      {1, 5, 0},     {-6, 13, -7},   {0, 13, 0},
      {161, 15, 201}, {89, 15, 111}, {129, 18, 194},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ScaleToTextHeight(c.value, c.text_height), c.scaled)
        << c.value << " at " << c.text_height;
  }
}

// The font grows with the screen's resolution; the layout follows the text
// height measured for it, or the height asked for when none was measured.
TEST(FormLayoutTest, FontPixelsAndTextHeight) {
  struct {
    int dots_per_inch, font_pixels, measured, text_height;
  } const cases[] = {
      {96, 12, 12, 12}, {144, 18, 20, 20}, {120, 15, 16, 16},
      {100, 13, 0, 13}, {72, 9, -1, 9},    {192, 24, 0, 24},
  };
  for (const auto& c : cases) {
    const int font_pixels = WindowFontPixels(c.dots_per_inch);
    EXPECT_EQ(font_pixels, c.font_pixels) << c.dots_per_inch;
    EXPECT_EQ(MeasuredTextHeight(c.measured, font_pixels), c.text_height)
        << c.dots_per_inch;
  }
}

TEST(FormLayoutTest, CentredOnScreenCutTowardZeroAndClampedAtZero) {
  struct {
    Size screen, window;
    Point position;
  } const cases[] = {
      {{1024, 768}, {537, 345}, {243, 211}},
      {{1024, 768}, {800, 345}, {112, 211}},
      {{1024, 768}, {1024, 768}, {0, 0}},
      {{1024, 768}, {1025, 769}, {0, 0}},  // -1 / 2 is 0 when cut toward zero.
      {{1024, 768}, {1027, 300}, {0, 234}},
      {{1024, 768}, {4000, 3000}, {0, 0}},
      {{1920, 1080}, {537, 489}, {691, 295}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CentredPosition(c.screen, c.window), c.position)
        << c.window.width << "x" << c.window.height;
    // A screen whose corner is not the origin, such as a second monitor.
    EXPECT_EQ(
        CentredOnScreen({1280, -40, c.screen.width, c.screen.height}, c.window),
        (Point{1280 + c.position.left, -40 + c.position.top}));
  }
}

}  // namespace
}  // namespace photopages
