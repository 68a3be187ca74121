// Conversion between code page 932 and UTF-8: the catalogue's and tables'
// texts, written as UTF-8 in the source, and on POSIX the file system and the
// terminal. Used only where text crosses that boundary. Each system converts
// with its own service (posix_codepage.cpp: iconv; windows_codepage.cpp: the
// Win32 conversions through UTF-16), with the same results.
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

// What a conversion steps over, as one "?", where it cannot convert:
// the length of the UTF-8 character at the start of `rest`, or 1 for a byte
// that cannot start one.
// REQUIRES: `rest` is not empty.
size_t Utf8CharLength(std::string_view rest);

// The length of the code page 932 character at the start of `rest`: a lead
// byte takes the next byte along only when that byte can be a trail byte, so
// an ASCII byte after a stray lead byte is kept.
// REQUIRES: `rest` is not empty.
size_t AnsiCharLength(std::string_view rest);

}  // namespace photopages

#endif  // PHOTOPAGES_COMMON_CODEPAGE_H_
