#include "platform/windows_files.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "common/errors.h"
#include "common/windows_api.h"
#include "platform/temporary_file.h"
#include "platform/windows_extended_path.h"
#include "platform/windows_file_identity.h"
#include "platform/windows_time.h"
#include "platform/windows_work_folders.h"

namespace photopages {
namespace {

constexpr DWORD kCopyBufferSize = 1 << 20;

// Owns an open file handle.
class FileHandle {
 public:
  FileHandle() : handle_(INVALID_HANDLE_VALUE) {}
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(FileHandle&& other) noexcept
      : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  FileHandle& operator=(FileHandle&&) = delete;
  ~FileHandle() { Close(); }

  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  // Closes the handle held so far and takes `handle`.
  void Reset(HANDLE handle) {
    Close();
    handle_ = handle;
  }

  // Closes the handle. Returns false when the system reports a failure.
  bool Close() {
    if (!valid()) return true;
    return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0;
  }

 private:
  HANDLE handle_;
};

// True when `error`, met at `path`, is one that another program holding the
// file for a moment gives: a sharing or lock violation, or access denied on
// a file that is not read-only (a rename over a file open without delete
// sharing).
bool IsBusy(DWORD error, const std::wstring& path) {
  if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) {
    return true;
  }
  if (error != ERROR_ACCESS_DENIED) return false;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) ==
             0;
}

// Calls `attempt` until it returns true, again after a short pause while it
// fails because another program holds the file at `path` (an indexer, a
// virus scanner, a sync client), for at most kBusyMilliseconds in all.
// Returns attempt's last result, its error left as the last error.
constexpr ULONGLONG kBusyMilliseconds = 1000;
template <typename Attempt>
bool RetryWhileBusy(const std::wstring& path, Attempt attempt) {
  const ULONGLONG deadline = GetTickCount64() + kBusyMilliseconds;
  DWORD pause = 10;
  while (!attempt()) {
    const DWORD error = GetLastError();
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline || !IsBusy(error, path)) {
      SetLastError(error);
      return false;
    }
    Sleep(static_cast<DWORD>(std::min<ULONGLONG>(pause, deadline - now)));
    pause = std::min<DWORD>(pause * 2, 200);
  }
  return true;
}

// An open file and the facts that its name and its copy need. Its identity
// is read only when asked for: Wine reads the volume's serial number for it,
// which costs as much as opening the file, unless the file lies in a folder
// that files are written to (WindowsFileIdentities).
class WindowsInputFile : public InputFile {
 public:
  WindowsInputFile(FileHandle file, const FILE_BASIC_INFO& basic,
                   const FILE_STANDARD_INFO& standard, std::wstring system_path,
                   const WindowsFileIdentities& identities)
      : file_(std::move(file)),
        basic_(basic),
        size_(static_cast<uint64_t>(standard.EndOfFile.QuadPart)),
        system_path_(std::move(system_path)),
        identities_(identities) {}

  uint64_t Size() const override { return size_; }
  FileIdentity Identity() const override {
    return identities_.Of(file_.get());
  }
  FileAttributes Attributes() const override {
    return {basic_.FileAttributes & FILE_ATTRIBUTE_READONLY};
  }
  UtcTime LastWriteTime() const override {
    const auto intervals = static_cast<uint64_t>(basic_.LastWriteTime.QuadPart);
    return UtcTimeFromFileTime(FILETIME{static_cast<DWORD>(intervals),
                                        static_cast<DWORD>(intervals >> 32)});
  }
  size_t Read(char* buffer, size_t size) override {
    const DWORD wanted =
        static_cast<DWORD>(std::min<size_t>(size, kCopyBufferSize));
    DWORD read = 0;
    if (!ReadFile(file_.get(), buffer, wanted, &read, nullptr)) {
      throw ReadError();
    }
    return read;
  }
  // A move and a plain read: a read at an offset costs Wine one more request
  // to its server. No file reaches past the largest offset a move takes.
  size_t ReadAt(uint64_t offset, char* buffer, size_t size) override {
    if (offset > INT64_MAX) return 0;
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(file_.get(), at, nullptr, FILE_BEGIN)) {
      throw ReadError();
    }
    return Read(buffer, size);
  }

  // The file's path in its extended form, as the system names it.
  const std::wstring& system_path() const { return system_path_; }

 private:
  FileHandle file_;
  FILE_BASIC_INFO basic_;
  uint64_t size_;
  std::wstring system_path_;
  const WindowsFileIdentities& identities_;
};

// The folder part of `path`, with its separator: up to and including the
// last "\", "/" or ":"; empty when there is none.
std::wstring_view FolderOf(std::wstring_view path) {
  const size_t end = path.find_last_of(L"\\/:");
  return end == std::wstring_view::npos ? std::wstring_view()
                                        : path.substr(0, end + 1);
}

// Hidden until committed, so that a folder listing never takes it.
constexpr DWORD kTemporaryAttributes = FILE_ATTRIBUTE_HIDDEN;

// A path in the extended form, and the work folder in which the temporary
// files for it are made (WindowsWorkFolders); none, empty, puts them beside
// it.
struct WorkPath {
  std::wstring path;
  std::wstring work_folder;
};

// The calls that write a Windows file under a temporary name
// (TemporaryFile).
struct WindowsTemporaryCalls {
  using Path = WorkPath;
  using Handle = FileHandle;
  static Path Beside(const Path& target, const std::string& name) {
    const std::wstring folder = target.work_folder.empty()
                                    ? std::wstring(FolderOf(target.path))
                                    : target.work_folder + L"\\";
    return {folder + std::wstring(name.begin(), name.end()),
            target.work_folder};
  }
  // A work folder that another run in the same folder removed as it ended
  // is made again.
  static bool CreateNew(const Path& path, Handle& handle) {
    auto create = [&] {
      handle.Reset(CreateFileW(path.path.c_str(), GENERIC_WRITE, 0, nullptr,
                               CREATE_NEW, kTemporaryAttributes, nullptr));
      return handle.valid();
    };
    if (create()) return true;
    if (GetLastError() != ERROR_PATH_NOT_FOUND || path.work_folder.empty() ||
        !WindowsWorkFolders::Make(path.work_folder)) {
      return false;
    }
    return create();
  }
  static bool NameTaken() { return GetLastError() == ERROR_FILE_EXISTS; }
  // A file or a folder of that name, in any case of letters, refuses with
  // ERROR_ALREADY_EXISTS; any other refusal reads as a name in use too, as
  // the caller then looks at the target before it replaces. Tried again for
  // about a second while another program holds the file, as a virus scanner
  // holds a file just written.
  static bool MoveNew(const Path& from, const Path& to) {
    return RetryWhileBusy(to.path, [&] {
      return MoveFileExW(from.path.c_str(), to.path.c_str(), 0) != 0;
    });
  }
  // Tried again for about a second while another program holds either file.
  static bool Replace(const Path& from, const Path& to) {
    return RetryWhileBusy(to.path, [&] {
      return MoveFileExW(from.path.c_str(), to.path.c_str(),
                         MOVEFILE_REPLACE_EXISTING) != 0;
    });
  }
  // Made writable first: a read-only file cannot be deleted.
  static void Remove(const Path& path) {
    SetFileAttributesW(path.path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.path.c_str());
  }
};

class WindowsOutputFile : public OutputFile {
 public:
  // Throws FileCreateError(target) when the temporary file cannot be created.
  WindowsOutputFile(WorkPath target, AnsiString target_text)
      : temporary_(std::move(target), std::move(target_text)) {}

  void Write(const char* data, size_t size) override {
    while (size > 0) {
      const DWORD piece =
          static_cast<DWORD>(std::min<size_t>(size, kCopyBufferSize));
      DWORD written = 0;
      if (!WriteFile(file().get(), data, piece, &written, nullptr) ||
          written == 0) {
        throw WriteError();
      }
      data += written;
      size -= written;
    }
  }

  // A file that fits in the buffer is copied by one read and one write
  // through the files already open: the system's copy opens both again,
  // which under Wine costs several times as much.
  void CopyFrom(InputFile& input) override {
    auto* windows_input = dynamic_cast<WindowsInputFile*>(&input);
    if (windows_input != nullptr && input.Size() >= kCopyBufferSize &&
        CopyBySystem(*windows_input)) {
      return;
    }
    // No larger than the file: Wine touches every page of the buffer that
    // a read is given.
    const size_t buffer_size = static_cast<size_t>(
        std::clamp<uint64_t>(input.Size(), 1, kCopyBufferSize));
    auto buffer = std::make_unique_for_overwrite<char[]>(buffer_size);
    while (size_t n = input.Read(buffer.get(), buffer_size)) {
      Write(buffer.get(), n);
    }
  }

  void SetAttributes(FileAttributes attributes,
                     const UtcTime& last_write) override {
    const std::optional<FILETIME> time = FileTimeFromUtcTime(last_write);
    if (!time || !SetFileTime(file().get(), nullptr, nullptr, &*time)) {
      throw WriteError();
    }
    attributes_ =
        FILE_ATTRIBUTE_ARCHIVE | (attributes.bits & FILE_ATTRIBUTE_READONLY);
  }

  void SetDefaultAttributes() override { attributes_ = FILE_ATTRIBUTE_ARCHIVE; }

  // The temporary file is closed before it is renamed: the committed file is
  // opened by its name.
  std::unique_ptr<InputFile> ForReading() override { return nullptr; }

  bool CommitNew() override {
    GiveFinalAttributes();
    return temporary_.CommitNew();
  }

  void Commit() override {
    GiveFinalAttributes();
    temporary_.Commit();
  }

 private:
  // Gives the file the attributes it is committed with, once: after a
  // CommitNew that found the name in use, the file is closed and has them.
  void GiveFinalAttributes() {
    if (!file().valid()) return;
    // The temporary file stops being hidden before it may become read-only:
    // Wine keeps the attributes other than read-only beside the file and
    // cannot change them on a read-only file.
    if (!SetFileAttributesOfHandle(attributes_ & ~FILE_ATTRIBUTE_READONLY) ||
        !SetFileAttributesOfHandle(attributes_)) {
      throw WriteError();
    }
  }

  // Copies `input` into the temporary file by the system's own copy
  // (CopyFileExW), which may hand the copy to the storage or to the file
  // server. It replaces only a file that is neither hidden nor read-only and
  // gives its copy the source's attributes: the temporary file is plain while
  // it is copied into and hidden again afterwards, open for its attributes
  // and time. Returns false, with the temporary file empty and open for
  // writing, when the system's copy failed, leaving the copy to reads and
  // writes, which tell a read error from a write error.
  bool CopyBySystem(const WindowsInputFile& input) {
    if (!SetFileAttributesOfHandle(FILE_ATTRIBUTE_NORMAL) || !file().Close()) {
      throw WriteError();
    }
    if (CopyFileExW(input.system_path().c_str(), temporary_.path().path.c_str(),
                    nullptr, nullptr, nullptr, 0)) {
      file().Reset(CreateFileW(temporary_.path().path.c_str(),
                               FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                               0, nullptr));
      // As in Commit: not read-only before it can be hidden.
      const bool read_only =
          (input.Attributes().bits & FILE_ATTRIBUTE_READONLY) != 0;
      if (!file().valid() ||
          (read_only && !SetFileAttributesOfHandle(FILE_ATTRIBUTE_NORMAL)) ||
          !SetFileAttributesOfHandle(kTemporaryAttributes)) {
        throw WriteError();
      }
      return true;
    }
    file().Reset(CreateFileW(temporary_.path().path.c_str(), GENERIC_WRITE, 0,
                             nullptr, CREATE_ALWAYS, kTemporaryAttributes,
                             nullptr));
    if (!file().valid()) throw WriteError();
    return false;
  }

  bool SetFileAttributesOfHandle(DWORD attributes) {
    FILE_BASIC_INFO basic = {};
    basic.FileAttributes = attributes;
    return SetFileInformationByHandle(file().get(), FileBasicInfo, &basic,
                                      sizeof basic);
  }

  FileHandle& file() { return temporary_.handle(); }

  TemporaryFile<WindowsTemporaryCalls> temporary_;
  DWORD attributes_ = FILE_ATTRIBUTE_ARCHIVE;
};

}  // namespace

std::unique_ptr<InputFile> OpenWindowsInput(
    const WindowsName& system_path, const AnsiString& path,
    const WindowsFileIdentities& identities) {
  std::wstring extended = ExtendedPath(system_path.units());
  FileHandle file(INVALID_HANDLE_VALUE);
  RetryWhileBusy(extended, [&] {
    file.Reset(CreateFileW(extended.c_str(), GENERIC_READ, FILE_SHARE_READ,
                           nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN,
                           nullptr));
    return file.valid();
  });
  FILE_BASIC_INFO basic;
  FILE_STANDARD_INFO standard;
  if (!file.valid() || GetFileType(file.get()) != FILE_TYPE_DISK ||
      !GetFileInformationByHandleEx(file.get(), FileBasicInfo, &basic,
                                    sizeof basic) ||
      !GetFileInformationByHandleEx(file.get(), FileStandardInfo, &standard,
                                    sizeof standard) ||
      standard.Directory) {
    throw FileOpenError(path);
  }
  return std::make_unique<WindowsInputFile>(std::move(file), basic, standard,
                                            std::move(extended), identities);
}

std::unique_ptr<OutputFile> CreateWindowsOutput(
    const WindowsName& system_target, const AnsiString& target,
    WindowsWorkFolders& work_folders, WindowsFileIdentities& identities) {
  std::wstring extended = ExtendedPath(system_target.units());
  const std::wstring folder(FolderOf(extended));
  const std::wstring& work_folder = work_folders.For(folder);
  identities.Learn(folder);
  return std::make_unique<WindowsOutputFile>(
      WorkPath{std::move(extended), work_folder}, target);
}

}  // namespace photopages
