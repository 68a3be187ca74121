#include "naming/date_reader.h"

#include <algorithm>

#include "common/errors.h"
#include "common/messages.h"

namespace photopages {
namespace {

// Era names looked at when the date text names its era.
constexpr size_t kMaxEraNames = 7;

enum class DateOrder { kMonthDayYear, kDayMonthYear, kYearMonthDay };

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

DateOrder DateOrderOf(std::string_view format) {
  for (size_t i = 0; i < format.size(); ++i) {
    if (IsLeadByte(format[i])) {
      ++i;
      continue;
    }
    switch (format[i]) {
      case 'D':
      case 'd':
        return DateOrder::kDayMonthYear;
      case 'E':
      case 'e':
      case 'Y':
      case 'y':
        return DateOrder::kYearMonthDay;
      case 'M':
      case 'm':
        return DateOrder::kMonthDayYear;
    }
  }
  return DateOrder::kMonthDayYear;
}

// True when `part` occurs in `whole` starting on a character boundary.
bool ContainsText(std::string_view whole, std::string_view part) {
  for (size_t i = 0; i + part.size() <= whole.size();
       i += CharLength(whole[i])) {
    if (whole.substr(i, part.size()) == part) return true;
  }
  return false;
}

std::string_view Trim(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// A read position in a date text.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }
  size_t Position() const { return pos_; }

  void SkipBlanks() {
    while (!AtEnd() && text_[pos_] == ' ') ++pos_;
  }

  void SkipToDigit() {
    while (!AtEnd() && !IsDigit(text_[pos_])) pos_ += CharLength(text_[pos_]);
    pos_ = std::min(pos_, text_.size());
  }

  void SkipWord() {
    while (!AtEnd() && text_[pos_] != ' ') ++pos_;
  }

  // Digits while the value read is below 1000; `digits` is their count.
  bool Number(int& value, int& digits) {
    SkipBlanks();
    size_t start = pos_;
    int n = 0;
    while (!AtEnd() && IsDigit(text_[pos_]) && n < 1000) {
      n = n * 10 + (text_[pos_++] - '0');
    }
    if (pos_ == start) return false;
    value = n;
    digits = static_cast<int>(pos_ - start);
    return true;
  }

  bool Char(char c) {
    SkipBlanks();
    if (AtEnd() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }

  // True when the text here starts with `symbol`, ASCII letters matched
  // without regard to case; an empty symbol never matches.
  bool LooksAt(std::string_view symbol) const {
    // The first bytes, which are never trail bytes, must match as letters
    // do: most places where a symbol may stand hold a digit instead, and
    // this turns them down without the full comparison.
    return !symbol.empty() && !AtEnd() &&
           LowerAscii(text_[pos_]) == LowerAscii(symbol[0]) &&
           StartsWithNoCase(text_.substr(pos_), symbol);
  }

  bool Symbol(std::string_view symbol) {
    SkipBlanks();
    if (!LooksAt(symbol)) return false;
    pos_ += symbol.size();
    return true;
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

// Morning 0, afternoon 12, -1 when no designator stands here.
int ScanDesignator(Scanner& s, const FormatSettings& settings) {
  if (s.Symbol(settings.am_designator) || s.Symbol("AM")) return 0;
  if (s.Symbol(settings.pm_designator) || s.Symbol("PM")) return 12;
  return -1;
}

std::optional<DateTime> ScanTime(Scanner& s, const FormatSettings& settings) {
  int base_hour = ScanDesignator(s, settings);
  int hour = 0, minute = 0, second = 0, millisecond = 0, digits = 0;
  if (!s.Number(hour, digits)) return std::nullopt;
  if (s.Char(settings.time_separator) && !s.Number(minute, digits)) {
    return std::nullopt;
  }
  if (s.Char(settings.time_separator) && !s.Number(second, digits)) {
    return std::nullopt;
  }
  if (s.Char(settings.decimal_separator) && !s.Number(millisecond, digits)) {
    return std::nullopt;
  }
  if (base_hour < 0) base_hour = ScanDesignator(s, settings);
  if (base_hour >= 0) {
    if (hour == 0 || hour > 12) return std::nullopt;
    hour = hour % 12 + base_hour;
  }
  s.SkipBlanks();
  return TryEncodeTime(hour, minute, second, millisecond);
}

// The start year of the era that the date text counts its years from.
std::optional<int> EraStartYear(Scanner& s, std::string_view text,
                                const FormatSettings& settings) {
  const std::vector<Era>& eras = settings.eras;
  if (!settings.short_date_format.empty() &&
      settings.short_date_format[0] == 'g') {
    s.SkipToDigit();
    std::string_view name = Trim(text.substr(0, s.Position()));
    for (size_t i = 0; i < std::min(eras.size(), kMaxEraNames); ++i) {
      if (ContainsText(eras[i].name, name)) return eras[i].start_year;
    }
  } else if (settings.short_date_format.find('e') != std::string::npos &&
             !eras.empty()) {
    return eras.front().start_year;
  }
  return std::nullopt;
}

std::optional<DateTime> ScanDate(Scanner& s, std::string_view text,
                                 const FormatSettings& settings,
                                 int current_year) {
  const DateOrder order = DateOrderOf(settings.short_date_format);
  const std::optional<int> era_start = EraStartYear(s, text, settings);
  const char separator = settings.date_separator;
  int n1 = 0, n2 = 0, n3 = 0, digits1 = 0, digits2 = 0, digits3 = 0;
  if (!(s.Number(n1, digits1) && s.Char(separator) && s.Number(n2, digits2))) {
    return std::nullopt;
  }
  int year = current_year, month = n1, day = n2;
  if (order == DateOrder::kDayMonthYear) std::swap(month, day);
  if (s.Char(separator)) {
    if (!s.Number(n3, digits3)) return std::nullopt;
    int year_digits = digits3;
    switch (order) {
      case DateOrder::kMonthDayYear:
        year = n3, month = n1, day = n2;
        break;
      case DateOrder::kDayMonthYear:
        year = n3, month = n2, day = n1;
        break;
      case DateOrder::kYearMonthDay:
        year = n1, month = n2, day = n3, year_digits = digits1;
        break;
    }
    if (era_start) {
      year += *era_start - 1;
    } else if (year_digits <= 2) {
      int base = current_year - settings.two_digit_year_window;
      year += base / 100 * 100;
      if (year < base) year += 100;
    }
  }
  s.Char(separator);
  s.SkipBlanks();
  if (settings.short_date_format.find("ddd") != std::string::npos) {
    do {
      s.SkipWord();
      s.SkipBlanks();
    } while (!s.AtEnd() && !s.LooksAt(settings.am_designator) &&
             !s.LooksAt(settings.pm_designator));
  }
  return TryEncodeDate(year, month, day);
}

}  // namespace

std::optional<DateTime> TryReadDateText(std::string_view text,
                                        const FormatSettings& settings,
                                        int current_year) {
  Scanner s(text);
  if (std::optional<DateTime> date =
          ScanDate(s, text, settings, current_year)) {
    if (s.AtEnd()) return date;
    if (std::optional<DateTime> time = ScanTime(s, settings)) {
      return ComposeDateTime(*date, *time);
    }
  }
  Scanner time_alone(text);
  std::optional<DateTime> time = ScanTime(time_alone, settings);
  if (time && time_alone.AtEnd()) return time;
  return std::nullopt;
}

DateTime ReadDateText(std::string_view text, const FormatSettings& settings,
                      int current_year) {
  std::optional<DateTime> value = TryReadDateText(text, settings, current_year);
  if (!value) {
    throw ConvertError(FormatMessage(Message::kInvalidDateTime, text));
  }
  return *value;
}

}  // namespace photopages
