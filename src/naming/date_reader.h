// Reading date texts back into time values, with the same settings that
// wrote them.
#ifndef PHOTOPAGES_NAMING_DATE_READER_H_
#define PHOTOPAGES_NAMING_DATE_READER_H_

#include <optional>
#include <string_view>

#include "naming/format_settings.h"
#include "naming/time_value.h"

namespace photopages {

// The time value that `text` (in the bytes of the settings' texts) names, or
// nothing when it names none.
//
// The text is a date, optionally followed by a time. The date is two or
// three numbers joined by the date separator, in the order of the short date
// format's first D, E, M or Y (any case): day first, year first, or month
// first; two numbers are in the current year. A year of one or two digits is
// placed in the hundred years that begin `current_year` minus the window; an
// era year counts from its era's start (the era named before the first digit
// when the short date format starts with "g", else the newest era when it
// holds an "e"). When the short date format holds "ddd", the words after the
// date are skipped up to a designator. The time is hours and optionally
// minutes, seconds and milliseconds, joined by the time and decimal
// separators, with an optional designator before or after it; text after the
// time is ignored. Blanks may stand before every number, separator and
// designator. When the date or the time cannot be read, the whole text must
// be a time alone.
//
// `current_year` must lie within years 1 to 9999.
std::optional<DateTime> TryReadDateText(std::string_view text,
                                        const FormatSettings& settings,
                                        int current_year);

// As TryReadDateText; throws ConvertError (Message::kInvalidDateTime with
// `text`) when the text names no time value.
DateTime ReadDateText(std::string_view text, const FormatSettings& settings,
                      int current_year);

}  // namespace photopages

#endif  // PHOTOPAGES_NAMING_DATE_READER_H_
