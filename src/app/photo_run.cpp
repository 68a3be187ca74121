#include "app/photo_run.h"

#include "page/publish_photo.h"
#include "platform/file_ops.h"

namespace photopages {

void RunPhotos(Platform& platform, TimestampNamer& namer, PictureView& image1,
               const std::vector<AnsiString>& inputs,
               const AnsiString& program_folder) {
  image1.SetAutoSize(true);
  for (const AnsiString& input : inputs) {
    AnsiString target =
        program_folder + namer.TimestampName(input) + kCopyExtension;
    CopyFileReplacing(platform, input, target);
    PublishPhoto(platform, image1, target);
  }
  image1.SetAutoSize(false);
}

}  // namespace photopages
