#include "platform/fake_platform_for_test.h"

#include <algorithm>
#include <chrono>
#include <memory>

#include "common/errors.h"
#include "common/messages.h"
#include "common/paths.h"

namespace photopages {

class FakeInputFile : public InputFile {
 public:
  FakeInputFile(FakePlatform& platform, const FakeFile& file)
      : platform_(platform), file_(file) {}

  uint64_t Size() const override { return file_.bytes.size(); }
  FileIdentity Identity() const override { return {1, file_.inode}; }
  FileAttributes Attributes() const override { return {file_.permissions}; }
  UtcTime LastWriteTime() const override { return file_.last_write; }
  size_t Read(char* buffer, size_t size) override {
    if (platform_.Fails(FaultKind::kRead)) throw ReadError();
    size_t n = std::min(size, file_.bytes.size() - position_);
    std::copy_n(file_.bytes.data() + position_, n, buffer);
    position_ += n;
    return n;
  }
  size_t ReadAt(uint64_t offset, char* buffer, size_t size) override {
    if (platform_.Fails(FaultKind::kRead)) throw ReadError();
    if (offset >= file_.bytes.size()) return 0;
    size_t n = std::min<uint64_t>(size, file_.bytes.size() - offset);
    std::copy_n(file_.bytes.data() + offset, n, buffer);
    return n;
  }

 private:
  FakePlatform& platform_;
  const FakeFile file_;  // As it was when opened.
  size_t position_ = 0;
};

class FakeOutputFile : public OutputFile {
 public:
  FakeOutputFile(FakePlatform& platform, AnsiString temporary,
                 AnsiString target)
      : platform_(platform),
        temporary_(std::move(temporary)),
        target_(std::move(target)) {}
  FakeOutputFile(const FakeOutputFile&) = delete;
  FakeOutputFile& operator=(const FakeOutputFile&) = delete;
  ~FakeOutputFile() override {
    if (!committed_) platform_.files_.erase(temporary_);
  }

  void Write(const char* data, size_t size) override {
    if (platform_.Fails(FaultKind::kWrite)) throw WriteError();
    uint64_t used = platform_.UsedBytes();
    uint64_t room = platform_.capacity_ > used ? platform_.capacity_ - used : 0;
    size_t stored = static_cast<size_t>(std::min<uint64_t>(size, room));
    File().bytes.append(data, stored);
    if (stored < size) throw WriteError();
  }
  void CopyFrom(InputFile& input) override {
    char buffer[4096];
    while (size_t n = input.Read(buffer, sizeof buffer)) Write(buffer, n);
  }
  void SetAttributes(FileAttributes attributes,
                     const UtcTime& last_write) override {
    File().permissions = attributes.bits;
    File().last_write = last_write;
  }
  void SetDefaultAttributes() override { File().permissions = 0644; }
  // The copy is opened by its name, where faults can reach it.
  std::unique_ptr<InputFile> ForReading() override { return nullptr; }
  // A commit refused by a fault is one operation: CommitNew finds the name
  // in use and Commit then fails.
  bool CommitNew() override {
    refused_ = platform_.Fails(FaultKind::kRename);
    attempted_ = true;
    const AnsiString target = platform_.Resolve(target_);
    if (refused_ || platform_.files_.count(target) != 0 ||
        platform_.folders_.count(target) != 0) {
      return false;
    }
    Place(target);
    return true;
  }
  void Commit() override {
    if (!attempted_) refused_ = platform_.Fails(FaultKind::kRename);
    const AnsiString target = platform_.Resolve(target_);
    if (refused_ || platform_.folders_.count(target) != 0) {
      throw FileCreateError(target_);
    }
    Place(target);
  }

 private:
  void Place(const AnsiString& target) {
    platform_.files_[target] = std::move(File());
    platform_.files_.erase(temporary_);
    platform_.written_.push_back(target);
    committed_ = true;
  }

  FakeFile& File() { return platform_.files_.at(temporary_); }

  FakePlatform& platform_;
  AnsiString temporary_;
  AnsiString target_;
  bool attempted_ = false;
  bool refused_ = false;
  bool committed_ = false;
};

namespace {

void AppendName(std::string_view text, std::string& units) { units += text; }

AnsiString TextOf(const PosixName& name) { return name.units(); }

}  // namespace

FakePlatform::FakePlatform()
    : NameBridgePlatform(kPosixPaths, &AppendName, &TextOf) {
  EnterStartFolder(PosixName(current_directory_));
}

void FakePlatform::AddFolder(const AnsiString& path) {
  folders_.insert(Resolve(path));
}

void FakePlatform::AddFile(const AnsiString& path, std::string bytes,
                           unsigned permissions, UtcTime last_write) {
  files_[Resolve(path)] = {std::move(bytes), permissions, last_write,
                           next_inode_++};
}

int FakePlatform::Count(FaultKind kind) const {
  auto it = counts_.find(kind);
  return it == counts_.end() ? 0 : it->second;
}

void FakePlatform::SystemSetCurrentDirectory(const PosixName& folder) {
  AnsiString resolved = Resolve(folder.units());
  if (folders_.count(resolved) != 0) {
    current_directory_ = resolved;
  } else {
    throw InOutError(files_.count(resolved) != 0 ? 3 : 2);
  }
}

std::vector<PosixName> FakePlatform::SystemListOrdinaryFiles(
    const PosixName& folder) {
  AnsiString resolved = Resolve(folder.units());
  if (folders_.count(resolved) == 0)
    throw InOutError(InOutError::kFileNotFound);
  std::vector<AnsiString> names;
  for (const auto& [path, file] : files_) {
    AnsiString name = ExtractFileName(path, kPosixPaths);
    if (ExtractFileDir(path, kPosixPaths) == resolved && name[0] != '.') {
      names.push_back(name);
    }
  }
  std::sort(names.begin(), names.end(),
            [](const AnsiString& a, const AnsiString& b) {
              AnsiString lower_a = AnsiLowerCase(a);
              AnsiString lower_b = AnsiLowerCase(b);
              return lower_a != lower_b ? lower_a < lower_b : a < b;
            });
  return std::vector<PosixName>(names.begin(), names.end());
}

std::unique_ptr<InputFile> FakePlatform::SystemOpenInput(
    const PosixName& name, const AnsiString& path) {
  opened_.push_back(path);
  auto it = files_.find(Resolve(name.units()));
  if (Fails(FaultKind::kOpen) || it == files_.end()) throw FileOpenError(path);
  return std::make_unique<FakeInputFile>(*this, it->second);
}

std::unique_ptr<OutputFile> FakePlatform::SystemCreateOutput(
    const PosixName& name, const AnsiString& target) {
  AnsiString folder = ExtractFileDir(Resolve(name.units()), kPosixPaths);
  if (Fails(FaultKind::kCreate) || folders_.count(folder) == 0) {
    throw FileCreateError(target);
  }
  AnsiString temporary = (folder == "/" ? "" : folder) + "/.photopages-" +
                         std::to_string(next_temporary_++);
  files_[temporary] = {std::string(), 0600, {}, next_inode_++};
  written_.push_back(temporary);
  return std::make_unique<FakeOutputFile>(*this, temporary, target);
}

PathInfo FakePlatform::SystemInspect(const PosixName& name) {
  AnsiString resolved = Resolve(name.units());
  PathInfo info;
  if (auto it = files_.find(resolved); it != files_.end()) {
    info.exists = info.is_regular = true;
    info.read_only = (it->second.permissions & 0222) == 0;
    info.identity = {1, it->second.inode};
  } else if (folders_.count(resolved) != 0) {
    info.exists = info.is_directory = true;
  }
  return info;
}

LocalDateTime FakePlatform::ToLocalTime(const UtcTime& moment) {
  using namespace std::chrono;
  // The proleptic Gregorian calendar of <chrono> reaches the years -32767
  // to 32767.
  constexpr int64_t kCalendarSeconds = int64_t{32766} * 365 * 86400;
  int64_t local = 0;
  if (__builtin_add_overflow(moment.seconds, utc_offset_, &local) ||
      local < -kCalendarSeconds || local > kCalendarSeconds) {
    throw ConvertError(MessageText(Message::kInvalidDate));
  }
  const sys_seconds time{seconds(local)};
  const sys_days day = floor<days>(time);
  const year_month_day date(day);
  const hh_mm_ss clock(time - day);
  return {int(date.year()),
          int(unsigned(date.month())),
          int(unsigned(date.day())),
          int(clock.hours().count()),
          int(clock.minutes().count()),
          int(clock.seconds().count()),
          moment.nanoseconds / 1'000'000};
}

AnsiString FakePlatform::Resolve(const AnsiString& path) const {
  if (!path.empty() && path[0] == '/') return path;
  return (current_directory_ == "/" ? "" : current_directory_) + "/" + path;
}

bool FakePlatform::Fails(FaultKind kind) {
  int count = ++counts_[kind];
  auto it = fail_at_.find(kind);
  return it != fail_at_.end() && it->second == count;
}

uint64_t FakePlatform::UsedBytes() const {
  uint64_t used = 0;
  for (const auto& [path, file] : files_) used += file.bytes.size();
  return used;
}

}  // namespace photopages
