#include "window/fltk_main_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Multiline_Input.H>
#include <FL/Fl_Widget.H>
#include <FL/x.H>

#include <memory>

#include "common/codepage.h"
#include "window/fltk_picture_view.h"
#include "window/fltk_screen.h"
#include "window/fltk_window_font.h"

namespace photopages {
namespace {

constexpr char kCaption[] = "Form1";

// `ansi` as UTF-8 with CR LF line ends turned into LF.
std::string DisplayText(const AnsiString& ansi) {
  std::string text = Utf8FromAnsi(ansi);
  std::erase(text, '\r');
  return text;
}

// The window manager's close request ends the window; Escape, which FLTK
// would treat the same way, does not.
void CloseUnlessEscape(Fl_Widget* window, void*) {
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
  window->hide();
}

}  // namespace

std::unique_ptr<MainWindow> MainWindow::Create(
    const AnsiString& title, const MainWindowContents& contents) {
  const MainWindowLayout layout =
      LayOutMainWindow(WindowFontTextHeight(), contents.picture_size);
  return std::unique_ptr<MainWindow>(new MainWindow(
      Utf8FromAnsi(title), contents, layout,
      CentredOnScreen(PrimaryScreen(), layout.client), ScreenPaletteColours()));
}

MainWindow::MainWindow(const std::string& title,
                       const MainWindowContents& contents,
                       const MainWindowLayout& layout, Point position,
                       int palette_colours)
    : Fl_Double_Window(position.left, position.top, layout.client.width,
                       layout.client.height),
      title_(title) {
  border(0);
  label(title_.c_str(), title_.c_str());
  xclass(title_.c_str());
  color(FL_BACKGROUND_COLOR);
  callback(CloseUnlessEscape);

  auto* picture_view =
      new PictureViewWindow(layout.picture_view, palette_colours);
  picture_view->SetPicture(contents.picture_decoder);

  const Rect& list = layout.input_list;
  auto* input_list =
      new Fl_Hold_Browser(list.left, list.top, list.width, list.height);
  input_list->format_char(0);
  input_list->textfont(kWindowFont);
  input_list->textsize(kWindowFontPixels);
  for (const AnsiString& entry : contents.input_list) {
    input_list->add(Utf8FromAnsi(entry).c_str());
  }

  const Rect& memo = layout.title_close_block;
  auto* title_close_block =
      new Fl_Multiline_Input(memo.left, memo.top, memo.width, memo.height);
  title_close_block->textfont(kWindowFont);
  title_close_block->textsize(kWindowFontPixels);
  title_close_block->value(DisplayText(contents.title_close_block).c_str());
  end();
}

void MainWindow::Show() {
  show();
  const Atom role = XInternAtom(fl_display, "WM_WINDOW_ROLE", False);
  XChangeProperty(fl_display, fl_xid(this), role, XA_STRING, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(kCaption),
                  sizeof(kCaption) - 1);
  XSync(fl_display, False);
}

}  // namespace photopages
