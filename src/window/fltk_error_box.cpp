#include "window/fltk_error_box.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <string>

#include "common/codepage.h"
#include "window/fltk_screen.h"
#include "window/fltk_window_font.h"
#include "window/form_layout.h"

namespace photopages {
namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;

// The stop icon: a red disc with a white cross.
class StopIcon : public Fl_Widget {
 public:
  StopIcon(int x, int y) : Fl_Widget(x, y, kIconSize, kIconSize) {}
  void draw() override {
    fl_color(fl_rgb_color(200, 30, 30));
    fl_pie(x(), y(), w(), h(), 0, 360);
    fl_color(FL_WHITE);
    fl_line_style(FL_SOLID | FL_CAP_ROUND, 4);
    const int inset = w() * 3 / 10;
    fl_line(x() + inset, y() + inset, x() + w() - inset, y() + h() - inset);
    fl_line(x() + w() - inset, y() + inset, x() + inset, y() + h() - inset);
    fl_line_style(0);
  }
};

// The message, its label drawn as it is: no "@" symbols, no shortcut marks.
class MessageText : public Fl_Widget {
 public:
  MessageText(int x, int y, int w, int h, const std::string& text)
      : Fl_Widget(x, y, w, h) {
    copy_label(text.c_str());
    align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
  }
  void draw() override {
    fl_font(kWindowFont, kWindowFontPixels);
    fl_color(FL_FOREGROUND_COLOR);
    fl_draw(label(), x(), y(), w(), h(), align(), nullptr, 0);
  }
};

}  // namespace

void RunErrorBox(const AnsiString& caption_ansi, const AnsiString& text_ansi) {
  const std::string caption = Utf8FromAnsi(caption_ansi);
  const std::string text = Utf8FromAnsi(text_ansi);
  const Rect screen = PrimaryScreen();

  fl_font(kWindowFont, kWindowFontPixels);
  int text_w = std::max(screen.width * 5 / 8 - kIconSize - 3 * kMargin, 1);
  int text_h = 0;
  fl_measure(text.c_str(), text_w, text_h, 0);
  text_h = std::max(text_h, kIconSize);

  const int content_w = kIconSize + kMargin + text_w;
  const int box_w = 2 * kMargin + std::max(content_w, kButtonWidth);
  const int box_h = 3 * kMargin + text_h + kButtonHeight;
  const Point at = CentredOnScreen(screen, {box_w, box_h});

  Fl_Window box(at.left, at.top, box_w, box_h);
  box.copy_label(caption.c_str());
  box.xclass(caption.c_str());
  StopIcon icon(kMargin, kMargin);
  MessageText message(2 * kMargin + kIconSize, kMargin, text_w, text_h, text);
  Fl_Button ok((box_w - kButtonWidth) / 2, 2 * kMargin + text_h, kButtonWidth,
               kButtonHeight, "OK");
  ok.labelfont(kWindowFont);
  ok.labelsize(kWindowFontPixels);
  ok.shortcut(FL_Enter);
  ok.callback([](Fl_Widget* button, void*) { button->window()->hide(); });
  box.end();
  box.set_modal();
  box.show();
  ok.take_focus();
  while (box.shown()) Fl::wait();
}

}  // namespace photopages
