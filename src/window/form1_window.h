// TForm1 on the screen: the borderless main window with the picture view,
// the input list and the title-close block, as it stands after the run.
#ifndef PHOTOPAGES_WINDOW_FORM1_WINDOW_H_
#define PHOTOPAGES_WINDOW_FORM1_WINDOW_H_

#include <FL/Fl_Double_Window.H>

#include <string>

#include "window/backend.h"
#include "window/form_layout.h"

namespace photopages {

class Form1Window : public Fl_Double_Window {
 public:
  // Builds the window for `contents`, its children at `layout`, its client
  // area at `position` on the screen. The picture view decodes the photo on
  // first drawing, reduced to `palette_colours` colours when that is above 0.
  // `title` (UTF-8) labels the window for the window manager and the taskbar
  // and is its window class. `contents.image1_jpeg` must outlive the window.
  Form1Window(const std::string& title, const MainWindowContents& contents,
              const Form1Layout& layout, Point position, int palette_colours);
  Form1Window(const Form1Window&) = delete;
  Form1Window& operator=(const Form1Window&) = delete;

  // Maps the window and names its role "Form1", the window's caption. The
  // window exists on the X server when this returns.
  void Show();

 private:
  std::string title_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_FORM1_WINDOW_H_
