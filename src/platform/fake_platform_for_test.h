// An in-memory Platform for tests that need faults a real disk cannot be made
// to give on demand: the Nth read, write, create, rename or open fails, or
// the disk fills up in the middle of a copy.
//
// Paths are taken as given, "/"-separated as on POSIX (on every system, so
// that tests read the same everywhere); one that does not start with "/"
// is resolved against the current directory. Folders must be added before
// files are created in them. Temporary files live in the same file map as
// every other file, so a test can see whether any are left behind. The
// listing orders names by their ASCII-lowered bytes; a new file gets 0644;
// there is no "." or ".." in paths and no symbolic link. File attributes are
// POSIX permission bits. The locale settings are those a test sets. A text
// is its own name, and it goes through NameBridgePlatform as a real
// platform's texts do.
#ifndef PHOTOPAGES_PLATFORM_FAKE_PLATFORM_FOR_TEST_H_
#define PHOTOPAGES_PLATFORM_FAKE_PLATFORM_FOR_TEST_H_

#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/name_bridge_platform.h"
#include "platform/platform.h"
#include "platform/system_name.h"

namespace photopages {

enum class FaultKind { kRead, kWrite, kCreate, kRename, kOpen };

struct FakeFile {
  std::string bytes;
  unsigned permissions = 0644;
  UtcTime last_write;
  uint64_t inode = 0;  // Set by the platform: unique per created file.
};

class FakePlatform : public NameBridgePlatform<char> {
 public:
  FakePlatform();

  // Setting up.
  void AddFolder(const AnsiString& path);
  void AddFile(const AnsiString& path, std::string bytes,
               unsigned permissions = 0644, UtcTime last_write = {});
  void set_executable_path(AnsiString path) {
    executable_path_ = std::move(path);
  }
  void set_command_line(AnsiString line) { command_line_ = std::move(line); }
  void set_now(UtcTime now) { now_ = now; }
  // Local time is UTC shifted by this many seconds.
  void set_utc_offset_seconds(int64_t seconds) { utc_offset_ = seconds; }
  void set_locale_settings(LocaleSettings settings) {
    locale_settings_ = std::move(settings);
  }

  // Faults. The `n`th operation of `kind` from the start (1 for the first)
  // fails; 0 clears the fault. A Read, ReadAt or Write call is one
  // operation, as is each OpenInput, CreateOutput and Commit.
  void FailNth(FaultKind kind, int n) { fail_at_[kind] = n; }
  // How many operations of `kind` have been made so far.
  int Count(FaultKind kind) const;
  // Total bytes that all files together may hold; a write past it stores
  // what fits and fails.
  void set_capacity(uint64_t bytes) { capacity_ = bytes; }

  // Inspecting.
  const std::map<AnsiString, FakeFile>& files() const { return files_; }
  // Every path a file was created at or renamed to, in order.
  const std::vector<AnsiString>& written_paths() const { return written_; }
  // Every path given to OpenInput, as given, in order (failed opens too).
  const std::vector<AnsiString>& opened_paths() const { return opened_; }

  // Platform.
  const PathSyntax& Paths() const override { return kPosixPaths; }
  AnsiString ExecutablePath() override { return executable_path_; }
  AnsiString RawCommandLine() override { return command_line_; }
  LocalDateTime ToLocalTime(const UtcTime& moment) override;
  LocalDateTime Now() override { return ToLocalTime(now_); }
  LocaleSettings UserLocaleSettings() override { return locale_settings_; }

 private:
  friend class FakeInputFile;
  friend class FakeOutputFile;

  PosixName SystemCurrentDirectory() override {
    return PosixName(current_directory_);
  }
  void SystemSetCurrentDirectory(const PosixName& folder) override;
  std::vector<PosixName> SystemListOrdinaryFiles(
      const PosixName& folder) override;
  std::unique_ptr<InputFile> SystemOpenInput(const PosixName& name,
                                             const AnsiString& path) override;
  std::unique_ptr<OutputFile> SystemCreateOutput(
      const PosixName& name, const AnsiString& target) override;
  PathInfo SystemInspect(const PosixName& name) override;

  AnsiString Resolve(const AnsiString& path) const;
  // Counts an operation of `kind`; true when it is the one to fail.
  bool Fails(FaultKind kind);
  uint64_t UsedBytes() const;

  std::map<AnsiString, FakeFile> files_;
  std::set<AnsiString> folders_{"/"};
  std::vector<AnsiString> written_;
  std::vector<AnsiString> opened_;
  std::map<FaultKind, int> fail_at_;
  std::map<FaultKind, int> counts_;
  uint64_t capacity_ = std::numeric_limits<uint64_t>::max();
  uint64_t next_inode_ = 1;
  int next_temporary_ = 0;
  AnsiString executable_path_ = "/album/photopages";
  AnsiString command_line_ = "\"/album/photopages\"";
  AnsiString current_directory_ = "/";
  UtcTime now_;
  int64_t utc_offset_ = 0;
  LocaleSettings locale_settings_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_FAKE_PLATFORM_FOR_TEST_H_
