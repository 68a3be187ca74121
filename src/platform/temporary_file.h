// A new file written without a name, or under a hidden temporary name in its
// target's folder, and then given the target's name: the steps that leave a
// target either whole or untouched, once for every system. Each system's
// OutputFile holds one and supplies only its calls.
#ifndef PHOTOPAGES_PLATFORM_TEMPORARY_FILE_H_
#define PHOTOPAGES_PLATFORM_TEMPORARY_FILE_H_

#include <random>
#include <string>
#include <utility>

#include "common/ansi.h"
#include "common/errors.h"

namespace photopages {

// A name for a temporary file that no other writer is likely to pick at the
// same moment: ".photopages-" and six letters or digits, random per process
// and then drawn on.
inline std::string TemporaryFileName() {
  static constexpr char kSymbols[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  static std::mt19937_64 random{std::random_device{}()};
  uint64_t value = random();
  std::string name = ".photopages-";
  for (int i = 0; i < 6; ++i, value /= sizeof kSymbols - 1) {
    name += kSymbols[value % (sizeof kSymbols - 1)];
  }
  return name;
}

// `System` gives the calls of one system:
//   Path: a path as the system names it.
//   Handle: owns an open file; Close() returns false when the system
//     reports that data written through it was lost.
//   Path Beside(const Path& target, const std::string& name): the path of
//     `name`, plain ASCII, in the folder of `target` or in a folder inside
//     it, on the same volume.
//   bool CreateNew(const Path& path, Handle& handle): creates a new file
//     there, open for writing into `handle`; false when it cannot.
//   bool NameTaken(): the last CreateNew or LinkNew failed because a file of
//     that name exists.
//   bool MoveNew(const Path& from, const Path& to): renames `from` to `to`
//     when no file has that name; false when one has, or when the system
//     cannot rename without replacing.
//   bool Replace(const Path& from, const Path& to): renames `from` over `to`.
//   void Remove(const Path& path).
// A system whose files can be made without a name, and named once written,
// also gives:
//   bool CreateUnnamed(const Path& target, Handle& handle): creates a file
//     without a name in the folder of `target`, open for writing into
//     `handle`; false when the system cannot make one that it can name.
//   bool LinkNew(Handle& handle, const Path& to): gives that file the name
//     `to` when no file has it; false when one has or it cannot.
template <typename System>
class TemporaryFile {
 public:
  using Path = typename System::Path;
  using Handle = typename System::Handle;

  // Creates the file, without a name where the system can, otherwise under
  // a fresh name in the folder of `target`. Throws
  // FileCreateError(target_text) when it cannot be created.
  TemporaryFile(Path target, AnsiString target_text)
      : target_(std::move(target)), target_text_(std::move(target_text)) {
    if constexpr (kMayBeUnnamed) {
      if (System::CreateUnnamed(target_, handle_)) return;
    }
    Name([&](const Path& path) { return System::CreateNew(path, handle_); });
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  // Removes the file unless it was committed.
  ~TemporaryFile() {
    if (committed_) return;
    handle_.Close();
    if (named_) System::Remove(path_);
  }

  Handle& handle() { return handle_; }
  // The file's temporary name; empty while it has none.
  const Path& path() const { return path_; }

  // Closes the file and gives it the target's name when no file has that
  // name. Returns false, the file kept uncommitted, when one has (or the
  // system cannot tell). Throws WriteError when the system reports lost
  // data.
  bool CommitNew() {
    if constexpr (kMayBeUnnamed) {
      if (!named_) {
        if (!System::LinkNew(handle_, target_)) return false;
        if (!handle_.Close()) {
          System::Remove(target_);
          throw WriteError();
        }
        committed_ = true;
        return true;
      }
    }
    if (!handle_.Close()) throw WriteError();
    committed_ = System::MoveNew(path_, target_);
    return committed_;
  }

  // Closes the file and renames it over the target. Throws WriteError when
  // the system reports lost data, FileCreateError(target_text) when the
  // target cannot be replaced.
  void Commit() {
    if constexpr (kMayBeUnnamed) {
      if (!named_) {
        Name([&](const Path& path) {
          return System::LinkNew(handle_, path);
        });
      }
    }
    if (!handle_.Close()) throw WriteError();
    if (!System::Replace(path_, target_)) throw FileCreateError(target_text_);
    committed_ = true;
  }

 private:
  static constexpr bool kMayBeUnnamed =
      requires(const Path& path, Handle& handle) {
        System::CreateUnnamed(path, handle);
        System::LinkNew(handle, path);
      };

  // Gives the file a fresh temporary name by `make`, which returns false
  // when it cannot. Throws FileCreateError(target_text) when no name can be
  // had.
  template <typename Make>
  void Name(Make make) {
    for (int attempt = 0; attempt < 100; ++attempt) {
      Path path = System::Beside(target_, TemporaryFileName());
      if (make(path)) {
        path_ = std::move(path);
        named_ = true;
        return;
      }
      if (!System::NameTaken()) break;
    }
    throw FileCreateError(target_text_);
  }

  Path target_;
  AnsiString target_text_;
  Path path_;
  bool named_ = false;
  Handle handle_;
  bool committed_ = false;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_TEMPORARY_FILE_H_
