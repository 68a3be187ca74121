// The extended form of Windows paths, which the system takes as it is.
#ifndef PHOTOPAGES_PLATFORM_WINDOWS_EXTENDED_PATH_H_
#define PHOTOPAGES_PLATFORM_WINDOWS_EXTENDED_PATH_H_

#include <string>
#include <string_view>

namespace photopages {

// The extended form of `path` ("\\?\C:\...", "\\?\UNC\server\share\..."),
// which the Windows platform hands to the system for every file and folder:
// the system takes it as
// it is, so a name that ends in a dot or a space, or one that a plain path
// reads as a device (NUL, COM1), reaches its file, and no length limit of
// plain paths applies. A path that is not absolute is taken from the current
// directory (for "C:x", that of drive C; for "\x", its root); "/" separates
// as "\" does, and "." and ".." are resolved as in a plain path. A path
// already in that form, or one of a device ("\\.\..."), stays as it is.
std::wstring ExtendedPath(std::wstring_view path);

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_WINDOWS_EXTENDED_PATH_H_
