#ifndef PHOTOPAGES_NAMING_TIMESTAMP_NAME_H_
#define PHOTOPAGES_NAMING_TIMESTAMP_NAME_H_

#include "common/ansi.h"
#include "platform/platform.h"

namespace photopages {

class TimestampNamer {
 public:
  explicit TimestampNamer(Platform& platform) : platform_(platform) {}
  AnsiString TimestampName(const AnsiString& path);

 private:
  Platform& platform_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_NAMING_TIMESTAMP_NAME_H_
