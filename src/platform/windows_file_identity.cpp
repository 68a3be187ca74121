#include "platform/windows_file_identity.h"

#include <cstring>
#include <string>

#include "platform/windows_extended_path.h"

namespace photopages {
namespace {

// What a file whose identity the system cannot tell is given: the same as no
// file that Inspect finds.
constexpr FileIdentity kUnknownIdentity = {.volume = UINT64_MAX,
                                           .file = UINT64_MAX};

}  // namespace

// The identity of the file open as `file`: its volume's serial number and its
// number on that volume. FILE_ID_INFO gives both in one query, which under
// Wine costs about half of GetFileInformationByHandle: that one also gathers
// the file's times, size and links and the volume's details. Windows before
// 8, and file systems that do not give it, refuse it, and the older call
// gives them instead.
FileIdentity IdentityOfHandle(HANDLE file) {
  FILE_ID_INFO id;
  if (GetFileInformationByHandleEx(file, FileIdInfo, &id, sizeof id)) {
    // The 128-bit number folded into 64 bits, its halves combined by
    // exclusive or: the same number stays the same. NTFS numbers its files
    // within 64 bits, and so does Wine (the inode), leaving the high half
    // zero, so that distinct files keep distinct numbers there.
    uint64_t halves[2];
    static_assert(sizeof halves == sizeof id.FileId.Identifier);
    std::memcpy(halves, id.FileId.Identifier, sizeof halves);
    return {.volume = id.VolumeSerialNumber, .file = halves[0] ^ halves[1]};
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(file, &info)) return kUnknownIdentity;
  return {.volume = info.dwVolumeSerialNumber,
          .file = (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

PathInfo InspectWindowsPath(const WindowsName& system_path) {
  const std::wstring extended = ExtendedPath(system_path.units());
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(extended.c_str(), GetFileExInfoStandard, &data)) {
    return PathInfo();
  }
  const DWORD attributes = data.dwFileAttributes;
  PathInfo info;
  info.exists = true;
  info.is_directory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  info.is_regular =
      (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE |
                     FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
  info.read_only = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  const HANDLE file = CreateFileW(
      extended.c_str(), FILE_READ_ATTRIBUTES,
      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
      nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    info.identity = IdentityOfHandle(file);
    CloseHandle(file);
  }
  return info;
}

}  // namespace photopages
