#include "platform/windows_work_folders.h"

#include "common/windows_api.h"

namespace photopages {

WindowsWorkFolders::~WindowsWorkFolders() {
  for (const auto& [folder, work] : work_of_folder_) {
    if (!work.empty()) RemoveDirectoryW(work.c_str());
  }
}

const std::wstring& WindowsWorkFolders::For(const std::wstring& folder) {
  auto [entry, added] = work_of_folder_.try_emplace(folder);
  if (added) {
    std::wstring work = folder + L".photopages-work";
    if (Make(work)) entry->second = std::move(work);
  }
  return entry->second;
}

bool WindowsWorkFolders::Make(const std::wstring& work) {
  if (CreateDirectoryW(work.c_str(), nullptr)) {
    if (SetFileAttributesW(work.c_str(), FILE_ATTRIBUTE_HIDDEN)) return true;
    RemoveDirectoryW(work.c_str());
    return false;
  }
  const DWORD error = GetLastError();
  if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) {
    return false;
  }
  // Left by a run that was ended from outside, or made by another run in
  // the same folder right now; a link could lead to another volume.
  const DWORD attributes = GetFileAttributesW(work.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes &
          (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) ==
             FILE_ATTRIBUTE_DIRECTORY;
}

}  // namespace photopages
