// Conversion between UTF-8, the encoding of the catalogue's and tables' texts
// in the source and on POSIX of the file system, the terminal and the
// locales, and the Windows ANSI code pages: code page 932, which all text
// inside the program is in, and the code page of the user's locale, which
// that locale's date and time texts are in. Used only where text crosses
// into or out of the program. Each system converts with its own service
// (posix_codepage.cpp: iconv; windows_codepage.cpp: the Win32 conversions
// through UTF-16), with the same results.
#ifndef PHOTOPAGES_COMMON_CODEPAGE_H_
#define PHOTOPAGES_COMMON_CODEPAGE_H_

#include <string>
#include <string_view>

namespace photopages {

// UTF-8 to the Windows ANSI code page `code_page` (such as 932, 949 or 1252).
// A character that the code page cannot hold, or a byte that is not valid
// UTF-8, becomes "?", as the Windows ANSI functions do. The converter of each
// code page is opened on first use and kept; throws std::runtime_error when
// this system has none for `code_page`.
std::string CodePageFromUtf8(std::string_view utf8, int code_page);

// UTF-8 to code page 932. A character that code page 932 cannot hold, or a
// byte that is not valid UTF-8, becomes "?", as the Windows ANSI functions do.
std::string AnsiFromUtf8(std::string_view utf8);

// Code page 932 to UTF-8. A byte sequence that is not valid code page 932
// becomes "?".
std::string Utf8FromAnsi(std::string_view ansi);

// The same, appended to `utf8`, so that a caller can reuse its room.
void AppendUtf8FromAnsi(std::string_view ansi, std::string& utf8);

// How many bytes of ASCII (below 0x80) `text` starts with. Code page 932
// holds ASCII as it is, so those bytes are the same in code page 932, in
// UTF-8 and (unit for unit) in UTF-16, and need no conversion.
size_t AsciiLength(std::string_view text);

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
