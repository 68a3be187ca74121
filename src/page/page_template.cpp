#include "page/page_template.h"

namespace photopages {
namespace {

constexpr std::string_view kPageHead =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
    "<HTML>\r\n"
    "<HEAD>\r\n"
    "<META http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=Shift_JIS\">\r\n"
    "<META name=\"GENERATOR\" content=\"Quillaro ver.1\">\r\n"
    "<META http-equiv=\"Content-Style-Type\" content=\"text/css\">\r\n";

constexpr std::string_view kTitleCloseBlock =
    "</TITLE>\r\n"
    "</HEAD>\r\n"
    "<BODY>\r\n";

constexpr std::string_view kPageFoot =
    "</BODY>\r\n"
    "</HTML>\r\n"
    " \r\n";

static_assert(kPageHead.size() == 263);
static_assert(kTitleCloseBlock.size() == 27);
static_assert(kPageFoot.size() == 21);

}  // namespace

std::string_view PageHead() { return kPageHead; }
std::string_view TitleCloseBlock() { return kTitleCloseBlock; }
std::string_view PageFoot() { return kPageFoot; }

}  // namespace photopages
