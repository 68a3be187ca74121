// The Platform of Windows, on the Win32 services in their W (UTF-16) forms.
// Every path and name is converted between code page 932 and UTF-16 where it
// crosses into the system, with code page 932 named explicitly, so names come
// out right whatever the system's ANSI code page; a character that code page
// 932 cannot hold comes up as "?", and the platform remembers the name behind
// each text it hands up (RememberedNames), so that the text still reaches it.
#ifndef PHOTOPAGES_PLATFORM_WINDOWS_PLATFORM_H_
#define PHOTOPAGES_PLATFORM_WINDOWS_PLATFORM_H_

#include <memory>
#include <vector>

#include "platform/platform.h"
#include "platform/remembered_names.h"
#include "platform/windows_files.h"

namespace photopages {

class WindowsPlatform : public Platform {
 public:
  // Remembers the start-up folder as the current directory.
  WindowsPlatform();
  WindowsPlatform(const WindowsPlatform&) = delete;
  WindowsPlatform& operator=(const WindowsPlatform&) = delete;

  const PathSyntax& Paths() const override { return kWindowsPaths; }

  // GetModuleFileNameW.
  AnsiString ExecutablePath() override;
  // GetCommandLineW: the line as the user typed it, quotes and all. Each
  // argument, read by the rules of the program's splitter, is remembered.
  AnsiString RawCommandLine() override;

  // Throws InOutError when the current directory cannot be had.
  AnsiString CurrentDirectory() override;
  // SetCurrentDirectoryW; the error code is GetLastError's. A text that
  // names no folder of its own (two names gave it) is refused with code 3
  // (path not found).
  void SetCurrentDirectory(const AnsiString& folder) override;
  // FindFirstFileW with "*.*", leaving out hidden, system and directory
  // entries, ordered by CompareStringW of the user's locale without regard
  // to letter case, as the system's sorted list orders them; ties by their
  // UTF-16 units. Throws InOutError when the folder cannot be read.
  std::vector<AnsiString> ListOrdinaryFiles(const AnsiString& folder) override;

  // A text that two different names gave names no file.
  std::unique_ptr<InputFile> OpenInput(const AnsiString& path) override;
  // The file is written as a hidden ".photopages-N" in the target's folder.
  std::unique_ptr<OutputFile> CreateOutput(const AnsiString& target) override;
  PathInfo Inspect(const AnsiString& path) override;

  // In the user's time zone, by the rules in force at that moment in the
  // year's own rules (LocalDateTimeFromFileTime).
  LocalDateTime ToLocalTime(const UtcTime& moment) override;
  // GetLocalTime.
  LocalDateTime Now() override;

  // GetLocaleInfoW and EnumCalendarInfoW of the user's default locale, read
  // on every call.
  LocaleSettings UserLocaleSettings() override;

 private:
  RememberedNames<wchar_t> names_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_WINDOWS_PLATFORM_H_
