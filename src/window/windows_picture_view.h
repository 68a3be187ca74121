// The picture view on Win32: a child window that draws the last
// photo loaded at its full size at its top-left corner, decoded through
// libjpeg when the view is first painted.
#ifndef PHOTOPAGES_WINDOW_WINDOWS_PICTURE_VIEW_H_
#define PHOTOPAGES_WINDOW_WINDOWS_PICTURE_VIEW_H_

#include <vector>

#include "common/windows_api.h"
#include "window/backend.h"
#include "window/form_layout.h"

namespace photopages {

class PictureViewWindow {
 public:
  // An empty view at `at` in `parent`, with the control id `id`, below the
  // siblings made before it. `palette_colours` as DecodeJpegForDisplay takes
  // them.
  PictureViewWindow(HWND parent, int id, const Rect& at, int palette_colours);
  PictureViewWindow(const PictureViewWindow&) = delete;
  PictureViewWindow& operator=(const PictureViewWindow&) = delete;

  // Shows the picture that `decoder` decodes, from the next painting on; what
  // it refers to must outlive the window. A picture it cannot decode leaves
  // the view empty.
  void SetPicture(PictureDecoder decoder);

  HWND handle() const { return window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam,
                                    LPARAM lparam);
  void Paint(HDC dc);

  HWND window_ = nullptr;
  int palette_colours_;
  PictureDecoder decoder_;
  bool decoded_ = false;
  // The decoded photo as a top-down device-independent bitmap: 24-bit pixels
  // in blue, green, red order, each row padded to four bytes.
  BITMAPINFO bitmap_info_ = {};
  std::vector<unsigned char> bits_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_WINDOWS_PICTURE_VIEW_H_
