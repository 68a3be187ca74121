#include "app/photo_run.h"

#include <memory>

#include "page/publish_photo.h"
#include "platform/file_ops.h"

namespace photopages {

void RunPhotos(Platform& platform, TimestampNamer& namer, PictureView& image1,
               const std::vector<AnsiString>& inputs,
               const AnsiString& program_folder) {
  image1.SetAutoSize(true);
  for (const AnsiString& input : inputs) {
    // One opening of the photo serves its name and its copy.
    std::unique_ptr<InputFile> photo = platform.OpenInput(input);
    AnsiString target =
        program_folder + namer.TimestampName(*photo) + kCopyExtension;
    CopyFileReplacing(platform, *photo, target);
    photo.reset();
    PublishPhoto(platform, image1, target);
  }
  image1.SetAutoSize(false);
}

}  // namespace photopages
