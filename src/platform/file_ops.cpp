#include "platform/file_ops.h"

#include <algorithm>
#include <cstring>

#include "common/errors.h"
#include "common/paths.h"

namespace photopages {
namespace {

// Fills `buffer` with the `size` bytes of `input` at `offset`. Throws
// ReadError when the file ends first.
void ReadExactlyAt(InputFile& input, uint64_t offset, char* buffer,
                   size_t size) {
  size_t done = 0;
  while (done < size) {
    size_t n = input.ReadAt(offset + done, buffer + done, size - done);
    if (n == 0) throw ReadError();
    done += n;
  }
}

// True when both files hold the same bytes; reads them a piece at a time, so
// a large photo is never held twice.
bool SameContent(InputFile& a, InputFile& b) {
  if (a.Size() != b.Size()) return false;
  constexpr size_t kPiece = 1 << 16;
  std::string piece_a(kPiece, '\0');
  std::string piece_b(kPiece, '\0');
  for (uint64_t offset = 0; offset < a.Size(); offset += kPiece) {
    const size_t n =
        static_cast<size_t>(std::min<uint64_t>(a.Size() - offset, kPiece));
    ReadExactlyAt(a, offset, piece_a.data(), n);
    ReadExactlyAt(b, offset, piece_b.data(), n);
    if (std::memcmp(piece_a.data(), piece_b.data(), n) != 0) return false;
  }
  return true;
}

// Throws FileCreateError(target) unless the target may be replaced. Returns
// false when the target is a read-only file already holding `expected`'s
// content, which then stands as it is.
bool MayReplace(Platform& platform, const AnsiString& target,
                const PathInfo& info, InputFile* expected) {
  if (!info.exists) return true;
  if (info.is_directory) throw FileCreateError(target);
  if (!info.read_only) return true;
  if (expected != nullptr && info.is_regular) {
    auto existing = platform.OpenInput(target);
    if (SameContent(*existing, *expected)) return false;
  }
  throw FileCreateError(target);
}

}  // namespace

std::unique_ptr<InputFile> CopyFileReplacing(Platform& platform,
                                             const AnsiString& source,
                                             const AnsiString& target) {
  return CopyFileReplacing(platform, *platform.OpenInput(source), source,
                           target);
}

// The target is looked at only when its name is in use, so that a new copy
// costs no look-up of a name that does not exist yet (on some systems a
// search of the whole folder). A source that already bears the target's
// name, as a copy does when the program runs over its own folder again, is
// looked at first: it is most likely the target itself, which costs no copy.
std::unique_ptr<InputFile> CopyFileReplacing(Platform& platform,
                                             InputFile& source,
                                             const AnsiString& source_path,
                                             const AnsiString& target) {
  // The target is the source itself, which then stays as it is.
  auto is_source = [&](const PathInfo& info) {
    return info.exists && info.identity == source.Identity();
  };
  const PathSyntax& syntax = platform.Paths();
  if (FileNameView(source_path, syntax) == FileNameView(target, syntax) &&
      is_source(platform.Inspect(target))) {
    return nullptr;
  }
  auto output = platform.CreateOutput(target);
  output->CopyFrom(source);
  output->SetAttributes(source.Attributes(), source.LastWriteTime());
  std::unique_ptr<InputFile> copy = output->ForReading();
  if (output->CommitNew()) return copy;
  const PathInfo info = platform.Inspect(target);
  if (is_source(info) || !MayReplace(platform, target, info, &source)) {
    return nullptr;
  }
  output->Commit();
  return copy;
}

void WriteFileReplacing(Platform& platform, const AnsiString& path,
                        std::string_view content) {
  auto output = platform.CreateOutput(path);
  output->Write(content.data(), content.size());
  output->SetDefaultAttributes();
  if (output->CommitNew()) return;
  MayReplace(platform, path, platform.Inspect(path), nullptr);
  output->Commit();
}

}  // namespace photopages
