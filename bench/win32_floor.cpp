// The least that Win32 must do for photopages' job, for bench.py --wine:
// for each photo a copy into the program's folder (CopyFileW) and one page
// file of 500 bytes written beside it. The photos are the arguments or, with
// none, every ordinary file of the program's folder that is neither hidden
// nor a system file, as photopages takes them.
#include <windows.h>

#include <string>
#include <vector>

namespace {

// The folder of the running program, with its separator.
std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD n = 0;
  while ((n = GetModuleFileNameW(nullptr, path.data(),
                                 static_cast<DWORD>(path.size()))) ==
         path.size()) {
    path.resize(path.size() * 2);
  }
  path.resize(n);
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

std::vector<std::wstring> FolderPhotos(const std::wstring& folder) {
  std::vector<std::wstring> photos;
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW((folder + L"*.*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return photos;
  do {
    if ((found.dwFileAttributes &
         (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN |
          FILE_ATTRIBUTE_SYSTEM)) == 0) {
      photos.push_back(folder + found.cFileName);
    }
  } while (FindNextFileW(find, &found));
  FindClose(find);
  return photos;
}

}  // namespace

int main() {
  const std::wstring folder = ProgramFolder();
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::wstring> photos(argv + 1, argv + argc);
  LocalFree(argv);
  if (photos.empty()) photos = FolderPhotos(folder);
  const std::string page(500, 'x');
  for (const std::wstring& photo : photos) {
    const std::wstring name =
        folder + photo.substr(photo.find_last_of(L"\\/:") + 1);
    if (!CopyFileW(photo.c_str(), (name + L".JPEG").c_str(), FALSE)) return 1;
    HANDLE file =
        CreateFileW((name + L".HTML").c_str(), GENERIC_WRITE, 0, nullptr,
                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    if (file == INVALID_HANDLE_VALUE ||
        !WriteFile(file, page.data(), static_cast<DWORD>(page.size()), &written,
                   nullptr) ||
        !CloseHandle(file)) {
      return 1;
    }
  }
  return 0;
}
