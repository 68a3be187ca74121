// Code page 932 and UTF-16, the text of the Win32 W services, converted by
// the system with code page 932 named explicitly: the program speaks to
// Windows in UTF-16, so names come out right whatever the system's ANSI code
// page is (932, 1252 or UTF-8).
#ifndef PHOTOPAGES_COMMON_WINDOWS_CODEPAGE_H_
#define PHOTOPAGES_COMMON_WINDOWS_CODEPAGE_H_

#include <stdexcept>
#include <string>
#include <string_view>

#include "common/ansi.h"

namespace photopages {

// Code page 932 to UTF-16. A byte sequence that is not valid code page 932
// becomes "?".
std::wstring WideFromAnsi(std::string_view ansi);

// UTF-16 to the Windows ANSI code page `code_page`. A character that the
// code page cannot hold, or a lone surrogate, becomes one "?": never a
// look-alike (no best fit), so a text either converts exactly or shows that
// it did not. Throws std::runtime_error when the system has no such code
// page.
std::string CodePageFromWide(std::wstring_view wide, int code_page);

// CodePageFromWide(wide, 932): a name as the program holds it.
AnsiString AnsiFromWide(std::wstring_view wide);

}  // namespace photopages

#endif  // PHOTOPAGES_COMMON_WINDOWS_CODEPAGE_H_
