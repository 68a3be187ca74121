#include "page/photo_page.h"

#include <algorithm>
#include <initializer_list>

#include "common/paths.h"
#include "page/page_template.h"
#include "page/text_lines.h"
#include "platform/file_ops.h"

namespace photopages {

AnsiString PhotoPageText(std::string_view page_name,
                         std::string_view picture_file_name,
                         std::string_view width_text,
                         std::string_view height_text) {
  // Every line ends in CR LF, the heading's too. The fixed pieces hold their
  // line ends so already; the lines are made over only when a name or size
  // holds a line end of its own.
  const std::string_view given[] = {page_name, picture_file_name, width_text,
                                    height_text};
  const std::initializer_list<std::string_view> pieces = {
      PageHead(),        "<TITLE>",     page_name,
      TitleCloseBlock(), "<H1>",        page_name,
      "</H1>",           "\r\n",        "<P align=\"center\"><IMG src=\"",
      picture_file_name, "\" width=\"", width_text,
      "\" height=\"",    height_text,   "\" border=\"0\"></P>",
      PageFoot(),
  };
  size_t size = 0;
  for (std::string_view piece : pieces) size += piece.size();
  AnsiString joined(size, '\0');
  char* out = joined.data();
  for (std::string_view piece : pieces) {
    out = std::copy_n(piece.data(), piece.size(), out);
  }
  for (std::string_view text : given) {
    // Two searches for a byte each: the C library's, much faster than a
    // loop that tests every byte for both.
    if (text.find('\r') != std::string_view::npos ||
        text.find('\n') != std::string_view::npos) {
      return JoinLinesCrLf(SplitLines(joined));
    }
  }
  return joined;
}

void WritePhotoPage(Platform& platform, const AnsiString& page_path,
                    const AnsiString& picture_file_name,
                    const AnsiString& width_text,
                    const AnsiString& height_text) {
  const PathSyntax& paths = platform.Paths();
  AnsiString page_name =
      ChangeFileExt(ExtractFileName(page_path, paths), "", paths);
  WriteFileReplacing(
      platform, page_path,
      PhotoPageText(page_name, picture_file_name, width_text, height_text));
}

}  // namespace photopages
