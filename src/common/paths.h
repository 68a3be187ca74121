// Path helpers over code page 932 text. Every split looks for the last
// delimiter byte, skipping a byte that is the second half of a double-byte
// character, so the 0x5C in the middle of a character such as "表" or "ソ" is
// never a separator. No helper changes letter case, normalises, or checks
// that anything exists.
#ifndef PHOTOPAGES_COMMON_PATHS_H_
#define PHOTOPAGES_COMMON_PATHS_H_

#include <string_view>

#include "common/ansi.h"

namespace photopages {

// The bytes that split a path: `separator` between folders, and all of
// `delimiters` (the separator and, on Windows, the drive colon).
struct PathSyntax {
  char separator;
  std::string_view delimiters;
};

inline constexpr PathSyntax kWindowsPaths{'\\', "\\:"};
inline constexpr PathSyntax kPosixPaths{'/', "/"};

// The folder with separator: up to and including the last delimiter; empty
// when there is none. "C:\Photos\a.jpg" gives "C:\Photos\".
AnsiString ExtractFilePath(std::string_view path, const PathSyntax& syntax);

// The folder without separator: as ExtractFilePath, with the final separator
// dropped unless it is the first byte or follows another delimiter.
// "C:\Photos\a.jpg" gives "C:\Photos", "C:\a.jpg" gives "C:\", "/a" gives "/".
AnsiString ExtractFileDir(std::string_view path, const PathSyntax& syntax);

// Everything after the last delimiter.
AnsiString ExtractFileName(std::string_view path, const PathSyntax& syntax);

// The same as a view into `path`, for a comparison that needs no copy.
std::string_view FileNameView(std::string_view path, const PathSyntax& syntax);

// From the last "." after the last delimiter to the end, dot included; empty
// when the file name has no dot.
AnsiString ExtractFileExt(std::string_view path, const PathSyntax& syntax);

// The text before the last "." after the last delimiter (the whole text when
// there is no such dot), followed by `extension`, which may be empty.
AnsiString ChangeFileExt(std::string_view path, std::string_view extension,
                         const PathSyntax& syntax);

}  // namespace photopages

#endif  // PHOTOPAGES_COMMON_PATHS_H_
