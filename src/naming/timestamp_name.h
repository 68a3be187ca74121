// Timestamp names: the base name that a photo's copy and page share, made
// from the photo's last-write time in local time, to the whole second.
#ifndef PHOTOPAGES_NAMING_TIMESTAMP_NAME_H_
#define PHOTOPAGES_NAMING_TIMESTAMP_NAME_H_

#include "common/ansi.h"
#include "naming/date_format.h"
#include "naming/format_settings.h"
#include "platform/platform.h"

namespace photopages {

class TimestampNamer {
 public:
  // Names photos with `settings`, the user's date and time settings.
  TimestampNamer(Platform& platform, FormatSettings settings);
  TimestampNamer(const TimestampNamer&) = delete;
  TimestampNamer& operator=(const TimestampNamer&) = delete;

  // Names photos with `settings` from now on: the user's settings after they
  // changed.
  void UseSettings(FormatSettings settings);

  // The timestamp name of the file at `path`, such as
  // 2005年01月02日03時04分05秒01秒: year, month, day, hour, minutes, seconds
  // and the month again, after the time has passed through the date text
  // round trip. Only opens the file, reads its last-write time and closes
  // it. Throws FileOpenError when the file cannot be opened (nothing is
  // created), ConvertError when its local date lies outside years 1 to 9999
  // or its date text cannot be read back.
  AnsiString TimestampName(const AnsiString& path);
  // The same for the open file `photo`.
  AnsiString TimestampName(const InputFile& photo);

 private:
  Platform& platform_;
  FormatSettings settings_;
  // The name pattern and the date text, read once for settings_.
  DateFormat name_format_;
  DateFormat date_text_format_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_NAMING_TIMESTAMP_NAME_H_
