// The files of WindowsPlatform: reading an ordinary file, and writing one
// under a temporary name, in a work folder beside its target, that then
// replaces the target.
#ifndef PHOTOPAGES_PLATFORM_WINDOWS_FILES_H_
#define PHOTOPAGES_PLATFORM_WINDOWS_FILES_H_

#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/system_name.h"
#include "platform/windows_file_identity.h"
#include "platform/windows_work_folders.h"

namespace photopages {

// Opens the ordinary file at `system_path` for reading, others may read it
// too. Throws FileOpenError(path) when it is missing, cannot be read, or is a
// folder or a device; `path` is the same path as the program gave it. While
// another program holds the file for a moment, the open is tried again for
// about a second. Its identity is told by `identities`, which must outlive
// it.
std::unique_ptr<InputFile> OpenWindowsInput(
    const WindowsName& system_path, const AnsiString& path,
    const WindowsFileIdentities& identities);

// Creates a temporary file that will replace `system_target`, in the work
// folder that `work_folders` gives for the target's folder, or beside the
// target where there is none; `identities` learns the target's folder.
// Throws FileCreateError(target) when it cannot be created, or when its
// rename over the target still fails after about a second of tries while
// another program holds either file; `target` is the same path as the
// program gave it.
std::unique_ptr<OutputFile> CreateWindowsOutput(
    const WindowsName& system_target, const AnsiString& target,
    WindowsWorkFolders& work_folders, WindowsFileIdentities& identities);

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_WINDOWS_FILES_H_
