#include "naming/round_trip.h"

#include "naming/date_reader.h"

namespace photopages {

DateTime RoundTrip(DateTime value, const FormatSettings& settings,
                   int current_year) {
  return RoundTrip(value, DateFormat::OfDateText(settings), settings,
                   current_year);
}

DateTime RoundTrip(DateTime value, const DateFormat& date_text,
                   const FormatSettings& settings, int current_year) {
  return ReadDateText(date_text.Write(value), settings, current_year);
}

}  // namespace photopages
