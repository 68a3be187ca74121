// Multi-line text as the page writer and the run window hold it: a list of
// lines, written each followed by CR LF.
#ifndef PHOTOPAGES_PAGE_TEXT_LINES_H_
#define PHOTOPAGES_PAGE_TEXT_LINES_H_

#include <string_view>
#include <vector>

#include "common/ansi.h"

namespace photopages {

// The lines of `text`. CR LF, a lone CR and a lone LF each end a line (LF
// followed by CR is two line ends). A line end at the very end of the text
// does not start another, empty line; empty lines inside the text stay. The
// lines view `text`.
std::vector<std::string_view> SplitLines(std::string_view text);

// Every line of `lines` followed by CR LF, the last one included.
AnsiString JoinLinesCrLf(const std::vector<std::string_view>& lines);

}  // namespace photopages

#endif  // PHOTOPAGES_PAGE_TEXT_LINES_H_
