#include "platform/windows_file_identity.h"

#include <winternl.h>

#include <cstring>
#include <cwchar>
#include <string>
#include <string_view>

#include "platform/windows_extended_path.h"

namespace photopages {
namespace {

// What a file whose identity the system cannot tell is given: the same as no
// file that Inspect finds.
constexpr FileIdentity kUnknownIdentity = {.volume = UINT64_MAX,
                                           .file = UINT64_MAX};

// The path of the file open as `file` as the system names it now, links
// followed (GetFinalPathNameByHandleW); empty when it cannot tell.
std::wstring FinalPath(HANDLE file) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFinalPathNameByHandleW(
        file, path.data(), static_cast<DWORD>(path.size()), VOLUME_NAME_DOS);
    if (length == 0) return std::wstring();
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(length);
  }
}

// The path of the folder open as `folder` as the system names it now, with
// its separator (a volume's root has one already); empty when it cannot
// tell.
std::wstring FinalFolderPath(HANDLE folder) {
  std::wstring path = FinalPath(folder);
  if (!path.empty() && path.back() != L'\\') path += L'\\';
  return path;
}

// True when the volume of the file open as `file` is NTFS, whose 64-bit
// file reference numbers are its files' whole numbers.
bool OnNtfs(HANDLE file) {
  wchar_t name[MAX_PATH + 1];
  return GetVolumeInformationByHandleW(file, nullptr, 0, nullptr, nullptr,
                                       nullptr, name, MAX_PATH + 1) &&
         std::wcscmp(name, L"NTFS") == 0;
}

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

WindowsFileIdentities::~WindowsFileIdentities() {
  for (const auto& [name, folder] : folders_) {
    if (folder.handle != INVALID_HANDLE_VALUE) CloseHandle(folder.handle);
  }
}

void WindowsFileIdentities::Learn(const std::wstring& folder) {
  auto [entry, added] = folders_.try_emplace(folder);
  if (!added) return;
  // Others may rename or delete the folder while it is open, as they could
  // before; it then no longer lies at the path its files are found under.
  const HANDLE handle = CreateFileW(
      folder.c_str(), FILE_READ_ATTRIBUTES,
      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return;
  std::wstring final_path = FinalFolderPath(handle);
  if (final_path.empty() || !OnNtfs(handle)) {
    CloseHandle(handle);
    return;
  }
  entry->second = {.handle = handle,
                   .final_path = std::move(final_path),
                   .volume = IdentityOfHandle(handle).volume};
}

FileIdentity WindowsFileIdentities::Of(HANDLE file) const {
  const std::wstring path = FinalPath(file);
  const size_t separator = path.rfind(L'\\');
  if (separator == std::wstring::npos) return IdentityOfHandle(file);
  const std::wstring_view parent(path.data(), separator + 1);
  for (const auto& [name, folder] : folders_) {
    // The folder's path as it was learnt picks it; its path now proves it.
    if (folder.final_path != parent) continue;
    IO_STATUS_BLOCK status;
    FILE_INTERNAL_INFORMATION internal;
    if (FinalFolderPath(folder.handle) == parent &&
        NT_SUCCESS(NtQueryInformationFile(file, &status, &internal,
                                          sizeof internal,
                                          FileInternalInformation))) {
      return {.volume = folder.volume,
              .file = static_cast<uint64_t>(internal.IndexNumber.QuadPart)};
    }
    break;
  }
  return IdentityOfHandle(file);
}

PathInfo InspectWindowsPath(const WindowsName& system_path,
                            const WindowsFileIdentities& identities) {
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
    info.identity = identities.Of(file);
    CloseHandle(file);
  }
  return info;
}

}  // namespace photopages
