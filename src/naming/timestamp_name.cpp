#include "naming/timestamp_name.h"

#include <utility>

#include "common/messages.h"
#include "naming/date_format.h"
#include "naming/round_trip.h"
#include "naming/time_value.h"

namespace photopages {

TimestampNamer::TimestampNamer(Platform& platform, FormatSettings settings)
    : platform_(platform),
      settings_(std::move(settings)),
      pattern_(MessageText(Message::kTimestampNamePattern)) {}

void TimestampNamer::UseSettings(FormatSettings settings) {
  settings_ = std::move(settings);
}

AnsiString TimestampNamer::TimestampName(const AnsiString& path) {
  return TimestampName(*platform_.OpenInput(path));
}

AnsiString TimestampNamer::TimestampName(const InputFile& photo) {
  LocalDateTime t = platform_.ToLocalTime(photo.LastWriteTime());
  DateTime value =
      ComposeDateTime(EncodeDate(t.year, t.month, t.day),
                      EncodeTime(t.hour, t.minute, t.second, t.millisecond));
  DateTime read_back = RoundTrip(value, settings_, platform_.Now().year);
  return FormatDateTime(pattern_, read_back, settings_);
}

}  // namespace photopages
