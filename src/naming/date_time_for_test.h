// Test support: date-time values from calendar fields.
#ifndef PHOTOPAGES_NAMING_DATE_TIME_FOR_TEST_H_
#define PHOTOPAGES_NAMING_DATE_TIME_FOR_TEST_H_

#include "naming/time_value.h"

namespace photopages {

// The DateTime of the given local date and time of day.
inline DateTime At(int year, int month, int day, int hour, int minute,
                   int second, int millisecond) {
  return ComposeDateTime(EncodeDate(year, month, day),
                         EncodeTime(hour, minute, second, millisecond));
}

}  // namespace photopages

#endif  // PHOTOPAGES_NAMING_DATE_TIME_FOR_TEST_H_
