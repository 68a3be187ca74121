// Date and time settings drawn from fuzzer input: separators, designators,
// formats and eras, any bytes at all.
#ifndef PHOTOPAGES_FUZZ_FUZZED_SETTINGS_H_
#define PHOTOPAGES_FUZZ_FUZZED_SETTINGS_H_

#include <fuzzer/FuzzedDataProvider.h>

#include "naming/era_data.h"
#include "naming/format_settings.h"

namespace photopages {

inline FormatSettings FuzzedSettings(FuzzedDataProvider& data) {
  FormatSettings s;
  s.date_separator = data.ConsumeIntegral<char>();
  s.time_separator = data.ConsumeIntegral<char>();
  s.decimal_separator = data.ConsumeIntegral<char>();
  s.short_date_format = data.ConsumeRandomLengthString(32);
  s.long_date_format = data.ConsumeRandomLengthString(32);
  s.short_time_format = data.ConsumeRandomLengthString(32);
  s.long_time_format = data.ConsumeRandomLengthString(32);
  s.am_designator = data.ConsumeRandomLengthString(8);
  s.pm_designator = data.ConsumeRandomLengthString(8);
  s.short_era_is_first_character = data.ConsumeBool();
  if (data.ConsumeBool()) s.eras = ErasOfCalendar(3);
  return s;
}

}  // namespace photopages

#endif  // PHOTOPAGES_FUZZ_FUZZED_SETTINGS_H_
