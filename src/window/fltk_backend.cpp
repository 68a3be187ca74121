#include "window/fltk_backend.h"

#include <FL/Fl.H>
#include <FL/fl_ask.H>
#include <FL/x.H>

#include "common/codepage.h"
#include "picture/jpeg_decode.h"
#include "window/error_box.h"
#include "window/fltk_screen.h"
#include "window/headless_backend.h"
#include "window/window_font.h"

namespace photopages {

std::unique_ptr<FltkBackend> FltkBackend::Connect() {
  if (fl_display == nullptr) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return nullptr;
    fl_open_display(display);
    Fl::get_system_colors();
    RegisterWindowFont();
  }
  return std::unique_ptr<FltkBackend>(new FltkBackend());
}

FltkBackend::FltkBackend()
    : text_height_(WindowFontTextHeight()),
      palette_colours_(fl_visual->depth <= 8 ? kPaletteColours : 0) {}

void FltkBackend::ShowErrorBox(const AnsiString& caption,
                               const AnsiString& text) {
  RunErrorBox(Utf8FromAnsi(caption), Utf8FromAnsi(text));
}

void FltkBackend::Beep() {
  fl_beep(FL_BEEP_DEFAULT);
  XFlush(fl_display);
}

std::unique_ptr<Form1Window> FltkBackend::BuildMainWindow(
    const AnsiString& title, const MainWindowContents& contents) const {
  const Form1Layout layout = LayOutForm1(text_height_, contents.image1_size);
  return std::make_unique<Form1Window>(
      Utf8FromAnsi(title), contents, layout,
      CentredOnScreen(PrimaryScreen(), layout.client), palette_colours_);
}

void FltkBackend::ShowMainWindowUntilClosed(
    const AnsiString& title, const MainWindowContents& contents) {
  std::unique_ptr<Form1Window> window = BuildMainWindow(title, contents);
  window->Show();
  while (window->shown()) Fl::wait();
}

std::unique_ptr<WindowBackend> OpenWindowBackend() {
  if (std::unique_ptr<FltkBackend> fltk = FltkBackend::Connect()) return fltk;
  return std::make_unique<HeadlessBackend>();
}

}  // namespace photopages
