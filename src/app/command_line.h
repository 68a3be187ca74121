// Splitting of the raw command line into arguments.
#ifndef PHOTOPAGES_APP_COMMAND_LINE_H_
#define PHOTOPAGES_APP_COMMAND_LINE_H_

#include <string_view>
#include <vector>

#include "common/ansi.h"

namespace photopages {

// Splits `raw` in one scan. Element 0 is the first token (the executable
// path); the rest are the arguments, up to the first empty token. Bytes 0x01
// to 0x20 separate tokens; a pair of double quotes where a token would start
// is skipped; a double quote opens a quoted stretch that runs to the next
// double quote or the end, spaces included; quote characters are never
// collected and there is no escape. An unquoted run is cut after 4096
// collected bytes, the rest starting the next token.
std::vector<AnsiString> SplitCommandLine(std::string_view raw);

}  // namespace photopages

#endif  // PHOTOPAGES_APP_COMMAND_LINE_H_
