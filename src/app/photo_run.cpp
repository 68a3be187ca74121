#include "app/photo_run.h"

#include <memory>

#include "page/publish_photo.h"
#include "platform/file_ops.h"

namespace photopages {

void RunPhotos(Platform& platform, TimestampNamer& namer,
               PictureView& picture_view, const std::vector<AnsiString>& inputs,
               const AnsiString& program_folder) {
  picture_view.SetAutoSize(true);
  for (const AnsiString& input : inputs) {
    // One opening of the photo serves its name and its copy.
    std::unique_ptr<InputFile> photo = platform.OpenInput(input);
    AnsiString target =
        program_folder + namer.TimestampName(*photo) + kCopyExtension;
    // The copy just written is read where it is still open, not looked up
    // by its name again.
    std::unique_ptr<InputFile> copy =
        CopyFileReplacing(platform, *photo, input, target);
    photo.reset();
    PublishPhoto(platform, picture_view, target, copy.get());
  }
  picture_view.SetAutoSize(false);
}

}  // namespace photopages
