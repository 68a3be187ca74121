// The main window on Win32: borderless, with the picture view, the input
// list (a list box that keeps its order) and the title-close block (a
// multi-line edit control), in the window's font. It exists, hidden, from
// start-up on, and is shown after a run that stopped.
#ifndef PHOTOPAGES_WINDOW_WINDOWS_MAIN_WINDOW_H_
#define PHOTOPAGES_WINDOW_WINDOWS_MAIN_WINDOW_H_

#include <memory>

#include "common/windows_api.h"
#include "window/backend.h"
#include "window/form_layout.h"
#include "window/windows_picture_view.h"

namespace photopages {

// The control ids of the main window's children.
inline constexpr int kPictureViewId = 1;
inline constexpr int kInputListId = 2;
inline constexpr int kTitleCloseBlockId = 3;

class MainWindow {
 public:
  // The window, hidden, owned by `owner`: no caption bar and no frame,
  // caption "Form1", the button face colour; the children at their design
  // places scaled for `text_height` (WindowFontTextHeight() as the screen
  // has it), in the window's font (CreateWindowFont()), the window sized to
  // them. The picture view reduces photos to `palette_colours`
  // (ScreenPaletteColours()).
  MainWindow(HWND owner, int text_height, int palette_colours);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Puts `contents` in the children (what contents.picture_decoder refers to
  // must outlive the window), sizes the window to the bounding box of its
  // visible children, places it once, centred on the primary screen, and shows
  // it; maximized when `maximized`.
  void Show(const MainWindowContents& contents, bool maximized);

  HWND handle() const { return window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam,
                                    LPARAM lparam);

  int text_height_;
  HFONT font_;
  HWND window_ = nullptr;
  std::unique_ptr<PictureViewWindow> picture_view_;
  HWND input_list_ = nullptr;
  HWND title_close_block_ = nullptr;
};

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_WINDOWS_MAIN_WINDOW_H_
