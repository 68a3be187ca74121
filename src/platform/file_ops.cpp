#include "platform/file_ops.h"

#include <new>

#include "common/errors.h"

namespace photopages {
namespace {

std::string ReadAll(InputFile& input) {
  std::string content;
  try {
    content.resize(input.Size());
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory();
  } catch (const std::length_error&) {
    throw EOutOfMemory();
  }
  size_t done = 0;
  while (done < content.size()) {
    size_t n = input.Read(content.data() + done, content.size() - done);
    if (n == 0) throw EReadError();
    done += n;
  }
  return content;
}

// Throws EFCreateError(target) unless the target may be replaced. Returns
// false when the target is a read-only file already holding `expected`'s
// content, which then stands as it is.
bool MayReplace(Platform& platform, const AnsiString& target,
                const PathInfo& info, InputFile* expected) {
  if (!info.exists) return true;
  if (info.is_directory) throw EFCreateError(target);
  if (!info.read_only) return true;
  if (expected != nullptr && info.is_regular) {
    auto existing = platform.OpenInput(target);
    if (existing->Size() == expected->Size() &&
        ReadAll(*existing) == ReadAll(*expected)) {
      return false;
    }
  }
  throw EFCreateError(target);
}

}  // namespace

void CopyFileReplacing(Platform& platform, const AnsiString& source,
                       const AnsiString& target) {
  auto input = platform.OpenInput(source);
  PathInfo info = platform.Inspect(target);
  if (info.exists && info.identity == input->Identity()) return;
  if (!MayReplace(platform, target, info, input.get())) return;
  auto output = platform.CreateOutput(target);
  output->CopyFrom(*input);
  output->SetAttributes(input->Permissions(), input->LastWriteNanoseconds());
  output->Commit();
}

void WriteFileReplacing(Platform& platform, const AnsiString& path,
                        std::string_view content) {
  MayReplace(platform, path, platform.Inspect(path), nullptr);
  auto output = platform.CreateOutput(path);
  output->Write(content.data(), content.size());
  output->SetDefaultPermissions();
  output->Commit();
}

std::string ReadWholeFile(Platform& platform, const AnsiString& path) {
  auto input = platform.OpenInput(path);
  return ReadAll(*input);
}

}  // namespace photopages
