// A second client of the X server for the window tests, acting as the window
// manager or the user would: it finds windows, reads their geometry,
// properties and pixels, presses keys and asks windows to close.
#ifndef PHOTOPAGES_WINDOW_FLTK_X_CLIENT_FOR_TEST_H_
#define PHOTOPAGES_WINDOW_FLTK_X_CLIENT_FOR_TEST_H_

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string>
#include <vector>

#include "window/form_layout.h"

namespace photopages {

class XClient {
 public:
  XClient() : display_(XOpenDisplay(nullptr)) {}
  // True when the X display could be reached.
  bool Connected() const { return display_ != nullptr; }
  ~XClient() {
    if (display_) XCloseDisplay(display_);
  }
  XClient(const XClient&) = delete;
  XClient& operator=(const XClient&) = delete;

  // The screen's size.
  Size ScreenSize() {
    return {DisplayWidth(display_, DefaultScreen(display_)),
            DisplayHeight(display_, DefaultScreen(display_))};
  }

  // The top-level windows that are on the screen and carry `class_name` as
  // their window class, bottom to top.
  std::vector<Window> ViewableWindowsOfClass(const std::string& class_name) {
    Window root, parent;
    Window* children = nullptr;
    unsigned count = 0;
    std::vector<Window> found;
    if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent,
                    &children, &count)) {
      return found;
    }
    for (unsigned i = 0; i < count; ++i) {
      const std::string wm_class = Property(children[i], "WM_CLASS");
      if (Viewable(children[i]) &&
          wm_class.substr(0, wm_class.find('\0')) == class_name) {
        found.push_back(children[i]);
      }
    }
    XFree(children);
    return found;
  }

  bool Viewable(Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display_, window, &attributes) &&
           attributes.map_state == IsViewable;
  }

  // The window's client area on the screen: left, top, width, height.
  Rect Geometry(Window window) {
    XWindowAttributes attributes;
    XGetWindowAttributes(display_, window, &attributes);
    int left, top;
    Window child;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0,
                          &left, &top, &child);
    return {left, top, attributes.width, attributes.height};
  }

  std::string Property(Window window, const char* name) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    XGetWindowProperty(display_, window, XInternAtom(display_, name, False), 0,
                       1024, False, AnyPropertyType, &type, &format, &count,
                       &after, &data);
    std::string value(reinterpret_cast<char*>(data), data ? count : 0);
    XFree(data);
    return value;
  }

  // The colour at `x`, `y` of `window`, as 0xRRGGBB.
  unsigned long Pixel(Window window, int x, int y) {
    XImage* image = XGetImage(display_, window, x, y, 1, 1, AllPlanes, ZPixmap);
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel & 0xFFFFFF;
  }

  // Asks `window` to close, as a window manager's close command does.
  void RequestClose(Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = XInternAtom(display_, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &event);
    XFlush(display_);
  }

  // Presses and releases the key `keysym` in `window`.
  void PressKey(Window window, KeySym keysym) {
    XEvent event{};
    event.xkey.display = display_;
    event.xkey.window = window;
    event.xkey.root = DefaultRootWindow(display_);
    event.xkey.same_screen = True;
    event.xkey.keycode = XKeysymToKeycode(display_, keysym);
    event.xkey.time = CurrentTime;
    for (int type : {KeyPress, KeyRelease}) {
      event.xkey.type = type;
      XSendEvent(display_, window, True,
                 type == KeyPress ? KeyPressMask : KeyReleaseMask, &event);
    }
    XFlush(display_);
  }

 private:
  Display* display_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_WINDOW_FLTK_X_CLIENT_FOR_TEST_H_
