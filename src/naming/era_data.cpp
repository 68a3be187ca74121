#include "naming/era_data.h"

#include <string_view>
#include <tuple>

#include "common/codepage.h"

namespace photopages {
namespace {

struct EraSource {
  std::string_view utf8_name;
  int year, month, day;
};

std::vector<Era> Convert(std::initializer_list<EraSource> sources) {
  std::vector<Era> eras;
  for (const EraSource& s : sources) {
    eras.push_back({AnsiFromUtf8(s.utf8_name), s.year, s.month, s.day});
  }
  return eras;
}

}  // namespace

const std::vector<Era>& ErasOfCalendar(int calendar_type) {
  static const std::vector<Era> kNone;
  static const std::vector<Era> kJapanese = Convert({
      {"令和", 2019, 5, 1},
      {"平成", 1989, 1, 8},
      {"昭和", 1926, 12, 25},
      {"大正", 1912, 7, 30},
      {"明治", 1868, 1, 1},
  });
  static const std::vector<Era> kTaiwan = Convert({{"中華民國", 1912, 1, 1}});
  // Tangun year 1 is 2333 BC, year -2332 when years are counted through 0.
  static const std::vector<Era> kKorean = Convert({{"단기", -2332, 1, 1}});
  switch (calendar_type) {
    case kJapaneseEraCalendar:
      return kJapanese;
    case kTaiwanCalendar:
      return kTaiwan;
    case kKoreanTangunCalendar:
      return kKorean;
    default:
      return kNone;
  }
}

const Era* EraOfDate(const std::vector<Era>& eras, int year, int month,
                     int day) {
  for (const Era& era : eras) {
    if (std::tie(year, month, day) >=
        std::tie(era.start_year, era.start_month, era.start_day)) {
      return &era;
    }
  }
  return nullptr;
}

}  // namespace photopages
