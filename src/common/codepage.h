// Conversion between code page 932 and UTF-8, the encoding of the file
// system and the terminal. Used only where text crosses that boundary.
#ifndef PHOTOPAGES_COMMON_CODEPAGE_H_
#define PHOTOPAGES_COMMON_CODEPAGE_H_

#include <string>
#include <string_view>

namespace photopages {

// UTF-8 to code page 932. A character that code page 932 cannot hold, or a
// byte that is not valid UTF-8, becomes "?", as the Windows ANSI functions do.
std::string AnsiFromUtf8(std::string_view utf8);

// Code page 932 to UTF-8. A byte sequence that is not valid code page 932
// becomes "?".
std::string Utf8FromAnsi(std::string_view ansi);

}  // namespace photopages

#endif  // PHOTOPAGES_COMMON_CODEPAGE_H_
