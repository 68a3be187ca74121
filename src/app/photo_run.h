// The photo run: every input copied into the program folder under its
// timestamp name, then handed to the page step.
#ifndef PHOTOPAGES_APP_PHOTO_RUN_H_
#define PHOTOPAGES_APP_PHOTO_RUN_H_

#include <functional>
#include <vector>

#include "common/ansi.h"
#include "naming/timestamp_name.h"
#include "platform/platform.h"

namespace photopages {

// The extension of every copy.
inline constexpr char kCopyExtension[] = ".JPEG";

// For each of `inputs` in order: works out its timestamp name, copies it to
// `program_folder` (with separator) + name + ".JPEG", and calls `publish`
// with that copy's path. The first error leaves the run at once; photos
// before it keep their copies.
void RunPhotos(Platform& platform, TimestampNamer& namer,
               const std::vector<AnsiString>& inputs,
               const AnsiString& program_folder,
               const std::function<void(const AnsiString&)>& publish);

}  // namespace photopages

#endif  // PHOTOPAGES_APP_PHOTO_RUN_H_
