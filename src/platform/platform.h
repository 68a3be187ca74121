// The one seam between photopages and the operating system: files, folders,
// clock and time zone, process facts. Every path and name that crosses it is
// code page 932 text; implementations convert at their own boundary.
// PosixPlatform is the real one; FakePlatform, for tests, injects faults that
// a real disk cannot be made to give on demand.
#ifndef PHOTOPAGES_PLATFORM_PLATFORM_H_
#define PHOTOPAGES_PLATFORM_PLATFORM_H_

#include <time.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/ansi.h"

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

// The calendar fields that gmtime_r or localtime_r gave in `fields`, with
// `millisecond` added.
inline LocalDateTime LocalDateTimeFromTm(const tm& fields, int millisecond) {
  return {
      fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday, fields.tm_hour,
      fields.tm_min,         fields.tm_sec,     millisecond};
}

// What identifies a file across paths: two paths name the same file when
// their identities are equal.
struct FileIdentity {
  uint64_t device = 0;
  uint64_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

// What a path names right now, without following a symbolic link at the
// path itself.
struct PathInfo {
  bool exists = false;
  bool is_directory = false;
  bool is_regular = false;
  bool read_only = false;  // No write permission bit at all.
  FileIdentity identity;
};

// An ordinary file open for reading.
class InputFile {
 public:
  virtual ~InputFile() = default;
  virtual uint64_t Size() const = 0;
  virtual FileIdentity Identity() const = 0;
  // Permission bits (the low twelve bits of the POSIX mode).
  virtual unsigned Permissions() const = 0;
  // Last-write time in nanoseconds since 1970-01-01 00:00:00 UTC.
  virtual int64_t LastWriteNanoseconds() const = 0;
  // Reads up to `size` bytes at the current position; returns the count, 0
  // at the end of the file. Throws EReadError when the read fails.
  virtual size_t Read(char* buffer, size_t size) = 0;
};

// A new file being written under a hidden temporary name in its target's
// folder. Commit() renames it over the target; destroying an uncommitted
// OutputFile removes it, so a failure never leaves a partial target or a
// temporary file behind.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  // Appends `size` bytes. Throws EWriteError when fewer can be written.
  virtual void Write(const char* data, size_t size) = 0;
  // Appends everything from `input`'s current position to its end, by the
  // fastest means the system has. Throws EReadError or EWriteError.
  virtual void CopyFrom(InputFile& input) = 0;
  // Sets the permission bits and the last-write time (nanoseconds since the
  // epoch, kept to the nanosecond).
  virtual void SetAttributes(unsigned permissions,
                             int64_t last_write_nanoseconds) = 0;
  // Sets the permission bits that a newly created ordinary file gets.
  virtual void SetDefaultPermissions() = 0;
  // Replaces the target with this file. Throws EFCreateError(target).
  virtual void Commit() = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Process facts.
  // The running executable's full path, as the program was started by: a
  // link to the program stays the link.
  virtual AnsiString ExecutablePath() = 0;
  // The command line as one text: each argument in double quotes, separated
  // by single spaces, the executable first.
  virtual AnsiString RawCommandLine() = 0;

  // Folders.
  virtual AnsiString CurrentDirectory() = 0;
  // Makes `folder` the current directory. Throws EInOutError with the
  // Windows error code that matches the failure.
  virtual void SetCurrentDirectory(const AnsiString& folder) = 0;
  // The bare names of the ordinary files of `folder` (regular after links
  // are followed, not hidden), in the user's collation order without regard
  // to letter case.
  virtual std::vector<AnsiString> ListOrdinaryFiles(
      const AnsiString& folder) = 0;

  // Files.
  // Opens an existing ordinary file for reading. Throws EFOpenError(path)
  // when it is missing, unreadable or not an ordinary file.
  virtual std::unique_ptr<InputFile> OpenInput(const AnsiString& path) = 0;
  // Starts a file that will replace `target`. Throws EFCreateError(target)
  // when nothing can be created in the target's folder.
  virtual std::unique_ptr<OutputFile> CreateOutput(
      const AnsiString& target) = 0;
  virtual PathInfo Inspect(const AnsiString& path) = 0;

  // Clock and time zone.
  // `nanoseconds` since the epoch as local calendar fields, by the time-zone
  // rules in force at that moment.
  virtual LocalDateTime ToLocalTime(int64_t nanoseconds) = 0;
  virtual LocalDateTime Now() = 0;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_PLATFORM_H_
