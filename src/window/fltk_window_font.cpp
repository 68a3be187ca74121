#include "window/fltk_window_font.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xft/Xft.h>
#include <fontconfig/fontconfig.h>

#include <string>

#include "common/codepage.h"
#include "common/messages.h"

namespace photopages {
namespace {

const std::string& FamilyUtf8() {
  static const std::string family =
      Utf8FromAnsi(MessageText(Message::kWindowFontName));
  return family;
}

}  // namespace

void RegisterWindowFont() {
  // Loaded into fontconfig once; FLTK reads a leading space in a font name as
  // the regular style.
  static const std::string fltk_name = [] {
    const std::string alias =
        "<?xml version=\"1.0\"?>"
        "<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">"
        "<fontconfig><alias binding=\"same\"><family>" +
        FamilyUtf8() +
        "</family><accept><family>IPAPGothic</family></accept></alias>"
        "</fontconfig>";
    FcInit();
    FcConfigParseAndLoadFromMemory(
        FcConfigGetCurrent(), reinterpret_cast<const FcChar8*>(alias.c_str()),
        FcFalse);
    return " " + FamilyUtf8();
  }();
  Fl::set_font(kWindowFont, fltk_name.c_str());
}

int WindowFontTextHeight() {
  XftFont* font =
      XftFontOpen(fl_display, fl_screen, XFT_FAMILY, XftTypeString,
                  FamilyUtf8().c_str(), XFT_PIXEL_SIZE, XftTypeDouble,
                  static_cast<double>(kWindowFontPixels), nullptr);
  const int line_height = font != nullptr ? font->height : 0;
  if (font != nullptr) XftFontClose(fl_display, font);
  return MeasuredTextHeight(line_height, kWindowFontPixels);
}

}  // namespace photopages
