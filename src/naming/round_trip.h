// The date text round trip: a photo's time passes through the user's own
// date and time conventions before it names the photo.
#ifndef PHOTOPAGES_NAMING_ROUND_TRIP_H_
#define PHOTOPAGES_NAMING_ROUND_TRIP_H_

#include "naming/date_format.h"
#include "naming/format_settings.h"
#include "naming/time_value.h"

namespace photopages {

// `value` written as its date text and read straight back, with two-digit
// years placed by `current_year` (1 to 9999). With a four-digit-year short
// date format and a 24-hour clock (or non-empty designators) this only cuts
// the time to the whole second; other settings may shift the year by a
// century, lose the time of day or move an afternoon to the morning. Throws
// ConvertError (Message::kInvalidDateTime with the date text) when the date
// text cannot be read back, and the range error of DecodeDate when `value`
// lies outside years 1 to 9999.
DateTime RoundTrip(DateTime value, const FormatSettings& settings,
                   int current_year);
// The same with `date_text`, the format of the date text read once for
// `settings` (DateFormat::OfDateText).
DateTime RoundTrip(DateTime value, const DateFormat& date_text,
                   const FormatSettings& settings, int current_year);

}  // namespace photopages

#endif  // PHOTOPAGES_NAMING_ROUND_TRIP_H_
