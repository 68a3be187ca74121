#include "picture/exif_orientation.h"

#include <libexif/exif-data.h>
#include <libexif/exif-utils.h>

#include <memory>

namespace photopages {
namespace {

struct ExifDataRelease {
  void operator()(ExifData* data) const { exif_data_unref(data); }
};

}  // namespace

bool IsExifSegment(std::string_view app1) {
  return app1.substr(0, 6) == std::string_view("Exif\0\0", 6);
}

int ExifOrientation(std::string_view app1) {
  std::unique_ptr<ExifData, ExifDataRelease> data(exif_data_new());
  if (data == nullptr) return 1;
  // Take the tags as stored, without libexif's corrections toward the Exif
  // standard: browsers turn a photo only by an orientation stored as one
  // short, and so must the page that states its size.
  exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
  exif_data_load_data(data.get(),
                      reinterpret_cast<const unsigned char*>(app1.data()),
                      static_cast<unsigned int>(app1.size()));
  ExifEntry* entry =
      exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
  if (entry == nullptr || entry->format != EXIF_FORMAT_SHORT ||
      entry->components != 1 || entry->data == nullptr || entry->size < 2) {
    return 1;
  }
  int orientation =
      exif_get_short(entry->data, exif_data_get_byte_order(data.get()));
  return orientation >= 1 && orientation <= 8 ? orientation : 1;
}

}  // namespace photopages
