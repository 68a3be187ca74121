#include "window/windows_picture_view.h"

#include <optional>
#include <utility>

#include "window/windows_window_class.h"

namespace photopages {
namespace {

constexpr wchar_t kClassName[] = L"TImage";

}  // namespace

PictureViewWindow::PictureViewWindow(HWND parent, int id, const Rect& at,
                                     int palette_colours)
    : palette_colours_(palette_colours) {
  RegisterWindowClass(kClassName, Procedure);
  window_ = CreateWindowExW(0, kClassName, L"",
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, at.left,
                            at.top, at.width, at.height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), this);
  SetWindowPos(window_, HWND_BOTTOM, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void PictureViewWindow::SetPicture(PictureDecoder decoder) {
  decoder_ = std::move(decoder);
  decoded_ = false;
  bits_.clear();
  InvalidateRect(window_, nullptr, TRUE);
}

LRESULT CALLBACK PictureViewWindow::Procedure(HWND window, UINT message,
                                              WPARAM wparam, LPARAM lparam) {
  auto* view = WindowObject<PictureViewWindow>(window, message, lparam);
  if (message == WM_PAINT && view != nullptr) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    view->Paint(dc);
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

void PictureViewWindow::Paint(HDC dc) {
  if (!decoded_) {
    decoded_ = true;
    if (!decoder_) return;
    const std::optional<DisplayPicture> picture = decoder_(palette_colours_);
    if (!picture) return;
    const size_t stride = (static_cast<size_t>(picture->width) * 3 + 3) & ~3u;
    bits_.assign(stride * picture->height, 0);
    for (int y = 0; y < picture->height; ++y) {
      const unsigned char* rgb =
          picture->rgb.data() + static_cast<size_t>(y) * picture->width * 3;
      unsigned char* bgr = bits_.data() + y * stride;
      for (int x = 0; x < picture->width; ++x, rgb += 3, bgr += 3) {
        bgr[0] = rgb[2];
        bgr[1] = rgb[1];
        bgr[2] = rgb[0];
      }
    }
    BITMAPINFOHEADER& header = bitmap_info_.bmiHeader;
    header.biSize = sizeof header;
    header.biWidth = picture->width;
    header.biHeight = -picture->height;  // Top row first.
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
  }
  if (bits_.empty()) return;
  const BITMAPINFOHEADER& header = bitmap_info_.bmiHeader;
  SetDIBitsToDevice(dc, 0, 0, header.biWidth, -header.biHeight, 0, 0, 0,
                    -header.biHeight, bits_.data(), &bitmap_info_,
                    DIB_RGB_COLORS);
}

}  // namespace photopages
