#include "page/page_template.h"

namespace photopages {
namespace {

constexpr std::string_view kMemo1 =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
    "<HTML>\r\n"
    "<HEAD>\r\n"
    "<META http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=Shift_JIS\">\r\n"
    "<META name=\"GENERATOR\" content=\"Quillaro ver.1\">\r\n"
    "<META http-equiv=\"Content-Style-Type\" content=\"text/css\">\r\n";

constexpr std::string_view kMemo1B =
    "</TITLE>\r\n"
    "</HEAD>\r\n"
    "<BODY>\r\n";

constexpr std::string_view kMemo2 =
    "</BODY>\r\n"
    "</HTML>\r\n"
    " \r\n";

static_assert(kMemo1.size() == 263);
static_assert(kMemo1B.size() == 27);
static_assert(kMemo2.size() == 21);

}  // namespace

std::string_view Memo1() { return kMemo1; }
std::string_view Memo1B() { return kMemo1B; }
std::string_view Memo2() { return kMemo2; }

}  // namespace photopages
