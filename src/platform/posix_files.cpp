#include "platform/posix_files.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <utility>

#include "common/errors.h"
#include "platform/posix_time.h"
#include "platform/temporary_file.h"

namespace photopages {
namespace {

constexpr size_t kCopyBufferSize = 128 * 1024;
constexpr size_t kCopyRangeChunk = size_t{1} << 30;

// Owns an open file descriptor.
class FileDescriptor {
 public:
  FileDescriptor() : fd_(-1) {}
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(FileDescriptor&& other) noexcept
      : fd_(std::exchange(other.fd_, -1)) {}
  FileDescriptor& operator=(FileDescriptor&&) = delete;
  ~FileDescriptor() { Close(); }

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes the descriptor held so far and takes `fd`.
  void Reset(int fd) {
    Close();
    fd_ = fd;
  }

  // Closes the descriptor. Returns false when the system reports that data
  // written through it was lost.
  bool Close() {
    if (fd_ < 0) return true;
    int rc = close(std::exchange(fd_, -1));
    return rc == 0 || errno == EINTR;
  }

 private:
  int fd_;
};

class PosixInputFile : public InputFile {
 public:
  PosixInputFile(FileDescriptor fd, const struct stat& status)
      : fd_(std::move(fd)), status_(status) {}

  uint64_t Size() const override {
    return static_cast<uint64_t>(status_.st_size);
  }
  FileIdentity Identity() const override {
    return {.volume = static_cast<uint64_t>(status_.st_dev),
            .file = static_cast<uint64_t>(status_.st_ino)};
  }
  FileAttributes Attributes() const override {
    return {static_cast<uint32_t>(status_.st_mode & 07777)};
  }
  UtcTime LastWriteTime() const override {
    return UtcTimeFromTimespec(status_.st_mtim);
  }
  size_t Read(char* buffer, size_t size) override {
    while (true) {
      ssize_t n = read(fd_.get(), buffer, size);
      if (n >= 0) return static_cast<size_t>(n);
      if (errno != EINTR) throw ReadError();
    }
  }
  size_t ReadAt(uint64_t offset, char* buffer, size_t size) override {
    while (true) {
      ssize_t n = pread(fd_.get(), buffer, size, static_cast<off_t>(offset));
      if (n >= 0) return static_cast<size_t>(n);
      if (errno != EINTR) throw ReadError();
    }
  }

  int fd() const { return fd_.get(); }
  // True when the file system holds fewer blocks for the file than its
  // size needs: it has holes.
  bool Sparse() const {
    return static_cast<uint64_t>(status_.st_blocks) * 512 <
           static_cast<uint64_t>(status_.st_size);
  }

 private:
  FileDescriptor fd_;
  struct stat status_;
};

// The calls that write a POSIX file under a temporary name (TemporaryFile).
struct PosixTemporaryCalls {
  using Path = std::string;
  using Handle = FileDescriptor;
  static Path Beside(const Path& target, const std::string& name) {
    const size_t folder = target.rfind('/') + 1;
    Path path;
    path.reserve(folder + name.size());
    path.append(target, 0, folder);
    path += name;
    return path;
  }
  // The target's folder as O_TMPFILE opens it ("folder/."). Every output of
  // a run lies in the same folder, so the text is built in one room kept for
  // the thread rather than anew for each file; valid until the thread's next
  // call.
  static const char* FolderOf(const Path& target) {
    thread_local Path folder;
    folder.assign(target, 0, target.rfind('/') + 1);
    folder += '.';
    return folder.c_str();
  }
  // Created with the permissions of any new file, which a page keeps, and
  // open for reading too, for OutputFile::ForReading.
  static bool CreateNew(const Path& path, Handle& handle) {
    handle.Reset(open(path.c_str(),
                      O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666));
    return handle.valid();
  }
  static bool NameTaken() { return errno == EEXIST; }
  // A file made in the folder without a name (O_TMPFILE) costs no name of
  // its own, and nothing is left behind if the program dies before naming
  // it. Before the first one, a throwaway one learns how this system lets
  // the program name such a file, or that it cannot. False, with nothing
  // made, on a file system without them or a system that cannot name them.
  static bool CreateUnnamed(const Path& target, Handle& handle) {
    if (linking_ == Linking::kUnknown) linking_ = LearnLinking(target);
    if (linking_ == Linking::kNone) return false;
    handle.Reset(open(FolderOf(target), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666));
    return handle.valid();
  }
  static bool LinkNew(Handle& handle, const Path& to) {
    if (linking_ == Linking::kByDescriptor) {
      return linkat(handle.get(), "", AT_FDCWD, to.c_str(), AT_EMPTY_PATH) == 0;
    }
    const std::string link = "/proc/self/fd/" + std::to_string(handle.get());
    return linkat(AT_FDCWD, link.c_str(), AT_FDCWD, to.c_str(),
                  AT_SYMLINK_FOLLOW) == 0;
  }
  // A file system that cannot rename without replacing refuses the flag,
  // which reads as a name in use: the caller then looks before replacing.
  static bool MoveNew(const Path& from, const Path& to) {
    return renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(),
                     RENAME_NOREPLACE) == 0;
  }
  static bool Replace(const Path& from, const Path& to) {
    return rename(from.c_str(), to.c_str()) == 0;
  }
  static void Remove(const Path& path) { unlink(path.c_str()); }

  // How this system lets the program name a file made without a name: by
  // its descriptor (Linux 6.10 lets any process, older kernels a privileged
  // one) or by its path under /proc; not known until the first one is tried.
  enum class Linking { kUnknown, kByDescriptor, kByProcPath, kNone };
  static inline Linking linking_ = Linking::kUnknown;

  // Names a throwaway unnamed file in the folder of `target` each way in
  // turn, and removes it. kUnknown when the folder has no unnamed files, so
  // that a later folder is tried again.
  static Linking LearnLinking(const Path& target) {
    FileDescriptor probe(
        open(FolderOf(target), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (!probe.valid()) return Linking::kUnknown;
    const Path name = Beside(target, TemporaryFileName());
    for (Linking way : {Linking::kByDescriptor, Linking::kByProcPath}) {
      linking_ = way;
      if (LinkNew(probe, name)) {
        unlink(name.c_str());
        return way;
      }
    }
    return Linking::kNone;
  }
};

class PosixOutputFile : public OutputFile {
 public:
  // Throws FileCreateError(target) when the temporary file cannot be created.
  PosixOutputFile(const PosixName& system_target, AnsiString target)
      : file_(system_target.units(), std::move(target)) {}

  void Write(const char* data, size_t size) override {
    while (size > 0) {
      ssize_t n = write(fd(), data, size);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) throw WriteError();
      data += n;
      size -= static_cast<size_t>(n);
    }
  }

  void CopyFrom(InputFile& input) override {
    auto* posix_input = dynamic_cast<PosixInputFile*>(&input);
    if (posix_input != nullptr) {
      const int in = posix_input->fd();
      const uint64_t size = posix_input->Size();
      if (posix_input->Sparse() && CopyKeepingHoles(in, size)) return;
      if (CopyInKernel(in, size)) return;
    }
    auto buffer = std::make_unique_for_overwrite<char[]>(kCopyBufferSize);
    while (size_t n = input.Read(buffer.get(), kCopyBufferSize)) {
      Write(buffer.get(), n);
    }
  }

  void SetAttributes(FileAttributes attributes,
                     const UtcTime& last_write) override {
    const timespec times[2] = {{0, UTIME_OMIT},
                               TimespecFromUtcTime(last_write)};
    if (fchmod(fd(), attributes.bits & 07777) != 0 ||
        futimens(fd(), times) != 0) {
      throw WriteError();
    }
  }

  // The file has them from its creation.
  void SetDefaultAttributes() override {}

  // A second descriptor of this open file, which outlives the closing of
  // this one at the commit. nullptr when the system refuses one.
  std::unique_ptr<InputFile> ForReading() override {
    FileDescriptor reader(fcntl(fd(), F_DUPFD_CLOEXEC, 0));
    struct stat status;
    if (!reader.valid() || fstat(reader.get(), &status) != 0) return nullptr;
    return std::make_unique<PosixInputFile>(std::move(reader), status);
  }

  bool CommitNew() override { return file_.CommitNew(); }
  void Commit() override { file_.Commit(); }

 private:
  // Copies from `in`'s position up to `size` inside the kernel, stopping
  // there without asking for more. Returns true when that is done (or the
  // file ended earlier); false when the kernel refused or copied nothing (an
  // empty file, or a file system that reports no size), leaving the rest to
  // plain reads and writes, which also tell a read error from a write error.
  bool CopyInKernel(int in, uint64_t size) {
    uint64_t copied = 0;
    while (copied < size) {
      ssize_t n = copy_file_range(in, nullptr, fd(), nullptr,
                                  static_cast<size_t>(std::min<uint64_t>(
                                      size - copied, kCopyRangeChunk)),
                                  0);
      if (n < 0) return false;
      if (n == 0) break;
      copied += static_cast<uint64_t>(n);
    }
    return copied > 0;
  }

  // Copies the data of `in`, from its start, inside the kernel, leaving its
  // holes holes, as `cp` does, so that a sparse photo costs neither the time
  // nor the space of its zeros. Returns true when the copy is complete; false,
  // with nothing written and both files at their start, when the file system
  // cannot tell data from holes or a step fails, leaving the copy to the
  // other means, which also tell a read error from a write error.
  bool CopyKeepingHoles(int in, uint64_t size) {
    off_t data = 0;
    while (static_cast<uint64_t>(data) < size) {
      data = lseek(in, data, SEEK_DATA);
      if (data < 0) break;
      off_t hole = lseek(in, data, SEEK_HOLE);
      if (hole < 0) return StartAgain(in);
      hole = static_cast<off_t>(std::min<uint64_t>(hole, size));
      loff_t from = data;
      loff_t to = data;
      while (from < hole) {
        ssize_t n = copy_file_range(in, &from, fd(), &to,
                                    static_cast<size_t>(hole - from), 0);
        if (n <= 0) return StartAgain(in);
      }
      data = hole;
    }
    if ((data < 0 && errno != ENXIO) ||
        ftruncate(fd(), static_cast<off_t>(size)) != 0) {
      return StartAgain(in);
    }
    return true;
  }

  // Undoes what CopyKeepingHoles did. Returns false.
  bool StartAgain(int in) {
    if (ftruncate(fd(), 0) != 0 || lseek(in, 0, SEEK_SET) != 0) {
      throw WriteError();
    }
    return false;
  }

  int fd() { return file_.handle().get(); }

  TemporaryFile<PosixTemporaryCalls> file_;
};

}  // namespace

std::unique_ptr<InputFile> OpenPosixInput(const PosixName& system_path,
                                          const AnsiString& path) {
  FileDescriptor fd(
      open(system_path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  struct stat status;
  if (!fd.valid() || fstat(fd.get(), &status) != 0 ||
      !S_ISREG(status.st_mode)) {
    throw FileOpenError(path);
  }
  return std::make_unique<PosixInputFile>(std::move(fd), status);
}

std::unique_ptr<OutputFile> CreatePosixOutput(const PosixName& system_target,
                                              const AnsiString& target) {
  return std::make_unique<PosixOutputFile>(system_target, target);
}

}  // namespace photopages
