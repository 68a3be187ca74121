#include "window/fltk_backend.h"

#include <FL/Fl.H>
#include <FL/fl_ask.H>
#include <FL/x.H>
#include <unistd.h>

#include "window/fltk_error_box.h"
#include "window/fltk_main_window.h"
#include "window/fltk_window_font.h"
#include "window/headless_backend.h"

namespace photopages {

std::unique_ptr<WindowBackend> NewSystemWindowBackend() {
  if (auto fltk = FltkBackend::Connect()) return fltk;
  return std::make_unique<HeadlessBackend>(isatty(STDERR_FILENO) != 0);
}

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

void FltkBackend::ShowErrorBox(const AnsiString& caption,
                               const AnsiString& text) {
  RunErrorBox(caption, text);
}

void FltkBackend::Beep() {
  fl_beep(FL_BEEP_DEFAULT);
  XFlush(fl_display);
}

void FltkBackend::RunMainWindow(const AnsiString& title,
                                MainWindowEvents& events) {
  events.Created();
  if (events.FirstShow()) return;
  std::unique_ptr<MainWindow> window =
      MainWindow::Create(title, events.Contents());
  window->Show();
  while (window->shown()) Fl::wait();
}

}  // namespace photopages
