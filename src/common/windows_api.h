// <windows.h> for the Windows files of photopages. They call every Win32
// service that takes or gives text by its W (UTF-16) name, so the macros that
// pick the A or W form are not needed; the two that would rename functions of
// photopages (Platform::SetCurrentDirectory, FormatMessage) are taken away.
#ifndef PHOTOPAGES_COMMON_WINDOWS_API_H_
#define PHOTOPAGES_COMMON_WINDOWS_API_H_

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#undef SetCurrentDirectory
#undef FormatMessage

#endif  // PHOTOPAGES_COMMON_WINDOWS_API_H_
