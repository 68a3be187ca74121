// The three fixed blocks of text that every photo page is built from. They are
// held here once; the page writer joins them with the photo's own pieces and
// the run window shows the title-close block. Each block's text is its lines
// in order, every line (the last one included) followed by CR LF.
#ifndef PHOTOPAGES_PAGE_PAGE_TEMPLATE_H_
#define PHOTOPAGES_PAGE_PAGE_TEMPLATE_H_

#include <string_view>

namespace photopages {

// The head block: the document type declaration, the opening HTML and HEAD
// tags and the three META elements (Shift_JIS content, generator, CSS).
// 263 bytes.
std::string_view PageHead();

// The title-close block: "</TITLE>", "</HEAD>", "<BODY>". 27 bytes.
std::string_view TitleCloseBlock();

// The foot block: "</BODY>", "</HTML>" and a line of one space. 21 bytes.
std::string_view PageFoot();

}  // namespace photopages

#endif  // PHOTOPAGES_PAGE_PAGE_TEMPLATE_H_
