#include "naming/round_trip.h"

#include "naming/date_format.h"
#include "naming/date_reader.h"

namespace photopages {

DateTime RoundTrip(DateTime value, const FormatSettings& settings,
                   int current_year) {
  return ReadDateText(DateText(value, settings), settings, current_year);
}

}  // namespace photopages
