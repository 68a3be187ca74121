// The files of PosixPlatform: reading an ordinary file, and writing one under
// a hidden temporary name that is renamed over its target.
#ifndef PHOTOPAGES_PLATFORM_POSIX_FILES_H_
#define PHOTOPAGES_PLATFORM_POSIX_FILES_H_

#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/system_name.h"

namespace photopages {

// Opens the ordinary file at `system_path` without blocking (a FIFO or a
// device is refused, never waited on). Throws FileOpenError(path) when it is
// missing, unreadable or not an ordinary file; `path` is the same path as the
// program gave it.
std::unique_ptr<InputFile> OpenPosixInput(const PosixName& system_path,
                                          const AnsiString& path);

// Creates a hidden temporary file in the folder of `system_target` that will
// replace it, with the permissions that the system gives a new file there.
// Throws FileCreateError(target) when it cannot be created; `target` is the
// same path as the program gave it.
std::unique_ptr<OutputFile> CreatePosixOutput(const PosixName& system_target,
                                              const AnsiString& target);

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_POSIX_FILES_H_
