#include "platform/nanoseconds.h"

#include <gtest/gtest.h>

#include <limits>

namespace photopages {
namespace {

TEST(NanosecondsTest, NanosecondsAndTimespec) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  const struct {
    timespec time;
    int64_t nanoseconds;
  } exact[] = {
      {{0, 0}, 0},
      {{1, 5}, 1'000'000'005},
      {{-1, 999'999'999}, -1},
      {{-2, 0}, -2'000'000'000},
      {{1104635045, 123456789}, 1104635045'123456789},
  };
  for (const auto& c : exact) {
    EXPECT_EQ(NanosecondsFromTimespec(c.time), c.nanoseconds);
    timespec back = TimespecFromNanoseconds(c.nanoseconds);
    EXPECT_EQ(back.tv_sec, c.time.tv_sec) << c.nanoseconds;
    EXPECT_EQ(back.tv_nsec, c.time.tv_nsec) << c.nanoseconds;
  }
  EXPECT_EQ(NanosecondsFromTimespec({kMax / 1'000'000'000 + 1, 0}), kMax);
  EXPECT_EQ(NanosecondsFromTimespec({kMax / 1'000'000'000, 999'999'999}), kMax);
  EXPECT_EQ(NanosecondsFromTimespec({kMin / 1'000'000'000 - 1, 0}), kMin);
}

}  // namespace
}  // namespace photopages
