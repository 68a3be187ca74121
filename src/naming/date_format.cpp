#include "naming/date_format.h"

#include <algorithm>
#include <optional>
#include <string>

namespace photopages {
namespace {

constexpr int kMaxNesting = 2;

char UpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

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

class Formatter {
 public:
  Formatter(TDateTime value, const FormatSettings& settings)
      : value_(value), settings_(settings) {}

  void Append(std::string_view text) {
    size_t room = kFormattedTextLimit - text_.size();
    text_.append(text.substr(0, std::min(room, text.size())));
  }

  void AppendFormat(std::string_view format);

  const TimeFields& Time() {
    if (!time_) time_ = DecodeTime(value_);
    return *time_;
  }

  AnsiString Take() { return std::move(text_); }

 private:
  const DateFields& Date() {
    if (!date_) date_ = DecodeDate(value_);
    return *date_;
  }

  void AppendNumber(int number, int digits) {
    std::string digits_text = std::to_string(number);
    if (static_cast<int>(digits_text.size()) < digits) {
      digits_text.insert(0, digits - digits_text.size(), '0');
    }
    Append(digits_text);
  }

  void AppendEraName(int count);
  void AppendEraYear(int count);
  // Handles an "a" at the start of `rest`; returns the bytes it used.
  size_t AppendDesignatorOrWeekday(std::string_view rest, bool& twelve_hour);

  TDateTime value_;
  const FormatSettings& settings_;
  std::optional<DateFields> date_;
  std::optional<TimeFields> time_;
  AnsiString text_;
  int level_ = 0;
};

void Formatter::AppendEraName(int count) {
  const DateFields& d = Date();
  const Era* era = EraOfDate(settings_.eras, d.year, d.month, d.day);
  if (era == nullptr) return;
  std::string_view name = era->name;
  if (count == 1 && settings_.short_era_is_first_character && !name.empty()) {
    name = name.substr(0, IsLeadByte(name[0]) ? 2 : 1);
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

void Formatter::AppendFormat(std::string_view format) {
  if (level_ >= kMaxNesting) return;
  ++level_;
  char last_letter = 0;
  bool twelve_hour = false;
  size_t i = 0;
  while (i < format.size()) {
    const char starter = format[i];
    if (IsLeadByte(starter)) {
      i += 2;
      last_letter = 0;
      continue;
    }
    char token = UpperAscii(starter);
    if (token >= 'A' && token <= 'Z') {
      if (token == 'M' && last_letter == 'H') token = 'N';
      last_letter = token;
    }
    size_t run_end = format.find_first_not_of(starter, i);
    if (run_end == std::string_view::npos) run_end = format.size();
    const int count = static_cast<int>(run_end - i);
    bool takes_run = true;
    switch (token) {
      case 'Y':
        if (count <= 2) {
          AppendNumber(Date().year % 100, 2);
        } else {
          AppendNumber(Date().year, 4);
        }
        break;
      case 'G':
        AppendEraName(count);
        break;
      case 'E':
        AppendEraYear(count);
        break;
      case 'M':
        if (count <= 2) {
          AppendNumber(Date().month, count);
        } else {
          const auto& names = count == 3 ? settings_.short_month_names
                                         : settings_.long_month_names;
          Append(names[Date().month - 1]);
        }
        break;
      case 'D':
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
        break;
      case 'H': {
        twelve_hour =
            twelve_hour || HourLooksAheadToDesignator(format.substr(run_end));
        int hour = Time().hour;
        if (twelve_hour && hour == 0) hour = 12;
        if (twelve_hour && hour > 12) hour -= 12;
        AppendNumber(hour, std::min(count, 2));
        break;
      }
      case 'N':
        AppendNumber(Time().minute, std::min(count, 2));
        break;
      case 'S':
        AppendNumber(Time().second, std::min(count, 2));
        break;
      case 'Z':
        AppendNumber(Time().millisecond, std::min(count, 3));
        break;
      case 'T':
        AppendFormat(count == 1 ? settings_.short_time_format
                                : settings_.long_time_format);
        break;
      case 'C': {
        AppendFormat(settings_.short_date_format);
        const TimeFields& t = Time();
        if (t.hour != 0 || t.minute != 0 || t.second != 0) {
          Append(" ");
          AppendFormat(settings_.long_time_format);
        }
        break;
      }
      default:
        takes_run = false;
        break;
    }
    if (takes_run) {
      i = run_end;
      continue;
    }
    switch (starter) {
      case 'a':
      case 'A':
        i += AppendDesignatorOrWeekday(format.substr(i), twelve_hour);
        break;
      case '/':
        Append(std::string_view(&settings_.date_separator, 1));
        ++i;
        break;
      case ':':
        Append(std::string_view(&settings_.time_separator, 1));
        ++i;
        break;
      case '"':
      case '\'': {
        size_t end = ++i;
        while (end < format.size() && format[end] != starter) {
          end += IsLeadByte(format[end]) ? 2 : 1;
        }
        end = std::min(end, format.size());
        Append(format.substr(i, end - i));
        i = end < format.size() ? end + 1 : end;
        break;
      }
      default:
        Append(format.substr(i, 1));
        ++i;
        break;
    }
  }
  --level_;
}

}  // namespace

AnsiString FormatDateTime(std::string_view format, TDateTime value,
                          const FormatSettings& settings) {
  Formatter formatter(value, settings);
  formatter.AppendFormat(format);
  return formatter.Take();
}

AnsiString DateText(TDateTime value, const FormatSettings& settings) {
  Formatter formatter(value, settings);
  formatter.AppendFormat(settings.short_date_format);
  const TimeFields& t = formatter.Time();
  if (t.hour != 0 || t.minute != 0 || t.second != 0) {
    formatter.Append(" ");
    formatter.AppendFormat(settings.long_time_format);
  }
  return formatter.Take();
}

}  // namespace photopages
