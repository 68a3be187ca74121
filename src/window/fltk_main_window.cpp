#include "window/fltk_main_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Multiline_Input.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Widget.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <memory>
#include <optional>
#include <utility>

#include "common/codepage.h"
#include "picture/display_picture.h"
#include "window/fltk_screen.h"
#include "window/fltk_window_font.h"

namespace photopages {
namespace {

constexpr char kCaption[] = "Form1";

// The picture view: draws its photo at full size at its top-left
// corner, decoded when it is first drawn. A photo the decoder cannot read
// leaves the view empty.
class PictureBox : public Fl_Widget {
 public:
  PictureBox(const Rect& at, PictureDecoder decoder, int palette_colours)
      : Fl_Widget(at.left, at.top, at.width, at.height),
        decoder_(std::move(decoder)),
        palette_colours_(palette_colours) {}

  void draw() override {
    fl_push_clip(x(), y(), w(), h());
    fl_rectf(x(), y(), w(), h(), window()->color());
    if (!decoded_) {
      decoded_ = true;
      if (decoder_) picture_ = decoder_(palette_colours_);
      if (picture_) {
        image_ = std::make_unique<Fl_RGB_Image>(
            picture_->rgb.data(), picture_->width, picture_->height, 3);
      }
    }
    if (image_) image_->draw(x(), y());
    fl_pop_clip();
  }

 private:
  PictureDecoder decoder_;
  int palette_colours_;
  bool decoded_ = false;
  std::optional<DisplayPicture> picture_;
  std::unique_ptr<Fl_RGB_Image> image_;
};

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
  const int palette_colours = fl_visual->depth <= 8 ? kPaletteColours : 0;
  return std::unique_ptr<MainWindow>(new MainWindow(
      Utf8FromAnsi(title), contents, layout,
      CentredOnScreen(PrimaryScreen(), layout.client), palette_colours));
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

  new PictureBox(layout.picture_view, contents.picture_decoder,
                 palette_colours);

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
