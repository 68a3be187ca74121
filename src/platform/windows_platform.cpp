#include "platform/windows_platform.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "common/errors.h"
#include "common/messages.h"
#include "common/paths.h"
#include "common/windows_api.h"
#include "common/windows_codepage.h"
#include "platform/windows_extended_path.h"
#include "platform/windows_file_identity.h"
#include "platform/windows_locale_settings.h"
#include "platform/windows_time.h"

namespace photopages {
namespace {

// Appends `text` as the system names it.
void AppendSystemName(std::string_view text, std::wstring& units) {
  units += WideFromAnsi(text);
}

// `name` as the program's text.
AnsiString TextOf(const WindowsName& name) {
  return AnsiFromWide(name.units());
}

[[noreturn]] void ThrowLastError() {
  throw InOutError(static_cast<int>(GetLastError()));
}

// A text of the system that `get` fills into a buffer of the size it is
// given, returning the length it wrote, or a length at least the buffer's
// size when the buffer is too small, or 0 on failure. Throws InOutError
// with the system's code on failure.
template <typename Get>
WindowsName SystemText(Get get) {
  std::wstring text(MAX_PATH, L'\0');
  while (true) {
    const DWORD n = get(text.data(), static_cast<DWORD>(text.size()));
    if (n == 0) ThrowLastError();
    if (n < text.size()) {
      text.resize(n);
      return WindowsName(std::move(text));
    }
    text.resize(std::max<size_t>(n, text.size() * 2));
  }
}

WindowsName CurrentFolder() {
  return SystemText([](wchar_t* buffer, DWORD size) {
    return GetCurrentDirectoryW(size, buffer);
  });
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

// The arguments of the command line `line`, the executable first, read by
// the splitter's rules (SplitCommandLine), which the UTF-16 units keep: a
// unit up to U+0020 separates, a double quote opens or closes a stretch in
// which spaces are kept, and an empty pair of quotes is skipped.
std::vector<std::wstring> CommandLineArguments(std::wstring_view line) {
  std::vector<std::wstring> arguments;
  size_t i = 0;
  while (true) {
    while (i < line.size() &&
           (line[i] <= L' ' || line.substr(i, 2) == L"\"\"")) {
      i += line[i] <= L' ' ? 1 : 2;
    }
    if (i == line.size()) return arguments;
    std::wstring argument;
    bool quoted = false;
    for (; i < line.size() && (quoted || line[i] > L' '); ++i) {
      if (line[i] == L'"') {
        quoted = !quoted;
      } else {
        argument += line[i];
      }
    }
    arguments.push_back(std::move(argument));
  }
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

WindowsPlatform::WindowsPlatform()
    : NameBridgePlatform(kWindowsPaths, &AppendSystemName, &TextOf) {
  EnterStartFolder(CurrentFolder());
}

AnsiString WindowsPlatform::ExecutablePath() {
  const WindowsName path = SystemText([](wchar_t* buffer, DWORD size) {
    return GetModuleFileNameW(nullptr, buffer, size);
  });
  return HandUpExecutable(path, FolderOf(path));
}

AnsiString WindowsPlatform::RawCommandLine() {
  const std::wstring_view line = GetCommandLineW();
  for (std::wstring& argument : CommandLineArguments(line)) {
    HandUp(WindowsName(std::move(argument)));
  }
  return AnsiFromWide(line);
}

WindowsName WindowsPlatform::SystemCurrentDirectory() {
  return CurrentFolder();
}

void WindowsPlatform::SystemSetCurrentDirectory(const WindowsName& folder) {
  if (!SetCurrentDirectoryW(ExtendedPath(folder.units()).c_str())) {
    ThrowLastError();
  }
}

std::vector<WindowsName> WindowsPlatform::SystemListOrdinaryFiles(
    const WindowsName& folder) {
  std::wstring pattern = ExtendedPath(folder.units());
  if (pattern.back() != L'\\') pattern += L'\\';
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
  std::vector<WindowsName> ordered;
  ordered.reserve(listed.size());
  for (std::wstring& name : listed) ordered.emplace_back(std::move(name));
  return ordered;
}

std::unique_ptr<InputFile> WindowsPlatform::SystemOpenInput(
    const WindowsName& name, const AnsiString& path) {
  return OpenWindowsInput(name, path, identities_);
}

std::unique_ptr<OutputFile> WindowsPlatform::SystemCreateOutput(
    const WindowsName& name, const AnsiString& target) {
  return CreateWindowsOutput(name, target, work_folders_, identities_);
}

PathInfo WindowsPlatform::SystemInspect(const WindowsName& name) {
  return InspectWindowsPath(name, identities_);
}

LocalDateTime WindowsPlatform::ToLocalTime(const UtcTime& moment) {
  const std::optional<FILETIME> time = FileTimeFromUtcTime(moment);
  if (!time) throw ConvertError(MessageText(Message::kInvalidDate));
  return LocalDateTimeFromFileTime(*time, UserTimeZone(), zone_rules_);
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

}  // namespace photopages
