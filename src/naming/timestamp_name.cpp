#include "naming/timestamp_name.h"

#include <utility>

#include "common/messages.h"
#include "naming/round_trip.h"
#include "naming/time_value.h"

namespace photopages {

TimestampNamer::TimestampNamer(Platform& platform, FormatSettings settings)
    : platform_(platform),
      settings_(std::move(settings)),
      name_format_(MessageText(Message::kTimestampNamePattern), settings_),
      date_text_format_(DateFormat::OfDateText(settings_)) {}

void TimestampNamer::UseSettings(FormatSettings settings) {
  settings_ = std::move(settings);
  name_format_ =
      DateFormat(MessageText(Message::kTimestampNamePattern), settings_);
  date_text_format_ = DateFormat::OfDateText(settings_);
}

AnsiString TimestampNamer::TimestampName(const AnsiString& path) {
  return TimestampName(*platform_.OpenInput(path));
}

AnsiString TimestampNamer::TimestampName(const InputFile& photo) {
  LocalDateTime t = platform_.ToLocalTime(photo.LastWriteTime());
  DateTime value =
      ComposeDateTime(EncodeDate(t.year, t.month, t.day),
                      EncodeTime(t.hour, t.minute, t.second, t.millisecond));
  DateTime read_back =
      RoundTrip(value, date_text_format_, settings_, platform_.Now().year);
  return name_format_.Write(read_back);
}

}  // namespace photopages
