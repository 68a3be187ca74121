#include "window/windows_main_window.h"

#include <optional>

#include "common/windows_codepage.h"
#include "window/windows_screen.h"
#include "window/windows_window_class.h"
#include "window/windows_window_font.h"

namespace photopages {
namespace {

constexpr wchar_t kClassName[] = L"TForm1";
constexpr wchar_t kCaption[] = L"Form1";

// The height of the input list's rows as designed, for a text height of
// kDesignTextHeight.
constexpr int kListRowHeight = 12;

}  // namespace

MainWindow::MainWindow(HWND owner, int text_height, int palette_colours)
    : text_height_(text_height), font_(CreateWindowFont()) {
  RegisterWindowClass(kClassName, Procedure);
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const MainWindowLayout layout = LayOutMainWindow(text_height, std::nullopt);
  window_ = CreateWindowExW(0, kClassName, kCaption,
                            WS_POPUP | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0,
                            layout.client.width, layout.client.height, owner,
                            nullptr, instance, nullptr);
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  auto child = [&](const wchar_t* window_class, DWORD style, const Rect& at,
                   int id) {
    HWND control = CreateWindowExW(
        WS_EX_CLIENTEDGE, window_class, L"",
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | style, at.left,
        at.top, at.width, at.height, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return control;
  };
  // Without LBS_SORT the list keeps the order of its entries; without
  // integral height it keeps its designed height.
  input_list_ =
      child(L"LISTBOX", WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
            layout.input_list, kInputListId);
  SendMessageW(input_list_, LB_SETITEMHEIGHT, 0,
               ScaleToTextHeight(kListRowHeight, text_height));
  title_close_block_ =
      child(L"EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
            layout.title_close_block, kTitleCloseBlockId);
  // Made last, so that it goes below every control: the photo is the
  // window's background, and the input list and the title-close block are
  // drawn whole on top of it, whatever its size.
  picture_view_ = std::make_unique<PictureViewWindow>(
      window_, kPictureViewId, layout.picture_view, palette_colours);
}

MainWindow::~MainWindow() {
  DestroyWindow(window_);
  DeleteObject(font_);
}

void MainWindow::Show(const MainWindowContents& contents, bool maximized) {
  const MainWindowLayout layout =
      LayOutMainWindow(text_height_, contents.picture_size);
  const Rect& image = layout.picture_view;
  MoveWindow(picture_view_->handle(), image.left, image.top, image.width,
             image.height, FALSE);
  picture_view_->SetPicture(contents.picture_decoder);
  SendMessageW(input_list_, LB_RESETCONTENT, 0, 0);
  for (const AnsiString& entry : contents.input_list) {
    SendMessageW(input_list_, LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(WideFromAnsi(entry).c_str()));
  }
  SetWindowTextW(title_close_block_,
                 WideFromAnsi(contents.title_close_block).c_str());
  const Point at = CentredOnScreen(PrimaryScreen(), layout.client);
  SetWindowPos(window_, nullptr, at.left, at.top, layout.client.width,
               layout.client.height, SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(window_, maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  UpdateWindow(window_);
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wparam,
                                       LPARAM lparam) {
  // Closing the main window, by Alt+F4 or the taskbar entry's Close, ends
  // the event loop; the window itself goes with the program.
  if (message == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace photopages
