#include "common/windows_codepage.h"

#include "common/codepage.h"
#include "common/windows_api.h"

namespace photopages {
namespace {

constexpr UINT kCodePage932 = 932;

// Appends `in` converted from `code_page` to UTF-16 to `out`. Returns false,
// appending nothing, when `in` holds a sequence that is not valid there.
bool AppendWide(UINT code_page, std::string_view in, std::wstring& out) {
  if (in.empty()) return true;
  const int size = static_cast<int>(in.size());
  const int n = MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, in.data(),
                                    size, nullptr, 0);
  if (n <= 0) return false;
  const size_t used = out.size();
  out.resize(used + static_cast<size_t>(n));
  MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, in.data(), size,
                      out.data() + used, n);
  return true;
}

// Appends `in` converted from UTF-16 to `code_page` to `out`. Returns false,
// appending nothing, when a character of `in` has no exact form there.
bool AppendMultiByte(UINT code_page, std::wstring_view in, std::string& out) {
  if (in.empty()) return true;
  const int size = static_cast<int>(in.size());
  // UTF-8 holds every character and takes neither flag nor default.
  const bool utf8 = code_page == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL used_default = FALSE;
  BOOL* used_default_out = utf8 ? nullptr : &used_default;
  const int n = WideCharToMultiByte(code_page, flags, in.data(), size, nullptr,
                                    0, nullptr, used_default_out);
  if (n <= 0 || used_default) return false;
  const size_t used = out.size();
  out.resize(used + static_cast<size_t>(n));
  WideCharToMultiByte(code_page, flags, in.data(), size, out.data() + used, n,
                      nullptr, nullptr);
  return true;
}

// The length of the UTF-16 character at the start of `rest`: a surrogate
// pair is one.
size_t WideCharLength(std::wstring_view rest) {
  return rest.size() >= 2 && IS_HIGH_SURROGATE(rest[0]) &&
                 IS_LOW_SURROGATE(rest[1])
             ? 2
             : 1;
}

// `text` converted by `append` whole when it can be; otherwise one character
// at a time, as `length` steps over them, each character that `append`
// refuses becoming one "?".
template <typename Out, typename In, typename Append, typename Length>
Out ConvertEach(In text, Append append, Length length) {
  Out out;
  if (append(text, out)) return out;
  while (!text.empty()) {
    const size_t n = length(text);
    if (!append(text.substr(0, n), out)) out += '?';
    text.remove_prefix(n);
  }
  return out;
}

// Whether every unit of `text` is ASCII, which code page 932 holds as it is.
bool IsAsciiWide(std::wstring_view text) {
  for (wchar_t unit : text) {
    if (unit >= 0x80) return false;
  }
  return true;
}

// `code_page` as the system's identifier of it. Throws std::runtime_error
// when it names no code page of the system, or one of the identifiers that
// stand for whichever code page is current (CP_ACP, CP_OEMCP, CP_MACCP,
// CP_THREAD_ACP) or for symbols (CP_SYMBOL).
UINT SystemCodePage(int code_page) {
  if (code_page <= CP_THREAD_ACP || code_page == CP_SYMBOL ||
      !IsValidCodePage(static_cast<UINT>(code_page))) {
    throw std::runtime_error("Windows has no code page " +
                             std::to_string(code_page));
  }
  return static_cast<UINT>(code_page);
}

}  // namespace

std::wstring WideFromAnsi(std::string_view ansi) {
  if (AsciiLength(ansi) == ansi.size()) {
    return std::wstring(ansi.begin(), ansi.end());
  }
  return ConvertEach<std::wstring>(
      ansi,
      [](std::string_view in, std::wstring& out) {
        return AppendWide(kCodePage932, in, out);
      },
      AnsiCharLength);
}

std::string CodePageFromWide(std::wstring_view wide, int code_page) {
  const UINT system_code_page = SystemCodePage(code_page);
  return ConvertEach<std::string>(
      wide,
      [system_code_page](std::wstring_view in, std::string& out) {
        return AppendMultiByte(system_code_page, in, out);
      },
      WideCharLength);
}

AnsiString AnsiFromWide(std::wstring_view wide) {
  if (IsAsciiWide(wide)) return AnsiString(wide.begin(), wide.end());
  return CodePageFromWide(wide, kCodePage932);
}

std::string CodePageFromUtf8(std::string_view utf8, int code_page) {
  SystemCodePage(code_page);
  return ConvertEach<std::string>(
      utf8,
      [code_page](std::string_view in, std::string& out) {
        std::wstring wide;
        if (!AppendWide(CP_UTF8, in, wide)) return false;
        out += CodePageFromWide(wide, code_page);
        return true;
      },
      Utf8CharLength);
}

std::string AnsiFromUtf8(std::string_view utf8) {
  return CodePageFromUtf8(utf8, kCodePage932);
}

void AppendUtf8FromAnsi(std::string_view ansi, std::string& utf8) {
  AppendMultiByte(CP_UTF8, WideFromAnsi(ansi), utf8);
}

std::string Utf8FromAnsi(std::string_view ansi) {
  std::string utf8;
  AppendUtf8FromAnsi(ansi, utf8);
  return utf8;
}

}  // namespace photopages
