// The orientation tag of a photo's Exif data, read with libexif.
#ifndef PHOTOPAGES_PICTURE_EXIF_ORIENTATION_H_
#define PHOTOPAGES_PICTURE_EXIF_ORIENTATION_H_

#include <string_view>

namespace photopages {

// True when `app1` (the payload of an APP1 segment) holds Exif data: it
// starts with "Exif" and two zero bytes.
bool IsExifSegment(std::string_view app1);

// The orientation (1 to 8) that the first image directory of the Exif data
// in `app1` records as one short; 1 when the tag is absent, stored otherwise,
// out of range, or the data cannot be read.
int ExifOrientation(std::string_view app1);

}  // namespace photopages

#endif  // PHOTOPAGES_PICTURE_EXIF_ORIENTATION_H_
