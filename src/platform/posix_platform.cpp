#include "platform/posix_platform.h"

#include <dirent.h>
#include <errno.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "common/codepage.h"
#include "common/errors.h"
#include "common/paths.h"
#include "platform/posix_files.h"
#include "platform/posix_locale_settings.h"
#include "platform/posix_program_path.h"
#include "platform/posix_time.h"

namespace photopages {
namespace {

[[noreturn]] void ThrowInOutError(int errno_value) {
  throw InOutError(InOutErrorCode(errno_value));
}

// The current directory as the system names it; empty, with errno set, when
// it cannot be had.
std::string WorkingFolder() {
  std::string path(256, '\0');
  while (getcwd(path.data(), path.size()) == nullptr) {
    if (errno != ERANGE) return std::string();
    path.resize(path.size() * 2);
  }
  path.resize(std::strlen(path.c_str()));
  return path;
}

// True when `path` names an existing file, not a folder, that may be run.
bool IsRunnable(const std::string& path) {
  struct stat status;
  return stat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode) &&
         access(path.c_str(), X_OK) == 0;
}

// The path the program was started by, found from `argv0`, the folder it was
// started in (empty when not known) and PATH; empty when none of them names
// a program.
PosixName StartedProgramPath(std::string_view argv0,
                             const std::string& start_folder) {
  for (std::string& candidate :
       ProgramPathCandidates(argv0, start_folder, getenv("PATH"))) {
    if (IsRunnable(candidate)) return PosixName(std::move(candidate));
  }
  return PosixName();
}

// The program file the kernel runs, every link resolved. Throws InOutError
// when /proc/self/exe cannot be read.
PosixName RunningProgramFile() {
  std::string path(256, '\0');
  while (true) {
    ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
    if (n < 0) ThrowInOutError(errno);
    if (static_cast<size_t>(n) < path.size()) {
      path.resize(static_cast<size_t>(n));
      return PosixName(std::move(path));
    }
    path.resize(path.size() * 2);
  }
}

struct DirectoryCloser {
  void operator()(DIR* directory) const { closedir(directory); }
};

// True when the entry is, or links to, a regular file.
bool IsOrdinaryFile(int directory_fd, const dirent& entry) {
  switch (entry.d_type) {
    case DT_REG:
      return true;
    case DT_LNK:
    case DT_UNKNOWN: {
      struct stat status;
      return fstatat(directory_fd, entry.d_name, &status, 0) == 0 &&
             S_ISREG(status.st_mode);
    }
    default:
      return false;
  }
}

// `name` as the program's text.
AnsiString TextOf(const PosixName& name) { return AnsiFromUtf8(name.units()); }

}  // namespace

std::unique_ptr<Platform> NewSystemPlatform(int argc, const char* const* argv) {
  return std::make_unique<PosixPlatform>(argc, argv);
}

int InOutErrorCode(int errno_value) {
  switch (errno_value) {
    case ENOENT:
      return InOutError::kFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
      return InOutError::kPathNotFound;
    case EMFILE:
    case ENFILE:
      return InOutError::kTooManyOpenFiles;
    case EACCES:
    case EPERM:
      return InOutError::kAccessDenied;
    default:
      return errno_value;
  }
}

PosixPlatform::PosixPlatform(int argc, const char* const* argv)
    // The system names files in UTF-8: text is converted to it plainly.
    : NameBridgePlatform(kPosixPaths, &AppendUtf8FromAnsi, &TextOf),
      arguments_(argv, argv + argc) {
  const std::string start_folder = WorkingFolder();
  if (!start_folder.empty()) EnterStartFolder(PosixName(start_folder));
  started_path_ = StartedProgramPath(argc > 0 ? argv[0] : "", start_folder);
  tzset();
}

AnsiString PosixPlatform::ExecutablePath() {
  const PosixName path =
      started_path_.units().empty() ? RunningProgramFile() : started_path_;
  const std::string& units = path.units();
  return HandUpExecutable(
      path, PosixName(units.substr(0, std::max<size_t>(units.rfind('/'), 1))));
}

AnsiString PosixPlatform::RawCommandLine() {
  AnsiString line;
  for (const PosixName& argument : arguments_) {
    AnsiString converted = TextOf(argument);
    const bool lost_quote = std::erase(converted, '"') != 0;
    if (!line.empty()) line += ' ';
    line += '"';
    line += converted;
    line += '"';
    if (lost_quote) {
      names().Refuse(converted, argument);
    } else {
      names().Remember(std::move(converted), argument);
    }
  }
  return line;
}

PosixName PosixPlatform::SystemCurrentDirectory() {
  std::string path = WorkingFolder();
  if (path.empty()) ThrowInOutError(errno);
  return PosixName(std::move(path));
}

void PosixPlatform::SystemSetCurrentDirectory(const PosixName& folder) {
  if (chdir(folder.c_str()) != 0) ThrowInOutError(errno);
}

std::vector<PosixName> PosixPlatform::SystemListOrdinaryFiles(
    const PosixName& folder) {
  std::unique_ptr<DIR, DirectoryCloser> directory(opendir(folder.c_str()));
  if (directory == nullptr) ThrowInOutError(errno);
  // Each name after its collation sort key.
  std::vector<std::pair<std::string, PosixName>> listed;
  while (true) {
    errno = 0;
    const dirent* entry = readdir(directory.get());
    if (entry == nullptr) break;
    if (entry->d_name[0] == '.' ||
        !IsOrdinaryFile(dirfd(directory.get()), *entry)) {
      continue;
    }
    listed.emplace_back(collation_.SortKey(entry->d_name),
                        PosixName(entry->d_name));
  }
  if (errno != 0) ThrowInOutError(errno);
  std::sort(listed.begin(), listed.end());
  std::vector<PosixName> ordered;
  ordered.reserve(listed.size());
  for (auto& [sort_key, name] : listed) ordered.push_back(std::move(name));
  return ordered;
}

std::unique_ptr<InputFile> PosixPlatform::SystemOpenInput(
    const PosixName& name, const AnsiString& path) {
  return OpenPosixInput(name, path);
}

std::unique_ptr<OutputFile> PosixPlatform::SystemCreateOutput(
    const PosixName& name, const AnsiString& target) {
  return CreatePosixOutput(name, target);
}

PathInfo PosixPlatform::SystemInspect(const PosixName& name) {
  struct stat status;
  if (lstat(name.c_str(), &status) != 0) return PathInfo();
  PathInfo info;
  info.exists = true;
  info.is_directory = S_ISDIR(status.st_mode);
  info.is_regular = S_ISREG(status.st_mode);
  info.read_only = (status.st_mode & 0222) == 0;
  info.identity = {.volume = static_cast<uint64_t>(status.st_dev),
                   .file = static_cast<uint64_t>(status.st_ino)};
  return info;
}

LocalDateTime PosixPlatform::ToLocalTime(const UtcTime& moment) {
  const timespec time = TimespecFromUtcTime(moment);
  tm fields{};
  return LocalDateTimeFromTm(localtime_r(&time.tv_sec, &fields),
                             moment.nanoseconds);
}

LocalDateTime PosixPlatform::Now() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return ToLocalTime(UtcTimeFromTimespec(now));
}

LocaleSettings PosixPlatform::UserLocaleSettings() {
  return LocaleSettingsFor(UserLocaleName());
}

}  // namespace photopages
