// The Platform of Windows, on the Win32 services in their W (UTF-16) forms.
// Every path and name is converted between code page 932 and UTF-16 where it
// crosses into the system, with code page 932 named explicitly, so names come
// out right whatever the system's ANSI code page; a character that code page
// 932 cannot hold comes back as "?".
#ifndef PHOTOPAGES_PLATFORM_WINDOWS_PLATFORM_H_
#define PHOTOPAGES_PLATFORM_WINDOWS_PLATFORM_H_

#include <memory>
#include <set>
#include <vector>

#include "platform/platform.h"
#include "platform/windows_files.h"

namespace photopages {

class WindowsPlatform : public Platform {
 public:
  WindowsPlatform() = default;
  WindowsPlatform(const WindowsPlatform&) = delete;
  WindowsPlatform& operator=(const WindowsPlatform&) = delete;

  const PathSyntax& Paths() const override { return kWindowsPaths; }

  // GetModuleFileNameW. A path, or its folder, whose code page 932 text does
  // not convert back to it names nothing (see SetCurrentDirectory).
  AnsiString ExecutablePath() override;
  // GetCommandLineW: the line as the user typed it, quotes and all.
  AnsiString RawCommandLine() override;

  // Throws EInOutError when the current directory cannot be had.
  AnsiString CurrentDirectory() override;
  // SetCurrentDirectoryW; the error code is GetLastError's. A program folder
  // whose text does not convert back to its name is refused with code 3
  // (path not found).
  void SetCurrentDirectory(const AnsiString& folder) override;
  // FindFirstFileW with "*.*", leaving out hidden, system and directory
  // entries, ordered by CompareStringW of the user's locale without regard
  // to letter case, as the system's sorted list orders them; ties by their
  // UTF-16 units. Throws EInOutError when the folder cannot be read.
  std::vector<AnsiString> ListOrdinaryFiles(const AnsiString& folder) override;

  // A name handed up whose code page 932 text does not convert back to it
  // (the executable's path, a listed name) names no file. An argument's
  // text holds "?" for a character that code page 932 lacks, and Windows
  // refuses "?" in names, so it names none either.
  std::unique_ptr<InputFile> OpenInput(const AnsiString& path) override;
  // The file is written as a hidden ".photopages-N" in the target's folder.
  std::unique_ptr<OutputFile> CreateOutput(const AnsiString& target) override;
  PathInfo Inspect(const AnsiString& path) override;

  // By SystemTimeToTzSpecificLocalTime, the rules in force at that moment.
  LocalDateTime ToLocalTime(int64_t nanoseconds) override;
  // GetLocalTime.
  LocalDateTime Now() override;

  // GetLocaleInfoW and EnumCalendarInfoW of the user's default locale, read
  // on every call.
  LocaleSettings UserLocaleSettings() override;

 private:
  // `name` in code page 932, `text`; remembers `text` as one that names no
  // file when it does not convert back to `name`.
  void NoteInexact(const WindowsName& name, const AnsiString& text);

  std::set<AnsiString> inexact_texts_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_WINDOWS_PLATFORM_H_
