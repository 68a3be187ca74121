#include "platform/windows_extended_path.h"

#include <vector>

#include "common/windows_api.h"

namespace photopages {
namespace {

bool IsSeparator(wchar_t unit) { return unit == L'\\' || unit == L'/'; }

// The system's full path of `anchor`, a path that holds no name of its own:
// "." (the current directory), "\" (its root) or "C:" (the current
// directory of drive C), without an extended prefix.
std::wstring FullPathOf(const wchar_t* anchor) {
  std::wstring path(MAX_PATH, L'\0');
  while (true) {
    const DWORD n = GetFullPathNameW(anchor, static_cast<DWORD>(path.size()),
                                     path.data(), nullptr);
    if (n < path.size()) {
      path.resize(n);  // Empty when the system has no such path.
      break;
    }
    path.resize(n);
  }
  if (path.starts_with(L"\\\\?\\UNC\\")) return L"\\\\" + path.substr(8);
  if (path.starts_with(L"\\\\?\\")) return path.substr(4);
  return path;
}

}  // namespace

std::wstring ExtendedPath(std::wstring_view path) {
  if (path.starts_with(L"\\\\?\\") || path.starts_with(L"\\\\.\\")) {
    return std::wstring(path);
  }
  // The path made absolute: a share (\\server\share\...), or a drive
  // (C:\...).
  std::wstring absolute;
  const bool share =
      path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
  const bool drive = path.size() >= 2 && path[1] == L':';
  if (share || (drive && path.size() >= 3 && IsSeparator(path[2]))) {
    absolute = path;
  } else if (drive) {
    absolute = FullPathOf(std::wstring(path.substr(0, 2)).c_str()) + L'\\' +
               std::wstring(path.substr(2));
  } else if (!path.empty() && IsSeparator(path[0])) {
    absolute = FullPathOf(L"\\") + std::wstring(path.substr(1));
  } else {
    absolute = FullPathOf(L".") + L'\\' + std::wstring(path);
  }
  // Its root ("C:", or "server" and "share") and then its names, "." and
  // ".." resolved as the system resolves them in a plain path.
  std::vector<std::wstring_view> parts;
  const std::wstring_view units = absolute;
  for (size_t start = 0; start <= units.size();) {
    size_t end = start;
    while (end < units.size() && !IsSeparator(units[end])) ++end;
    parts.push_back(units.substr(start, end - start));
    start = end + 1;
  }
  const bool on_share =
      units.size() >= 2 && IsSeparator(units[0]) && IsSeparator(units[1]);
  const size_t root_parts = on_share ? 4 : 1;  // "", "", server, share.
  std::wstring extended = on_share ? L"\\\\?\\UNC\\" : L"\\\\?\\";
  std::vector<std::wstring_view> names;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i < root_parts) {
      if (!parts[i].empty()) extended.append(parts[i]) += L'\\';
    } else if (parts[i] == L"..") {
      if (!names.empty()) names.pop_back();
    } else if (!parts[i].empty() && parts[i] != L".") {
      names.push_back(parts[i]);
    }
  }
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0) extended += L'\\';
    extended.append(names[i]);
  }
  if (!names.empty() && IsSeparator(units.back())) extended += L'\\';
  return extended;
}

}  // namespace photopages
