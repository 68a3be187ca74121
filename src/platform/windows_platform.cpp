#include "platform/windows_platform.h"

#include <algorithm>
#include <string>
#include <utility>

#include "common/errors.h"
#include "common/paths.h"
#include "common/windows_api.h"
#include "common/windows_codepage.h"
#include "platform/windows_locale_settings.h"
#include "platform/windows_time.h"

namespace photopages {
namespace {

// `text` as the system names it.
WindowsName SystemNameOf(const AnsiString& text) {
  return WindowsName(WideFromAnsi(text));
}

// `name` as the program's text.
AnsiString TextOf(const WindowsName& name) {
  return AnsiFromWide(name.units());
}

[[noreturn]] void ThrowLastError() {
  throw EInOutError(static_cast<int>(GetLastError()));
}

// The full path of the running executable.
WindowsName ModuleFileName() {
  std::wstring path(MAX_PATH, L'\0');
  while (true) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(),
                                       static_cast<DWORD>(path.size()));
    if (n == 0) ThrowLastError();
    if (n < path.size()) {
      path.resize(n);
      return WindowsName(std::move(path));
    }
    path.resize(path.size() * 2);
  }
}

// The folder of `path` without separator, by the rule of ExtractFileDir:
// cut before the last "\" or ":", the "\" kept when it is the first
// character or follows ":" or "\".
WindowsName FolderOf(const WindowsName& path) {
  const std::wstring& units = path.units();
  const size_t cut = units.find_last_of(L"\\:");
  size_t end = cut == std::wstring::npos ? 0 : cut + 1;
  if (end > 1 && units[end - 1] == L'\\' && units[end - 2] != L':' &&
      units[end - 2] != L'\\') {
    --end;
  }
  return WindowsName(units.substr(0, end));
}

struct FindCloser {
  void operator()(HANDLE search) const { FindClose(search); }
};

// True when `a` sorts before `b` in the user's locale without regard to
// letter case; names the locale holds equal by their UTF-16 units.
bool CollatesBefore(const std::wstring& a, const std::wstring& b) {
  const int order = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE,
                                   a.data(), static_cast<int>(a.size()),
                                   b.data(), static_cast<int>(b.size()));
  return order == CSTR_EQUAL || order == 0 ? a < b : order == CSTR_LESS_THAN;
}

}  // namespace

std::unique_ptr<Platform> NewSystemPlatform(int, const char* const*) {
  return std::make_unique<WindowsPlatform>();
}

AnsiString WindowsPlatform::ExecutablePath() {
  const WindowsName path = ModuleFileName();
  AnsiString executable = TextOf(path);
  NoteInexact(path, executable);
  NoteInexact(FolderOf(path), ExtractFileDir(executable, kWindowsPaths));
  return executable;
}

AnsiString WindowsPlatform::RawCommandLine() {
  return AnsiFromWide(GetCommandLineW());
}

AnsiString WindowsPlatform::CurrentDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  while (true) {
    const DWORD n =
        GetCurrentDirectoryW(static_cast<DWORD>(path.size()), path.data());
    if (n == 0) ThrowLastError();
    if (n < path.size()) {
      path.resize(n);
      return TextOf(WindowsName(std::move(path)));
    }
    path.resize(n);
  }
}

void WindowsPlatform::SetCurrentDirectory(const AnsiString& folder) {
  // A text that stands for another folder's name is a path not found.
  if (inexact_texts_.count(folder) != 0) throw EInOutError(3);
  if (!SetCurrentDirectoryW(SystemNameOf(folder).c_str())) ThrowLastError();
}

std::vector<AnsiString> WindowsPlatform::ListOrdinaryFiles(
    const AnsiString& folder) {
  std::wstring pattern = SystemNameOf(folder).units();
  if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/' &&
      pattern.back() != L':') {
    pattern += L'\\';
  }
  pattern += L"*.*";
  WIN32_FIND_DATAW found;
  std::unique_ptr<void, FindCloser> search(
      FindFirstFileW(pattern.c_str(), &found));
  if (search.get() == INVALID_HANDLE_VALUE) {
    search.release();
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return {};
    ThrowLastError();
  }
  constexpr DWORD kNotListed =
      FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
  std::vector<std::wstring> listed;
  do {
    if ((found.dwFileAttributes & kNotListed) == 0) {
      listed.push_back(found.cFileName);
    }
  } while (FindNextFileW(search.get(), &found));
  if (GetLastError() != ERROR_NO_MORE_FILES) ThrowLastError();
  std::sort(listed.begin(), listed.end(), CollatesBefore);
  std::vector<AnsiString> names;
  names.reserve(listed.size());
  for (std::wstring& name : listed) {
    WindowsName system_name(std::move(name));
    names.push_back(TextOf(system_name));
    NoteInexact(system_name, names.back());
  }
  return names;
}

std::unique_ptr<InputFile> WindowsPlatform::OpenInput(const AnsiString& path) {
  if (inexact_texts_.count(path) != 0) throw EFOpenError(path);
  return OpenWindowsInput(SystemNameOf(path), path);
}

std::unique_ptr<OutputFile> WindowsPlatform::CreateOutput(
    const AnsiString& target) {
  return CreateWindowsOutput(SystemNameOf(target), target);
}

PathInfo WindowsPlatform::Inspect(const AnsiString& path) {
  return InspectWindowsPath(SystemNameOf(path));
}

LocalDateTime WindowsPlatform::ToLocalTime(int64_t nanoseconds) {
  return LocalDateTimeFromFileTime(FileTimeFromNanoseconds(nanoseconds));
}

LocalDateTime WindowsPlatform::Now() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wYear,   now.wMonth,  now.wDay,         now.wHour,
          now.wMinute, now.wSecond, now.wMilliseconds};
}

LocaleSettings WindowsPlatform::UserLocaleSettings() {
  return LocaleSettingsOf(LOCALE_USER_DEFAULT);
}

void WindowsPlatform::NoteInexact(const WindowsName& name,
                                  const AnsiString& text) {
  if (SystemNameOf(text) != name) inexact_texts_.insert(text);
}

}  // namespace photopages
