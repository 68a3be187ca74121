#include "naming/date_format.h"

#include <algorithm>
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

}  // namespace

// Reads a format into the steps of a DateFormat, field by field. Everything
// that the format alone settles (which field a letter starts, the 12-hour
// clock, the nested formats, the texts) is settled here once; only what the
// value decides is left to the steps.
class DateFormat::Compiler {
 public:
  Compiler(const FormatSettings& settings, DateFormat& out)
      : settings_(settings), out_(out) {
    out_.eras_ = settings.eras;
    out_.short_era_is_first_character_ = settings.short_era_is_first_character;
  }

  // Reads `format`, one nesting level deeper.
  void CompileFormat(std::string_view format);

  // Reads the date text: the short date format, then, unless the time is
  // 00:00:00, a space and the long time format. The "c" field stands for
  // this.
  void CompileDateText();

 private:
  // Where a format is being read: what the fields before have settled.
  struct FormatState {
    char last_letter = 0;      // Of the last field, lower case; 0 for none.
    bool twelve_hour = false;  // Hours are on the 12-hour clock.
  };

  // A step that writes `text`. Texts in a row become one step, as long as
  // no step before skips over the last of them.
  void Text(std::string_view text) {
    if (text.empty()) return;
    if (out_.steps_.size() > merge_floor_ &&
        out_.steps_.back().field == Field::kText) {
      out_.texts_[out_.steps_.back().text] += text;
      return;
    }
    out_.texts_.emplace_back(text);
    Add(Field::kText, 0, out_.texts_.size() - 1);
  }

  void Add(Field field, int count, size_t text = 0, bool twelve_hour = false) {
    out_.steps_.push_back({field, twelve_hour, count, text});
  }

  // Keeps `texts` in the format; returns where the first of them is.
  template <typename Texts>
  size_t Keep(const Texts& texts) {
    const size_t first = out_.texts_.size();
    out_.texts_.insert(out_.texts_.end(), std::begin(texts), std::end(texts));
    return first;
  }

  // Reads the field that starts `rest`; returns the bytes it used.
  size_t CompileField(std::string_view rest, FormatState& state);
  // Reads the field that a run of `count` copies of the letter `token`
  // stands for; false when no field is such a run. `after` follows the run.
  bool CompileRunField(char token, int count, std::string_view after,
                       FormatState& state);
  // Reads what `rest` starts with when it is no run field: a morning or
  // afternoon field, a weekday name, a separator, quoted text or the byte
  // itself. Returns the bytes used.
  size_t CompileSymbol(std::string_view rest, FormatState& state);

  // m, mm: the month's number; mmm: its short, mmmm: its long name.
  void CompileMonth(int count);
  // d, dd: the day's number; ddd, dddd: the short and long weekday name;
  // ddddd, dddddd: the short and long date format.
  void CompileDayWeekdayOrDate(int count);
  // am/pm, a/p, ampm: the morning or afternoon mark; aaa, aaaa: the short and
  // long weekday name; any other "a" itself. Returns the bytes used.
  size_t CompileDesignatorOrWeekday(std::string_view rest, bool& twelve_hour);
  // Text in quotes, copied as it is; returns the bytes used, quotes included.
  size_t CompileQuoted(std::string_view rest);

  const FormatSettings& settings_;
  DateFormat& out_;
  int level_ = 0;
  // Steps before this index are never merged into: a skip counts them.
  size_t merge_floor_ = 0;
};

void DateFormat::Compiler::CompileFormat(std::string_view format) {
  if (level_ >= kMaxNesting) return;
  ++level_;
  FormatState state;
  size_t i = 0;
  while (i < format.size()) i += CompileField(format.substr(i), state);
  --level_;
}

void DateFormat::Compiler::CompileDateText() {
  CompileFormat(settings_.short_date_format);
  const size_t skip = out_.steps_.size();
  Add(Field::kSkipAtMidnight, 0);
  Text(" ");
  CompileFormat(settings_.long_time_format);
  out_.steps_[skip].count = static_cast<int>(out_.steps_.size() - skip - 1);
  merge_floor_ = out_.steps_.size();
}

size_t DateFormat::Compiler::CompileField(std::string_view rest,
                                          FormatState& state) {
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
  if (CompileRunField(token, static_cast<int>(run), rest.substr(run), state)) {
    return run;
  }
  return CompileSymbol(rest, state);
}

bool DateFormat::Compiler::CompileRunField(char token, int count,
                                           std::string_view after,
                                           FormatState& state) {
  switch (token) {
    case 'y':
      Add(Field::kYear, count);
      return true;
    case 'g':
      Add(Field::kEraName, count);
      return true;
    case 'e':
      Add(Field::kEraYear, count);
      return true;
    case 'm':
      CompileMonth(count);
      return true;
    case 'd':
      CompileDayWeekdayOrDate(count);
      return true;
    case 'h':
      state.twelve_hour =
          state.twelve_hour || HourLooksAheadToDesignator(after);
      Add(Field::kHour, std::min(count, 2), 0, state.twelve_hour);
      return true;
    case 'n':
      Add(Field::kMinute, std::min(count, 2));
      return true;
    case 's':
      Add(Field::kSecond, std::min(count, 2));
      return true;
    case 'z':
      Add(Field::kMillisecond, std::min(count, 3));
      return true;
    case 't':
      CompileFormat(count == 1 ? settings_.short_time_format
                               : settings_.long_time_format);
      return true;
    case 'c':
      CompileDateText();
      return true;
    default:
      return false;
  }
}

size_t DateFormat::Compiler::CompileSymbol(std::string_view rest,
                                           FormatState& state) {
  switch (rest[0]) {
    case 'a':
    case 'A':
      return CompileDesignatorOrWeekday(rest, state.twelve_hour);
    case '/':
      Text(std::string_view(&settings_.date_separator, 1));
      return 1;
    case ':':
      Text(std::string_view(&settings_.time_separator, 1));
      return 1;
    case '"':
    case '\'':
      return CompileQuoted(rest);
    default:
      Text(rest.substr(0, 1));
      return 1;
  }
}

void DateFormat::Compiler::CompileMonth(int count) {
  if (count <= 2) {
    Add(Field::kMonth, count);
  } else {
    Add(Field::kMonthName, count,
        Keep(count == 3 ? settings_.short_month_names
                        : settings_.long_month_names));
  }
}

void DateFormat::Compiler::CompileDayWeekdayOrDate(int count) {
  if (count <= 2) {
    Add(Field::kDay, count);
  } else if (count <= 4) {
    Add(Field::kWeekdayName, count,
        Keep(count == 3 ? settings_.short_day_names
                        : settings_.long_day_names));
  } else {
    CompileFormat(count == 5 ? settings_.short_date_format
                             : settings_.long_date_format);
  }
}

size_t DateFormat::Compiler::CompileDesignatorOrWeekday(std::string_view rest,
                                                        bool& twelve_hour) {
  if (StartsWithNoCase(rest, "am/pm")) {
    const std::string_view marks[] = {rest.substr(0, 2), rest.substr(3, 2)};
    Add(Field::kMorningOrAfternoon, 0, Keep(marks));
    twelve_hour = true;
    return 5;
  }
  if (StartsWithNoCase(rest, "a/p")) {
    const std::string_view marks[] = {rest.substr(0, 1), rest.substr(2, 1)};
    Add(Field::kMorningOrAfternoon, 0, Keep(marks));
    twelve_hour = true;
    return 3;
  }
  if (StartsWithNoCase(rest, "ampm")) {
    const AnsiString marks[] = {settings_.am_designator,
                                settings_.pm_designator};
    Add(Field::kMorningOrAfternoon, 0, Keep(marks));
    twelve_hour = true;
    return 4;
  }
  if (StartsWithNoCase(rest, "aaaa")) {
    Add(Field::kWeekdayName, 4, Keep(settings_.long_day_names));
    return 4;
  }
  if (StartsWithNoCase(rest, "aaa")) {
    Add(Field::kWeekdayName, 3, Keep(settings_.short_day_names));
    return 3;
  }
  Text(rest.substr(0, 1));
  return 1;
}

size_t DateFormat::Compiler::CompileQuoted(std::string_view rest) {
  const char quote = rest[0];
  size_t end = 1;
  while (end < rest.size() && rest[end] != quote) {
    end += CharLength(rest[end]);
  }
  end = std::min(end, rest.size());
  Text(rest.substr(1, end - 1));
  return end < rest.size() ? end + 1 : end;
}

DateFormat::DateFormat(std::string_view format,
                       const FormatSettings& settings) {
  Compiler(settings, *this).CompileFormat(format);
}

DateFormat DateFormat::OfDateText(const FormatSettings& settings) {
  DateFormat format;
  Compiler(settings, format).CompileDateText();
  return format;
}

AnsiString FormatDateTime(std::string_view format, DateTime value,
                          const FormatSettings& settings) {
  return DateFormat(format, settings).Write(value);
}

AnsiString DateText(DateTime value, const FormatSettings& settings) {
  return DateFormat::OfDateText(settings).Write(value);
}

}  // namespace photopages
