// The photo run: every input copied into the program folder under its
// timestamp name, then handed to the page step.
#ifndef PHOTOPAGES_APP_PHOTO_RUN_H_
#define PHOTOPAGES_APP_PHOTO_RUN_H_

#include <vector>

#include "common/ansi.h"
#include "naming/timestamp_name.h"
#include "picture/picture_view.h"
#include "platform/platform.h"

namespace photopages {

// The extension of every copy.
inline constexpr char kCopyExtension[] = ".JPEG";

// For each of `inputs` in order: works out its timestamp name, copies it to
// `program_folder` (with separator) + name + ".JPEG", and publishes the copy
// through `picture_view`, which sizes itself to each picture until the run is
// complete. The first error leaves the run at once; photos before it keep
// their copies and pages.
void RunPhotos(Platform& platform, TimestampNamer& namer,
               PictureView& picture_view, const std::vector<AnsiString>& inputs,
               const AnsiString& program_folder);

}  // namespace photopages

#endif  // PHOTOPAGES_APP_PHOTO_RUN_H_
