#include "platform/file_ops.h"

#include <algorithm>
#include <cstring>

#include "common/errors.h"

namespace photopages {
namespace {

// Fills `buffer` with the next `size` bytes of `input`. Throws ReadError
// when the file ends first.
void ReadExactly(InputFile& input, char* buffer, size_t size) {
  size_t done = 0;
  while (done < size) {
    size_t n = input.Read(buffer + done, size - done);
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
  for (uint64_t left = a.Size(); left > 0;) {
    const size_t n = static_cast<size_t>(std::min<uint64_t>(left, kPiece));
    ReadExactly(a, piece_a.data(), n);
    ReadExactly(b, piece_b.data(), n);
    if (std::memcmp(piece_a.data(), piece_b.data(), n) != 0) return false;
    left -= n;
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

void CopyFileReplacing(Platform& platform, const AnsiString& source,
                       const AnsiString& target) {
  CopyFileReplacing(platform, *platform.OpenInput(source), target);
}

void CopyFileReplacing(Platform& platform, InputFile& source,
                       const AnsiString& target) {
  PathInfo info = platform.Inspect(target);
  if (info.exists && info.identity == source.Identity()) return;
  if (!MayReplace(platform, target, info, &source)) return;
  auto output = platform.CreateOutput(target);
  output->CopyFrom(source);
  output->SetAttributes(source.Attributes(), source.LastWriteTime());
  output->Commit();
}

void WriteFileReplacing(Platform& platform, const AnsiString& path,
                        std::string_view content) {
  MayReplace(platform, path, platform.Inspect(path), nullptr);
  auto output = platform.CreateOutput(path);
  output->Write(content.data(), content.size());
  output->SetDefaultAttributes();
  output->Commit();
}

}  // namespace photopages
