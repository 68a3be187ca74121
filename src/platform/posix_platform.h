// The Platform of a POSIX system whose file names and terminal are UTF-8.
// Every path and name is converted between code page 932 and UTF-8 where it
// crosses into the system; a character that code page 932 cannot hold comes
// up as "?", and NameBridgePlatform keeps such a text reaching its own file.
#ifndef PHOTOPAGES_PLATFORM_POSIX_PLATFORM_H_
#define PHOTOPAGES_PLATFORM_POSIX_PLATFORM_H_

#include <memory>
#include <vector>

#include "platform/name_bridge_platform.h"
#include "platform/platform.h"
#include "platform/posix_collation.h"
#include "platform/system_name.h"

namespace photopages {

// The Windows error code that stands for a failed call's `errno_value`:
// ENOENT 2; ENOTDIR and ENAMETOOLONG 3; EMFILE and ENFILE 4; EACCES and
// EPERM 5; any other value is its own code.
int InOutErrorCode(int errno_value);

class PosixPlatform : public NameBridgePlatform<char> {
 public:
  // Keeps `argv`'s texts, notes the current directory, finds the path the
  // program was started by, reads the time-zone rules, and builds the
  // collator of the user's collation locale, all once for the life of the
  // program.
  PosixPlatform(int argc, const char* const* argv);

  const PathSyntax& Paths() const override { return kPosixPaths; }

  // The path the program was started by, links left as they are: argv[0]
  // when it holds a "/", else the first runnable match on PATH, made
  // absolute against the start-up folder and tidied; /proc/self/exe when
  // neither names an existing program (argv[0] empty or made up). Throws
  // InOutError when /proc/self/exe is needed and cannot be read.
  AnsiString ExecutablePath() override;
  // A double quote inside an argument is dropped: in the rebuilt line it
  // would end the quoted stretch and merge arguments. Such an argument names
  // no file, so that "ab.jpg" never stands for "a\"b.jpg".
  AnsiString RawCommandLine() override;

  LocalDateTime ToLocalTime(const UtcTime& moment) override;
  LocalDateTime Now() override;

  // The regional settings of the user's locale name (LC_ALL, LC_TIME, LANG).
  LocaleSettings UserLocaleSettings() override;

 private:
  // getcwd; errno's code.
  PosixName SystemCurrentDirectory() override;
  // chdir; errno's code.
  void SystemSetCurrentDirectory(const PosixName& folder) override;
  // Entries that cannot be followed to a file (dangling links, link loops)
  // are left out. Ties of the collation are ordered by the names' bytes, so
  // the order is total.
  std::vector<PosixName> SystemListOrdinaryFiles(
      const PosixName& folder) override;
  std::unique_ptr<InputFile> SystemOpenInput(const PosixName& name,
                                             const AnsiString& path) override;
  // The file is written as a hidden ".photopages-XXXXXX" in the target's
  // folder.
  std::unique_ptr<OutputFile> SystemCreateOutput(
      const PosixName& name, const AnsiString& target) override;
  PathInfo SystemInspect(const PosixName& name) override;

  std::vector<PosixName> arguments_;
  PosixName started_path_;  // Empty when argv and PATH name nothing.
  PosixCollation collation_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_POSIX_PLATFORM_H_
