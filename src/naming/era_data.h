// The eras of the calendars that count years by era: the Japanese emperor
// eras, the Taiwanese and the Korean Tangun calendars.
#ifndef PHOTOPAGES_NAMING_ERA_DATA_H_
#define PHOTOPAGES_NAMING_ERA_DATA_H_

#include <vector>

#include "common/ansi.h"

namespace photopages {

// Calendar types whose dates are written with eras.
inline constexpr int kJapaneseEraCalendar = 3;
inline constexpr int kTaiwanCalendar = 4;
inline constexpr int kKoreanTangunCalendar = 5;

constexpr bool IsEraCalendar(int calendar_type) {
  return calendar_type == kJapaneseEraCalendar ||
         calendar_type == kTaiwanCalendar ||
         calendar_type == kKoreanTangunCalendar;
}

struct Era {
  AnsiString name;  // Code page 932.
  // The first day of the era; its first year is era year 1.
  int start_year = 0;
  int start_month = 0;
  int start_day = 0;
};

// The eras of `calendar_type`, newest first; empty for a calendar without
// eras.
const std::vector<Era>& ErasOfCalendar(int calendar_type);

// The era that `year`-`month`-`day` falls in, or nullptr when it lies
// before the first of `eras`.
const Era* EraOfDate(const std::vector<Era>& eras, int year, int month,
                     int day);

}  // namespace photopages

#endif  // PHOTOPAGES_NAMING_ERA_DATA_H_
