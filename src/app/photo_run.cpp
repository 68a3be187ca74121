#include "app/photo_run.h"

#include "platform/file_ops.h"

namespace photopages {

void RunPhotos(Platform& platform, TimestampNamer& namer,
               const std::vector<AnsiString>& inputs,
               const AnsiString& program_folder,
               const std::function<void(const AnsiString&)>& publish) {
  for (const AnsiString& input : inputs) {
    AnsiString target =
        program_folder + namer.TimestampName(input) + kCopyExtension;
    CopyFileReplacing(platform, input, target);
    publish(target);
  }
}

}  // namespace photopages
