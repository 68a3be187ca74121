#include "page/displayed_size.h"

#include <cmath>
#include <limits>

namespace photopages {

// The scaled height must be the same on every build, so the intermediate
// format is fixed: x87 extended precision, which GCC and Clang use for long
// double on x86.
static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the 80-bit extended format");

double ScaledHeight(int width, int height) {
  long double quotient = static_cast<long double>(kMaxDisplayedWidth) / width;
  long double product = quotient * height;
  return static_cast<double>(product);
}

int64_t RoundHalfEven(double value) {
  double whole = std::floor(value);
  double fraction = value - whole;
  auto rounded = static_cast<int64_t>(whole);
  if (fraction > 0.5 || (fraction == 0.5 && rounded % 2 != 0)) ++rounded;
  return rounded;
}

DisplayedSize ComputeDisplayedSize(int width, int height) {
  if (width <= kMaxDisplayedWidth) return {width, height};
  return {kMaxDisplayedWidth, RoundHalfEven(ScaledHeight(width, height))};
}

}  // namespace photopages
