// What a file is on Windows: the identity of an open file, and what a path
// names, both read alike, so that the same file is known as the same through
// either.
#ifndef PHOTOPAGES_PLATFORM_WINDOWS_FILE_IDENTITY_H_
#define PHOTOPAGES_PLATFORM_WINDOWS_FILE_IDENTITY_H_

#include <map>
#include <string>

#include "common/windows_api.h"
#include "platform/platform.h"
#include "platform/system_name.h"

namespace photopages {

// The identity of the file open as `file` (with at least
// FILE_READ_ATTRIBUTES): its volume's serial number and its number on that
// volume; one that equals no other file's when the system cannot tell it.
FileIdentity IdentityOfHandle(HANDLE file);

// The identities of files read through the folders that files are written
// to, known for less than IdentityOfHandle asks: the volume's serial number
// costs Wine a request to its mount manager, another process, for each
// file. Each such folder is kept open with its volume's serial number, and a
// file whose own path lies directly in the folder's present path is on that
// folder's volume: the open folder stays on its volume, and one path names
// one folder at a time. The file's number on an NTFS volume is then its
// 64-bit file reference number, the same as IdentityOfHandle gives there.
class WindowsFileIdentities {
 public:
  WindowsFileIdentities() = default;
  WindowsFileIdentities(const WindowsFileIdentities&) = delete;
  WindowsFileIdentities& operator=(const WindowsFileIdentities&) = delete;
  ~WindowsFileIdentities();

  // Keeps `folder`, extended and with its separator, open with its volume's
  // serial number, on the first call for it. A folder that cannot be opened,
  // or whose volume is not NTFS, leaves its files to IdentityOfHandle.
  void Learn(const std::wstring& folder);

  // The identity of the file open as `file`, equal to IdentityOfHandle's.
  FileIdentity Of(HANDLE file) const;

 private:
  struct Folder {
    HANDLE handle = INVALID_HANDLE_VALUE;
    std::wstring final_path;  // As the system names it, with a separator.
    uint64_t volume = 0;
  };

  std::map<std::wstring, Folder> folders_;
};

// What the file at `system_path` is, without following a link there.
PathInfo InspectWindowsPath(const WindowsName& system_path,
                            const WindowsFileIdentities& identities);

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_WINDOWS_FILE_IDENTITY_H_
