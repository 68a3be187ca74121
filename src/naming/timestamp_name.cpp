#include "naming/timestamp_name.h"

#include <cstdio>

#include "common/codepage.h"

namespace photopages {

AnsiString TimestampNamer::TimestampName(const AnsiString& path) {
  auto file = platform_.OpenInput(path);
  LocalDateTime t = platform_.ToLocalTime(file->LastWriteNanoseconds());
  char buffer[128];
  std::snprintf(buffer, sizeof buffer,
                "%04d年%02d月%02d日%02d時%02d分%02d秒%02d秒", t.year, t.month,
                t.day, t.hour, t.minute, t.second, t.month);
  return AnsiFromUtf8(buffer);
}

}  // namespace photopages
