// Whole-file operations built on the Platform seam, so that the real system
// and the fault-injecting fake run the same steps.
#ifndef PHOTOPAGES_PLATFORM_FILE_OPS_H_
#define PHOTOPAGES_PLATFORM_FILE_OPS_H_

#include <memory>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace photopages {

// Copies `source` to `target`, replacing the target whole: content byte for
// byte, attributes (permission bits, read-only attribute) and last-write time
// (as exactly as the file system holds it). When both
// name the same file nothing happens. A read-only file at the target is never
// replaced: when it already holds the source's bytes it counts as the copy,
// otherwise the target cannot be created. On failure an earlier file at the
// target stays intact.
// Returns the copy it wrote, open for reading, where the system gives it
// without opening it by its name again; nullptr otherwise, and when no copy
// was written.
// Throws FileOpenError(source), FileCreateError(target), ReadError, WriteError.
std::unique_ptr<InputFile> CopyFileReplacing(Platform& platform,
                                             const AnsiString& source,
                                             const AnsiString& target);
// The same from `source`, opened by the path `source_path` and not read
// yet.
std::unique_ptr<InputFile> CopyFileReplacing(Platform& platform,
                                             InputFile& source,
                                             const AnsiString& source_path,
                                             const AnsiString& target);

// Writes `content` as the whole of the file at `path`, replacing it, with the
// attributes of a new file. A read-only file or a folder at the path
// cannot be created. On failure an earlier file at the path stays intact.
// Throws FileCreateError(path), WriteError.
void WriteFileReplacing(Platform& platform, const AnsiString& path,
                        std::string_view content);

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_FILE_OPS_H_
