// Writing values with the steps of a DateFormat.
#include <algorithm>
#include <charconv>
#include <optional>

#include "naming/date_format.h"

namespace photopages {

// Writes one value with the steps of a format, up to kFormattedTextLimit
// bytes.
class DateFormat::Writer {
 public:
  // The text takes its whole room at once and is written into it in place:
  // a field is a few bytes, and a string's own append costs more than they.
  // A path built around the finished text (a folder before, an extension
  // after) mostly finds room there too.
  Writer(const DateFormat& format, DateTime value)
      : format_(format), value_(value) {
    text_.resize(kFormattedTextLimit);
  }

  AnsiString Write();

 private:
  const DateFields& Date() {
    if (!date_) date_ = DecodeDate(value_);
    return *date_;
  }

  const TimeFields& Time() {
    if (!time_) time_ = DecodeTime(value_);
    return *time_;
  }

  void Append(std::string_view text) {
    const size_t length = std::min(kFormattedTextLimit - size_, text.size());
    std::copy_n(text.data(), length, text_.data() + size_);
    size_ += length;
  }

  // `number` in decimal, padded with zeros to `digits`.
  void AppendNumber(int number, int digits) {
    if (number >= 0 && number < 100 && digits <= 2) {
      // Nearly every number written (a month, day, hour, minute or second)
      // is one or two digits: spelled here, much cheaper than std::to_chars.
      const char pair[2] = {static_cast<char>('0' + number / 10),
                            static_cast<char>('0' + number % 10)};
      const size_t length = number >= 10 || digits == 2 ? 2 : 1;
      Append(std::string_view(pair + 2 - length, length));
      return;
    }
    char buffer[32];
    char* start = buffer + sizeof buffer / 2;
    const char* end = std::to_chars(start, buffer + sizeof buffer, number).ptr;
    while (end - start < digits) *--start = '0';
    Append(std::string_view(start, end - start));
  }

  // y, yy: the last two digits of the year; yyy and longer: the year.
  void AppendYear(int count);
  // g: the era name (its first character when the settings say so); gg and
  // longer: the whole name.
  void AppendEraName(int count);
  // e: the era year's last two digits without, ee with a leading zero; eee
  // and longer: four digits. Without eras the era year is the year.
  void AppendEraYear(int count);
  // The hour, on the 12-hour clock when `twelve_hour`.
  void AppendHour(int digits, bool twelve_hour);

  const DateFormat& format_;
  DateTime value_;
  std::optional<DateFields> date_;
  std::optional<TimeFields> time_;
  AnsiString text_;  // kFormattedTextLimit bytes, of which size_ are written.
  size_t size_ = 0;
};

AnsiString DateFormat::Writer::Write() {
  const std::vector<AnsiString>& texts = format_.texts_;
  const std::vector<Step>& steps = format_.steps_;
  for (size_t i = 0; i < steps.size(); ++i) {
    const Step& step = steps[i];
    switch (step.field) {
      case Field::kText:
        Append(texts[step.text]);
        break;
      case Field::kYear:
        AppendYear(step.count);
        break;
      case Field::kMonth:
        AppendNumber(Date().month, step.count);
        break;
      case Field::kMonthName:
        Append(texts[step.text + Date().month - 1]);
        break;
      case Field::kDay:
        AppendNumber(Date().day, step.count);
        break;
      case Field::kWeekdayName:
        Append(texts[step.text + Date().day_of_week]);
        break;
      case Field::kEraName:
        AppendEraName(step.count);
        break;
      case Field::kEraYear:
        AppendEraYear(step.count);
        break;
      case Field::kHour:
        AppendHour(step.count, step.twelve_hour);
        break;
      case Field::kMinute:
        AppendNumber(Time().minute, step.count);
        break;
      case Field::kSecond:
        AppendNumber(Time().second, step.count);
        break;
      case Field::kMillisecond:
        AppendNumber(Time().millisecond, step.count);
        break;
      case Field::kMorningOrAfternoon:
        Append(texts[step.text + (Time().hour >= 12 ? 1 : 0)]);
        break;
      case Field::kSkipAtMidnight: {
        const TimeFields& t = Time();
        if (t.hour == 0 && t.minute == 0 && t.second == 0) i += step.count;
        break;
      }
    }
  }
  text_.resize(size_);
  return std::move(text_);
}

void DateFormat::Writer::AppendYear(int count) {
  if (count <= 2) {
    AppendNumber(Date().year % 100, 2);
  } else {
    AppendNumber(Date().year, 4);
  }
}

void DateFormat::Writer::AppendEraName(int count) {
  const DateFields& d = Date();
  const Era* era = EraOfDate(format_.eras_, d.year, d.month, d.day);
  if (era == nullptr) return;
  std::string_view name = era->name;
  if (count == 1 && format_.short_era_is_first_character_ && !name.empty()) {
    name = name.substr(0, CharLength(name[0]));
  }
  Append(name);
}

void DateFormat::Writer::AppendEraYear(int count) {
  const DateFields& d = Date();
  int year = d.year;
  if (!format_.eras_.empty()) {
    const Era* era = EraOfDate(format_.eras_, d.year, d.month, d.day);
    if (era == nullptr) return;
    year = d.year - era->start_year + 1;
  }
  if (count > 2) {
    AppendNumber(year, 4);
  } else if (count == 2 || year % 100 >= 10) {
    AppendNumber(year % 100, 2);
  } else {
    AppendNumber(year % 100, 1);
  }
}

void DateFormat::Writer::AppendHour(int digits, bool twelve_hour) {
  int hour = Time().hour;
  if (twelve_hour && hour == 0) hour = 12;
  if (twelve_hour && hour > 12) hour -= 12;
  AppendNumber(hour, digits);
}

AnsiString DateFormat::Write(DateTime value) const {
  return Writer(*this, value).Write();
}

}  // namespace photopages
