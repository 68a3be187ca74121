// The Platform of Windows, on the Win32 services in their W (UTF-16) forms.
// Every path and name is converted between code page 932 and UTF-16 where it
// crosses into the system, with code page 932 named explicitly, so names come
// out right whatever the system's ANSI code page; a character that code page
// 932 cannot hold comes up as "?", and NameBridgePlatform keeps such a text
// reaching its own file.
#ifndef PHOTOPAGES_PLATFORM_WINDOWS_PLATFORM_H_
#define PHOTOPAGES_PLATFORM_WINDOWS_PLATFORM_H_

#include <memory>
#include <vector>

#include "platform/name_bridge_platform.h"
#include "platform/platform.h"
#include "platform/windows_file_identity.h"
#include "platform/windows_files.h"
#include "platform/windows_time.h"
#include "platform/windows_work_folders.h"

namespace photopages {

class WindowsPlatform : public NameBridgePlatform<wchar_t> {
 public:
  // Remembers the start-up folder as the current directory.
  WindowsPlatform();

  const PathSyntax& Paths() const override { return kWindowsPaths; }

  // GetModuleFileNameW.
  AnsiString ExecutablePath() override;
  // GetCommandLineW: the line as the user typed it, quotes and all. Each
  // argument, read by the rules of the program's splitter, is remembered.
  AnsiString RawCommandLine() override;

  // In the user's time zone, by the rules in force at that moment in the
  // year's own rules (LocalDateTimeFromFileTime).
  LocalDateTime ToLocalTime(const UtcTime& moment) override;
  // GetLocalTime.
  LocalDateTime Now() override;

  // GetLocaleInfoW and EnumCalendarInfoW of the user's default locale, read
  // on every call.
  LocaleSettings UserLocaleSettings() override;

 private:
  // GetCurrentDirectoryW; GetLastError's code.
  WindowsName SystemCurrentDirectory() override;
  // SetCurrentDirectoryW; GetLastError's code.
  void SystemSetCurrentDirectory(const WindowsName& folder) override;
  // FindFirstFileW with "*.*", leaving out hidden, system and directory
  // entries, ordered by CompareStringW of the user's locale without regard
  // to letter case, as the system's sorted list orders them; ties by their
  // UTF-16 units.
  std::vector<WindowsName> SystemListOrdinaryFiles(
      const WindowsName& folder) override;
  std::unique_ptr<InputFile> SystemOpenInput(const WindowsName& name,
                                             const AnsiString& path) override;
  // The file is written as a hidden ".photopages-XXXXXX" in the hidden
  // work folder ".photopages-work" of the target's folder, which lasts as
  // long as this platform, or beside the target where that folder cannot be
  // made.
  std::unique_ptr<OutputFile> SystemCreateOutput(
      const WindowsName& name, const AnsiString& target) override;
  PathInfo SystemInspect(const WindowsName& name) override;

  WindowsWorkFolders work_folders_;
  WindowsFileIdentities identities_;
  ZoneRulesByYear zone_rules_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_WINDOWS_PLATFORM_H_
