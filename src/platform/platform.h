// The one seam between photopages and the operating system: files, folders,
// clock and time zone, locale settings, process facts. Every path and name
// that crosses it is code page 932 text; implementations convert at their own
// boundary. PosixPlatform and WindowsPlatform are the real ones, and the build
// picks the one of its system; FakePlatform, for tests, injects faults that a
// real disk cannot be made to give on demand.
#ifndef PHOTOPAGES_PLATFORM_PLATFORM_H_
#define PHOTOPAGES_PLATFORM_PLATFORM_H_

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/ansi.h"
#include "common/paths.h"
#include "platform/locale_settings.h"

// <windows.h> makes SetCurrentDirectory a macro for SetCurrentDirectoryA or
// SetCurrentDirectoryW. Every file sees the interface below with the plain
// name, whether or not it included <windows.h> first; the macro comes back
// at the end of this file.
#if defined(SetCurrentDirectory)
#undef SetCurrentDirectory
#define PHOTOPAGES_SETCURRENTDIRECTORY_UNDEFINED
#endif

namespace photopages {

// A moment in local time, as calendar fields.
struct LocalDateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  bool operator==(const LocalDateTime&) const = default;
};

// A moment in coordinated universal time, exact to the nanosecond as file
// systems keep it: whole seconds since 1970-01-01 00:00:00 (negative before
// it) and the nanoseconds past that second, 0 to 999 999 999, so that
// 1969-12-31 23:59:59.5 is {-1, 500'000'000}. The two are kept apart because
// one 64-bit count of nanoseconds ends in 1677 and 2262, while file times
// reach from before year 1 to after year 9999.
struct UtcTime {
  int64_t seconds = 0;
  int32_t nanoseconds = 0;
  bool operator==(const UtcTime&) const = default;
};

// What identifies a file across paths: two paths name the same file when
// their identities are equal. The device and inode numbers on POSIX, the
// volume serial number and file index on Windows.
struct FileIdentity {
  uint64_t volume = 0;
  uint64_t file = 0;
  bool operator==(const FileIdentity&) const = default;
};

// What a copy keeps of its source besides the bytes and the last-write time,
// in the system's own terms: the permission bits (the low twelve bits of the
// mode) on POSIX, the read-only attribute on Windows. Only the platform that
// handed them out reads them.
struct FileAttributes {
  uint32_t bits = 0;
  bool operator==(const FileAttributes&) const = default;
};

// What a path names right now, without following a symbolic link at the
// path itself.
struct PathInfo {
  bool exists = false;
  bool is_directory = false;
  bool is_regular = false;
  bool read_only = false;  // No write permission bit, or read-only attribute.
  FileIdentity identity;
};

// An ordinary file open for reading.
class InputFile {
 public:
  virtual ~InputFile() = default;
  virtual uint64_t Size() const = 0;
  virtual FileIdentity Identity() const = 0;
  virtual FileAttributes Attributes() const = 0;
  virtual UtcTime LastWriteTime() const = 0;
  // Reads up to `size` bytes at the current position; returns the count, 0
  // at the end of the file. Throws ReadError when the read fails.
  virtual size_t Read(char* buffer, size_t size) = 0;
  // Reads up to `size` bytes at `offset`; returns the count, 0 at or past
  // the end of the file. Throws ReadError when the read fails. ReadAt may
  // move the position that Read goes on from, so Read is not used after it.
  virtual size_t ReadAt(uint64_t offset, char* buffer, size_t size) = 0;
};

// A new file being written where no one takes it for the target: without a
// name where the system allows, otherwise under a hidden temporary name in
// its target's folder or in a hidden work folder inside it. CommitNew() and
// Commit() give it the target's name; destroying an uncommitted OutputFile
// removes it, so a failure never leaves a partial target or a temporary file
// behind.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  // Appends `size` bytes. Throws WriteError when fewer can be written.
  virtual void Write(const char* data, size_t size) = 0;
  // Appends the whole of `input`, from which nothing has been read yet, by
  // the fastest means the system has: its bytes up to the size it had when it
  // was opened, or to its end when the file reports no size. Throws
  // ReadError or WriteError.
  virtual void CopyFrom(InputFile& input) = 0;
  // Gives the file `attributes`, from an InputFile of the same platform, and
  // the last-write time, kept exactly.
  virtual void SetAttributes(FileAttributes attributes,
                             const UtcTime& last_write) = 0;
  // Gives the file the attributes that a newly created ordinary file gets.
  virtual void SetDefaultAttributes() = 0;
  // The file, once whole and given its attributes, open for reading as
  // OpenInput of the target gives it once committed: its identity, size,
  // attributes and last-write time are the ones it keeps under the target's
  // name. It stays open after this file is committed or dropped, costs no
  // look-up of the name, and is read by ReadAt only. nullptr where the
  // system would open it by its name once committed.
  virtual std::unique_ptr<InputFile> ForReading() = 0;
  // Gives this file the target's name when no file or folder has that name
  // yet, and returns true. Returns false, the file kept uncommitted, when the
  // name is in use, or when the system cannot tell without replacing: the
  // caller may then look at the target and Commit. Throws WriteError when the
  // system reports that written data was lost.
  virtual bool CommitNew() = 0;
  // Replaces the target with this file. Throws WriteError when the system
  // reports that written data was lost, FileCreateError(target) when the
  // target cannot be replaced.
  virtual void Commit() = 0;
};

// Names. A system name that code page 932 cannot hold ("Café", "사진")
// comes up as a text with "?" in it. Every text a platform hands up (an
// argument, a listed name, the executable's path and its folder, the current
// directory) reaches the exact name it came up from when it, or a path that
// goes on from it, comes back down. A text that two different names gave
// ("é.jpg" and "è.jpg" both give "?.jpg"), or an argument altered beyond the
// conversion, names no file, even when a file of that very text exists:
// SetCurrentDirectory and ListOrdinaryFiles refuse it with
// InOutError(kPathNotFound), OpenInput with FileOpenError, CreateOutput with
// FileCreateError, and Inspect finds nothing there. So the program never
// reaches a file other than the one it was given.
class Platform {
 public:
  virtual ~Platform() = default;

  // The path syntax of the system's file names.
  virtual const PathSyntax& Paths() const = 0;

  // Process facts.
  // The running executable's full path, as the program was started by: a
  // link to the program stays the link.
  virtual AnsiString ExecutablePath() = 0;
  // The command line as one text, the executable first: the line as given
  // where the system keeps one; where the system hands out arguments already
  // split, each in double quotes, separated by single spaces.
  virtual AnsiString RawCommandLine() = 0;

  // Folders.
  // The current directory's full path. Throws InOutError with the Windows
  // error code of the failure when it cannot be had (it was removed).
  virtual AnsiString CurrentDirectory() = 0;
  // Makes `folder` the current directory. Throws InOutError with the
  // Windows error code that matches the failure.
  virtual void SetCurrentDirectory(const AnsiString& folder) = 0;
  // The bare names of the ordinary files of `folder` (regular after links
  // are followed, not hidden), in the user's collation order without regard
  // to letter case. Throws InOutError with the Windows error code of the
  // failure when the folder cannot be read.
  virtual std::vector<AnsiString> ListOrdinaryFiles(
      const AnsiString& folder) = 0;

  // Files.
  // Opens an existing ordinary file for reading. Throws FileOpenError(path)
  // when it is missing, unreadable or not an ordinary file.
  virtual std::unique_ptr<InputFile> OpenInput(const AnsiString& path) = 0;
  // Starts a file that will replace `target`. Throws FileCreateError(target)
  // when nothing can be created in the target's folder.
  virtual std::unique_ptr<OutputFile> CreateOutput(
      const AnsiString& target) = 0;
  // What `path` names right now. A path that names no file, or that cannot
  // be looked at, is no error: nothing exists there.
  virtual PathInfo Inspect(const AnsiString& path) = 0;

  // Clock and time zone.
  // `moment` as local calendar fields, by the time-zone rules in force at
  // that moment; the milliseconds are its nanoseconds cut to whole
  // milliseconds. Throws ConvertError (Message::kInvalidDate) when the local
  // year lies beyond what the system's calendar can give, which is far
  // outside years 1 to 9999.
  virtual LocalDateTime ToLocalTime(const UtcTime& moment) = 0;
  // The current moment as local calendar fields, to the millisecond, in the
  // time zone of ToLocalTime: a file written now has a last-write time that
  // ToLocalTime gives as Now().
  virtual LocalDateTime Now() = 0;

  // The user's date and time settings as the locale gives them now: read
  // again on every call, so that a caller told of a change of settings gets
  // the new ones.
  virtual LocaleSettings UserLocaleSettings() = 0;
};

// The platform of the system the program is built for (the build links
// either PosixPlatform or WindowsPlatform), for the process started with
// `argc` and `argv`; Windows keeps its own command line and ignores them.
std::unique_ptr<Platform> NewSystemPlatform(int argc, const char* const* argv);

}  // namespace photopages

#if defined(PHOTOPAGES_SETCURRENTDIRECTORY_UNDEFINED)
#if defined(UNICODE)
#define SetCurrentDirectory SetCurrentDirectoryW
#else
#define SetCurrentDirectory SetCurrentDirectoryA
#endif
#undef PHOTOPAGES_SETCURRENTDIRECTORY_UNDEFINED
#endif

#endif  // PHOTOPAGES_PLATFORM_PLATFORM_H_
