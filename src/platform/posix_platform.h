// The Platform of a POSIX system whose file names and terminal are UTF-8.
// Every path and name is converted between code page 932 and UTF-8 where it
// crosses into the system; a character that code page 932 cannot hold comes
// up as "?". The platform remembers the exact name behind every text it hands
// up (RememberedNames), so that such a text still reaches its own file and
// never another one.
#ifndef PHOTOPAGES_PLATFORM_POSIX_PLATFORM_H_
#define PHOTOPAGES_PLATFORM_POSIX_PLATFORM_H_

#include <sys/types.h>
#include <unicode/ucol.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "platform/remembered_names.h"
#include "platform/system_name.h"

namespace photopages {

// The Windows error code that stands for a failed call's `errno_value`:
// ENOENT 2; ENOTDIR and ENAMETOOLONG 3; EMFILE and ENFILE 4; EACCES and
// EPERM 5; any other value is its own code.
int InOutErrorCode(int errno_value);

// The ICU locale of a POSIX locale name: "ja_JP.UTF-8" gives "ja_JP"; "C",
// "POSIX", their ".UTF-8" forms and "" give "" (ICU's root collation).
std::string IcuLocaleFromPosix(std::string_view posix_locale);

// The POSIX locale that orders text for the user: LC_ALL, else LC_COLLATE,
// else LANG (an empty variable counts as unset).
std::string CollationLocaleFromEnvironment();

class PosixPlatform : public Platform {
 public:
  // Keeps `argv`'s texts, notes the current directory, finds the path the
  // program was started by, reads the umask and the time-zone rules, and
  // builds the collator of the user's collation locale, all once for the
  // life of the program.
  PosixPlatform(int argc, const char* const* argv);
  PosixPlatform(const PosixPlatform&) = delete;
  PosixPlatform& operator=(const PosixPlatform&) = delete;
  ~PosixPlatform() override;

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

  // Throws InOutError when the current directory cannot be had.
  AnsiString CurrentDirectory() override;
  // A folder whose text names no file (see OpenInput) is refused with code 3
  // (path not found).
  void SetCurrentDirectory(const AnsiString& folder) override;
  // Entries that cannot be followed to a file (dangling links, link loops)
  // are left out. Ties of the collation are ordered by the names' bytes, so
  // the order is total. Throws InOutError when the folder cannot be read,
  // with code 3 when its text names no file.
  std::vector<AnsiString> ListOrdinaryFiles(const AnsiString& folder) override;

  // Every path reaches the name its text came up from: "a?.jpg" listed for
  // "a😀.jpg" opens "a😀.jpg". A text that two different names came up as
  // ("é.jpg" and "è.jpg" in one folder), or an argument that lost a double
  // quote, names no file and is refused, even when a file of that very text
  // exists.
  std::unique_ptr<InputFile> OpenInput(const AnsiString& path) override;
  // The file is written as a hidden ".photopages-XXXXXX" in the target's
  // folder. A target whose text names no file cannot be created.
  std::unique_ptr<OutputFile> CreateOutput(const AnsiString& target) override;
  // Nothing exists at a path whose text names no file.
  PathInfo Inspect(const AnsiString& path) override;

  LocalDateTime ToLocalTime(const UtcTime& moment) override;
  LocalDateTime Now() override;

  // The regional settings of the user's locale name (LC_ALL, LC_TIME, LANG).
  LocaleSettings UserLocaleSettings() override;

 private:
  struct CollatorCloser {
    void operator()(UCollator* collator) const { ucol_close(collator); }
  };

  std::vector<PosixName> arguments_;
  RememberedNames<char> names_;
  PosixName started_path_;  // Empty when argv and PATH name nothing.
  std::unique_ptr<UCollator, CollatorCloser> collator_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_POSIX_PLATFORM_H_
