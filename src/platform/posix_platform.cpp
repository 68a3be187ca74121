#include "platform/posix_platform.h"

#include <dirent.h>
#include <errno.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>
#include <unicode/ustring.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <stdexcept>
#include <utility>

#include "common/codepage.h"
#include "common/errors.h"
#include "common/paths.h"
#include "platform/posix_files.h"
#include "platform/posix_locale_name.h"
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

// `text` as the system names it, converted plainly.
PosixName SystemNameOf(std::string_view text) {
  return PosixName(Utf8FromAnsi(text));
}

// `name` as the program's text.
AnsiString TextOf(const PosixName& name) { return AnsiFromUtf8(name.units()); }

// A listed name with its place in the collation order.
struct ListedName {
  std::string sort_key;
  PosixName name;
  bool operator<(const ListedName& other) const {
    return sort_key != other.sort_key ? sort_key < other.sort_key
                                      : name < other.name;
  }
};

// The collation sort key of `name` (a byte that is not UTF-8 counts as
// U+FFFD). `utf16` is scratch space kept across calls.
std::string SortKey(const UCollator* collator, const PosixName& name,
                    std::vector<UChar>& utf16) {
  const std::string& utf8 = name.units();
  utf16.resize(utf8.size() + 1);  // UTF-16 never needs more units than bytes.
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strFromUTF8WithSub(utf16.data(), static_cast<int32_t>(utf16.size()),
                       &length, utf8.data(), static_cast<int32_t>(utf8.size()),
                       0xFFFD, nullptr, &status);
  if (U_FAILURE(status)) return std::string();
  std::string key(64, '\0');
  for (int attempt = 0; attempt < 2; ++attempt) {
    int32_t needed = ucol_getSortKey(collator, utf16.data(), length,
                                     reinterpret_cast<uint8_t*>(key.data()),
                                     static_cast<int32_t>(key.size()));
    bool fits = static_cast<size_t>(needed) <= key.size();
    key.resize(static_cast<size_t>(needed));
    if (fits) break;
  }
  return key;
}

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

std::string IcuLocaleFromPosix(std::string_view posix_locale) {
  return std::string(LanguageAndTerritory(posix_locale));
}

std::string CollationLocaleFromEnvironment() {
  return LocaleFromEnvironment("LC_COLLATE");
}

PosixPlatform::PosixPlatform(int argc, const char* const* argv)
    : arguments_(argv, argv + argc), names_(kPosixPaths, &SystemNameOf) {
  const std::string start_folder = WorkingFolder();
  if (!start_folder.empty()) {
    const PosixName name(start_folder);
    const AnsiString text = TextOf(name);
    names_.Remember(text, name);
    names_.EnterFolder(text, name);
  }
  started_path_ = StartedProgramPath(argc > 0 ? argv[0] : "", start_folder);
  tzset();

  std::string locale = IcuLocaleFromPosix(CollationLocaleFromEnvironment());
  UErrorCode status = U_ZERO_ERROR;
  collator_.reset(ucol_open(locale.c_str(), &status));
  if (U_FAILURE(status)) {
    status = U_ZERO_ERROR;
    collator_.reset(ucol_open("", &status));
  }
  if (U_FAILURE(status)) {
    throw std::runtime_error(std::string("ICU has no collation: ") +
                             u_errorName(status));
  }
  ucol_setStrength(collator_.get(), UCOL_SECONDARY);
}

PosixPlatform::~PosixPlatform() = default;

AnsiString PosixPlatform::ExecutablePath() {
  const PosixName path =
      started_path_.units().empty() ? RunningProgramFile() : started_path_;
  const std::string& units = path.units();
  AnsiString executable = TextOf(path);
  names_.Remember(executable, path);
  names_.Remember(
      ExtractFileDir(executable, kPosixPaths),
      PosixName(units.substr(0, std::max<size_t>(units.rfind('/'), 1))));
  return executable;
}

AnsiString PosixPlatform::RawCommandLine() {
  AnsiString line;
  for (const PosixName& argument : arguments_) {
    AnsiString converted = TextOf(argument);
    if (std::erase(converted, '"') != 0) {
      names_.Refuse(converted, argument);
    } else {
      names_.Remember(converted, argument);
    }
    if (!line.empty()) line += ' ';
    line += '"' + converted + '"';
  }
  return line;
}

AnsiString PosixPlatform::CurrentDirectory() {
  std::string path = WorkingFolder();
  if (path.empty()) ThrowInOutError(errno);
  const PosixName name(std::move(path));
  AnsiString text = TextOf(name);
  names_.Remember(text, name);
  return text;
}

void PosixPlatform::SetCurrentDirectory(const AnsiString& folder) {
  // A text that names no folder of its own is a path not found.
  const std::optional<PosixName> name = names_.Find(folder);
  if (!name) throw InOutError(InOutError::kPathNotFound);
  if (chdir(name->c_str()) != 0) ThrowInOutError(errno);
  names_.EnterFolder(folder, *name);
}

std::vector<AnsiString> PosixPlatform::ListOrdinaryFiles(
    const AnsiString& folder) {
  const std::optional<PosixName> folder_name = names_.Find(folder);
  if (!folder_name) throw InOutError(InOutError::kPathNotFound);
  std::unique_ptr<DIR, DirectoryCloser> directory(
      opendir(folder_name->c_str()));
  if (directory == nullptr) ThrowInOutError(errno);
  std::vector<ListedName> listed;
  std::vector<UChar> utf16;
  while (true) {
    errno = 0;
    const dirent* entry = readdir(directory.get());
    if (entry == nullptr) break;
    if (entry->d_name[0] == '.' ||
        !IsOrdinaryFile(dirfd(directory.get()), *entry)) {
      continue;
    }
    PosixName name(entry->d_name);
    std::string sort_key = SortKey(collator_.get(), name, utf16);
    listed.push_back({std::move(sort_key), std::move(name)});
  }
  if (errno != 0) ThrowInOutError(errno);
  std::sort(listed.begin(), listed.end());
  std::vector<AnsiString> names;
  names.reserve(listed.size());
  for (const ListedName& entry : listed) {
    names.push_back(TextOf(entry.name));
    names_.RememberListed(folder, *folder_name, names.back(), entry.name);
  }
  return names;
}

std::unique_ptr<InputFile> PosixPlatform::OpenInput(const AnsiString& path) {
  const std::optional<PosixName> name = names_.Find(path);
  if (!name) throw FileOpenError(path);
  return OpenPosixInput(*name, path);
}

std::unique_ptr<OutputFile> PosixPlatform::CreateOutput(
    const AnsiString& target) {
  const std::optional<PosixName> name = names_.Find(target);
  if (!name) throw FileCreateError(target);
  return CreatePosixOutput(*name, target);
}

PathInfo PosixPlatform::Inspect(const AnsiString& path) {
  const std::optional<PosixName> name = names_.Find(path);
  struct stat status;
  if (!name || lstat(name->c_str(), &status) != 0) return PathInfo();
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
