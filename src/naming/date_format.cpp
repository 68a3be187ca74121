#include "naming/date_format.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

namespace photopages {
namespace {

constexpr int kMaxNesting = 2;

// True when an hour field followed by `rest` is on the 12-hour clock: the
// first "a" outside quotes before the next "h" starts a morning or afternoon
// field.
bool HourLooksAheadToDesignator(std::string_view rest) {
  char quote = 0;
  for (size_t p = 0; p < rest.size(); ++p) {
    char c = rest[p];
    if (IsLeadByte(c)) {
      ++p;
    } else if (c == 'h' || c == 'H') {
      return false;
    } else if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (c == 'a' || c == 'A') {
      std::string_view at = rest.substr(p);
      return StartsWithNoCase(at, "am/pm") || StartsWithNoCase(at, "a/p") ||
             StartsWithNoCase(at, "ampm");
    }
  }
  return false;
}

// Writes a time value field by field, up to kFormattedTextLimit bytes.
class Formatter {
 public:
  // The text takes its whole room at once and is written into it in place:
  // a field is a few bytes, and a string's own append costs more than they.
  // A path built around the finished text (a folder before, an extension
  // after) mostly finds room there too.
  Formatter(DateTime value, const FormatSettings& settings)
      : value_(value), settings_(settings) {
    text_.resize(kFormattedTextLimit);
  }

  // Appends `value` written with `format`, one nesting level deeper.
  void AppendFormat(std::string_view format);

  // Appends the date text: the short date format, then, unless the time is
  // 00:00:00, a space and the long time format. The "c" field prints this.
  void AppendDateText();

  AnsiString Take() {
    text_.resize(size_);
    return std::move(text_);
  }

 private:
  // Where a format is being read: what the fields before have settled.
  struct FormatState {
    char last_letter = 0;      // Of the last field, lower case; 0 for none.
    bool twelve_hour = false;  // Hours are on the 12-hour clock.
  };

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
    char buffer[32];
    char* start = buffer + sizeof buffer / 2;
    const char* end = std::to_chars(start, buffer + sizeof buffer, number).ptr;
    while (end - start < digits) *--start = '0';
    Append(std::string_view(start, end - start));
  }

  // Appends the field that starts `rest`; returns the bytes it used.
  size_t AppendField(std::string_view rest, FormatState& state);
  // Appends the field that a run of `count` copies of the letter `token`
  // stands for; false when no field is such a run. `after` follows the run.
  bool AppendRunField(char token, int count, std::string_view after,
                      FormatState& state);
  // Appends what `rest` starts with when it is no run field: a morning or
  // afternoon field, a weekday name, a separator, quoted text or the byte
  // itself. Returns the bytes used.
  size_t AppendSymbol(std::string_view rest, FormatState& state);

  // y, yy: the last two digits of the year; yyy and longer: the year.
  void AppendYear(int count);
  // m, mm: the month's number; mmm: its short, mmmm: its long name.
  void AppendMonth(int count);
  // d, dd: the day's number; ddd, dddd: the short and long weekday name;
  // ddddd, dddddd: the short and long date format.
  void AppendDayWeekdayOrDate(int count);
  // g: the era name (its first character when the settings say so); gg and
  // longer: the whole name.
  void AppendEraName(int count);
  // e: the era year's last two digits without, ee with a leading zero; eee
  // and longer: four digits. Without eras the era year is the year.
  void AppendEraYear(int count);
  // h, hh: the hour, on the 12-hour clock when `twelve_hour`.
  void AppendHour(int count, bool twelve_hour);
  // am/pm, a/p, ampm: the morning or afternoon mark; aaa, aaaa: the short and
  // long weekday name; any other "a" itself. Returns the bytes used.
  size_t AppendDesignatorOrWeekday(std::string_view rest, bool& twelve_hour);
  // Text in quotes, copied as it is; returns the bytes used, quotes included.
  size_t AppendQuoted(std::string_view rest);

  DateTime value_;
  const FormatSettings& settings_;
  std::optional<DateFields> date_;
  std::optional<TimeFields> time_;
  AnsiString text_;  // kFormattedTextLimit bytes, of which size_ are written.
  size_t size_ = 0;
  int level_ = 0;
};

void Formatter::AppendFormat(std::string_view format) {
  if (level_ >= kMaxNesting) return;
  ++level_;
  FormatState state;
  size_t i = 0;
  while (i < format.size()) i += AppendField(format.substr(i), state);
  --level_;
}

void Formatter::AppendDateText() {
  AppendFormat(settings_.short_date_format);
  const TimeFields& t = Time();
  if (t.hour != 0 || t.minute != 0 || t.second != 0) {
    Append(" ");
    AppendFormat(settings_.long_time_format);
  }
}

size_t Formatter::AppendField(std::string_view rest, FormatState& state) {
  const char starter = rest[0];
  if (IsLeadByte(starter)) {  // An unquoted double-byte character.
    state.last_letter = 0;
    return 2;
  }
  char token = LowerAscii(starter);
  if (token >= 'a' && token <= 'z') {
    if (token == 'm' && state.last_letter == 'h') token = 'n';
    state.last_letter = token;
  }
  size_t run = rest.find_first_not_of(starter);
  if (run == std::string_view::npos) run = rest.size();
  if (AppendRunField(token, static_cast<int>(run), rest.substr(run), state)) {
    return run;
  }
  return AppendSymbol(rest, state);
}

bool Formatter::AppendRunField(char token, int count, std::string_view after,
                               FormatState& state) {
  switch (token) {
    case 'y':
      AppendYear(count);
      return true;
    case 'g':
      AppendEraName(count);
      return true;
    case 'e':
      AppendEraYear(count);
      return true;
    case 'm':
      AppendMonth(count);
      return true;
    case 'd':
      AppendDayWeekdayOrDate(count);
      return true;
    case 'h':
      state.twelve_hour =
          state.twelve_hour || HourLooksAheadToDesignator(after);
      AppendHour(count, state.twelve_hour);
      return true;
    case 'n':
      AppendNumber(Time().minute, std::min(count, 2));
      return true;
    case 's':
      AppendNumber(Time().second, std::min(count, 2));
      return true;
    case 'z':
      AppendNumber(Time().millisecond, std::min(count, 3));
      return true;
    case 't':
      AppendFormat(count == 1 ? settings_.short_time_format
                              : settings_.long_time_format);
      return true;
    case 'c':
      AppendDateText();
      return true;
    default:
      return false;
  }
}

size_t Formatter::AppendSymbol(std::string_view rest, FormatState& state) {
  switch (rest[0]) {
    case 'a':
    case 'A':
      return AppendDesignatorOrWeekday(rest, state.twelve_hour);
    case '/':
      Append(std::string_view(&settings_.date_separator, 1));
      return 1;
    case ':':
      Append(std::string_view(&settings_.time_separator, 1));
      return 1;
    case '"':
    case '\'':
      return AppendQuoted(rest);
    default:
      Append(rest.substr(0, 1));
      return 1;
  }
}

void Formatter::AppendYear(int count) {
  if (count <= 2) {
    AppendNumber(Date().year % 100, 2);
  } else {
    AppendNumber(Date().year, 4);
  }
}

void Formatter::AppendMonth(int count) {
  if (count <= 2) {
    AppendNumber(Date().month, count);
  } else {
    const auto& names =
        count == 3 ? settings_.short_month_names : settings_.long_month_names;
    Append(names[Date().month - 1]);
  }
}

void Formatter::AppendDayWeekdayOrDate(int count) {
  if (count <= 2) {
    AppendNumber(Date().day, count);
  } else if (count == 3) {
    Append(settings_.short_day_names[Date().day_of_week]);
  } else if (count == 4) {
    Append(settings_.long_day_names[Date().day_of_week]);
  } else {
    AppendFormat(count == 5 ? settings_.short_date_format
                            : settings_.long_date_format);
  }
}

void Formatter::AppendEraName(int count) {
  const DateFields& d = Date();
  const Era* era = EraOfDate(settings_.eras, d.year, d.month, d.day);
  if (era == nullptr) return;
  std::string_view name = era->name;
  if (count == 1 && settings_.short_era_is_first_character && !name.empty()) {
    name = name.substr(0, CharLength(name[0]));
  }
  Append(name);
}

void Formatter::AppendEraYear(int count) {
  const DateFields& d = Date();
  int year = d.year;
  if (!settings_.eras.empty()) {
    const Era* era = EraOfDate(settings_.eras, d.year, d.month, d.day);
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

void Formatter::AppendHour(int count, bool twelve_hour) {
  int hour = Time().hour;
  if (twelve_hour && hour == 0) hour = 12;
  if (twelve_hour && hour > 12) hour -= 12;
  AppendNumber(hour, std::min(count, 2));
}

size_t Formatter::AppendDesignatorOrWeekday(std::string_view rest,
                                            bool& twelve_hour) {
  bool afternoon = Time().hour >= 12;
  if (StartsWithNoCase(rest, "am/pm")) {
    Append(rest.substr(afternoon ? 3 : 0, 2));
    twelve_hour = true;
    return 5;
  }
  if (StartsWithNoCase(rest, "a/p")) {
    Append(rest.substr(afternoon ? 2 : 0, 1));
    twelve_hour = true;
    return 3;
  }
  if (StartsWithNoCase(rest, "ampm")) {
    Append(afternoon ? settings_.pm_designator : settings_.am_designator);
    twelve_hour = true;
    return 4;
  }
  if (StartsWithNoCase(rest, "aaaa")) {
    Append(settings_.long_day_names[Date().day_of_week]);
    return 4;
  }
  if (StartsWithNoCase(rest, "aaa")) {
    Append(settings_.short_day_names[Date().day_of_week]);
    return 3;
  }
  Append(rest.substr(0, 1));
  return 1;
}

size_t Formatter::AppendQuoted(std::string_view rest) {
  const char quote = rest[0];
  size_t end = 1;
  while (end < rest.size() && rest[end] != quote) {
    end += CharLength(rest[end]);
  }
  end = std::min(end, rest.size());
  Append(rest.substr(1, end - 1));
  return end < rest.size() ? end + 1 : end;
}

}  // namespace

AnsiString FormatDateTime(std::string_view format, DateTime value,
                          const FormatSettings& settings) {
  Formatter formatter(value, settings);
  formatter.AppendFormat(format);
  return formatter.Take();
}

AnsiString DateText(DateTime value, const FormatSettings& settings) {
  Formatter formatter(value, settings);
  formatter.AppendDateText();
  return formatter.Take();
}

}  // namespace photopages
