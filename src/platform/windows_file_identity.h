// What a file is on Windows: the identity of an open file, and what a path
// names, both read alike, so that the same file is known as the same through
// either.
#ifndef PHOTOPAGES_PLATFORM_WINDOWS_FILE_IDENTITY_H_
#define PHOTOPAGES_PLATFORM_WINDOWS_FILE_IDENTITY_H_

#include "common/windows_api.h"
#include "platform/platform.h"
#include "platform/system_name.h"

namespace photopages {

// The identity of the file open as `file` (with at least
// FILE_READ_ATTRIBUTES): its volume's serial number and its number on that
// volume; one that equals no other file's when the system cannot tell it.
FileIdentity IdentityOfHandle(HANDLE file);

// What the file at `system_path` is, without following a link there.
PathInfo InspectWindowsPath(const WindowsName& system_path);

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_WINDOWS_FILE_IDENTITY_H_
