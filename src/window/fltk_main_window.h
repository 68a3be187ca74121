// The main window on the screen: borderless, with the picture view,
// the input list and the title-close block, as it stands after the run.
#ifndef PHOTOPAGES_WINDOW_FLTK_MAIN_WINDOW_H_
#define PHOTOPAGES_WINDOW_FLTK_MAIN_WINDOW_H_

#include <FL/Fl_Double_Window.H>

#include <memory>
#include <string>

#include "common/ansi.h"
#include "window/backend.h"
#include "window/form_layout.h"

namespace photopages {

class MainWindow : public Fl_Double_Window {
 public:
  // The window for `contents` on the open display, not yet shown: laid out
  // for the window font's text height and centred on the primary screen; the
  // picture view decodes the photo on first drawing, reduced to the
  // screen's palette (ScreenPaletteColours()).
  // `title` labels the window for the window manager and the taskbar and is
  // its window class. What `contents.picture_decoder` refers to must outlive
  // the window.
  // Requires RegisterWindowFont().
  static std::unique_ptr<MainWindow> Create(const AnsiString& title,
                                            const MainWindowContents& contents);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Maps the window and names its role "Form1", the window's caption. The
  // window exists on the X server when this returns.
  void Show();

 private:
  // The window with its children at `layout` and its client area at
  // `position` on the screen; `title` is UTF-8.
  MainWindow(const std::string& title, const MainWindowContents& contents,
             const MainWindowLayout& layout, Point position,
             int palette_colours);

  std::string title_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_FLTK_MAIN_WINDOW_H_
