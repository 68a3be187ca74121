#include "page/displayed_size.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <random>

namespace photopages {

void PrintTo(const DisplayedSize& size, std::ostream* out) {
  *out << size.width << " x " << size.height;
}

namespace {

TEST(DisplayedSizeTest, CapsTheWidthAndScalesTheHeight) {
  struct Case {
    int width, height;
    DisplayedSize expected;
  };
  const Case cases[] = {
      {1600, 1200, {800, 600}}, {1000, 333, {800, 266}},  // 266.4
      {1600, 1, {800, 0}},       // 0.5 goes to the even 0
      {1600, 3, {800, 2}},       // 1.5 goes to the even 2
      {1600, 1201, {800, 600}},  // 600.5 goes to the even 600
      {1600, 1203, {800, 602}},  // 601.5 goes to the even 602
      {1088, 85, {800, 62}},     // exactly 62.5 in extended precision
      {801, 1, {800, 1}},       {65535, 65535, {800, 800}},
      {800, 5000, {800, 5000}},  // no cap on height
      {800, 600, {800, 600}},   {537, 489, {537, 489}},
      {1, 1, {1, 1}},           {0, 0, {0, 0}},
      {1600, 0, {800, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ComputeDisplayedSize(c.width, c.height), c.expected)
        << c.width << " x " << c.height;
  }
}

TEST(DisplayedSizeTest, ExtendedProductOf1088By85IsExactlyAHalf) {
  EXPECT_EQ(ScaledHeight(1088, 85), 62.5);
}

TEST(DisplayedSizeTest, RoundsHalfToEven) {
  struct Case {
    double value;
    int64_t expected;
  };
  const Case cases[] = {
      {0.0, 0},
      {0.5, 0},
      {1.5, 2},
      {2.5, 2},
      {266.4, 266},
      {266.6, 267},
      {0.49999999999999994, 0},
      {0.5000000000000001, 1},
      {4503599627370495.5, 4503599627370496},  // largest double with a half
      {4503599627370497.0, 4503599627370497},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RoundHalfEven(c.value), c.expected) << c.value;
  }
}

// An exact model of the scaled height, in integers: the quotient 800 / width
// rounded once to 64 significant bits, the product with the height rounded to
// 64 bits and then to 53, every rounding to nearest with ties to even.
using Uint128 = unsigned __int128;

// The value mantissa * 2^exponent.
struct Dyadic {
  Uint128 mantissa;
  int exponent;
};

int BitLength(Uint128 n) {
  auto high = static_cast<uint64_t>(n >> 64);
  return high != 0 ? 128 - std::countl_zero(high)
                   : 64 - std::countl_zero(static_cast<uint64_t>(n));
}

// (n + f) / 2^shift rounded to a whole number, where 0 <= f < 1 and
// `inexact` tells whether f > 0.
Uint128 ShiftRound(Uint128 n, int shift, bool inexact = false) {
  if (shift <= 0) return n;
  if (shift >= 128) return 0;
  Uint128 quotient = n >> shift;
  Uint128 rest = n - (quotient << shift);
  Uint128 half = Uint128{1} << (shift - 1);
  if (rest > half || (rest == half && (inexact || (quotient & 1) != 0))) {
    ++quotient;
  }
  return quotient;
}

Dyadic RoundToBits(Dyadic x, int bits, bool inexact = false) {
  int excess = BitLength(x.mantissa) - bits;
  if (excess <= 0) return x;
  return {ShiftRound(x.mantissa, excess, inexact), x.exponent + excess};
}

Dyadic ExactScaledHeight(int width, int height) {
  constexpr int kFractionBits = 110;  // 800 * 2^110 still fits in 128 bits.
  Uint128 numerator = Uint128{800} << kFractionBits;
  Dyadic quotient = RoundToBits({numerator / width, -kFractionBits}, 64,
                                numerator % width != 0);
  Dyadic product = {quotient.mantissa * static_cast<Uint128>(height),
                    quotient.exponent};
  return RoundToBits(RoundToBits(product, 64), 53);
}

void ExpectMatchesExactModel(int width, int height) {
  Dyadic exact = ExactScaledHeight(width, height);
  double expected =
      std::ldexp(static_cast<double>(static_cast<uint64_t>(exact.mantissa)),
                 exact.exponent);
  ASSERT_EQ(ScaledHeight(width, height), expected) << width << " x " << height;
  ASSERT_EQ(ComputeDisplayedSize(width, height).height,
            static_cast<int64_t>(ShiftRound(exact.mantissa, -exact.exponent)))
      << width << " x " << height;
}

TEST(DisplayedSizeTest, MatchesExactRoundingsOverManySizes) {
  for (int width = 801; width <= 4000; ++width) {
    for (int height = 0; height <= 300; ++height) {
      ExpectMatchesExactModel(width, height);
      if (HasFatalFailure()) return;
    }
  }
  std::mt19937_64 random(20050102);
  std::uniform_int_distribution<int> side(801, 65535);
  std::uniform_int_distribution<int> any_side(801, INT32_MAX);
  int plain_double_differs = 0;
  for (int i = 0; i < 1000000; ++i) {
    bool huge = i % 10 == 0;
    int width = huge ? any_side(random) : side(random);
    int height = huge ? any_side(random) : side(random) - 801;
    ExpectMatchesExactModel(width, height);
    if (HasFatalFailure()) return;
    if (800.0 / width * height != ScaledHeight(width, height)) {
      ++plain_double_differs;
    }
  }
  // The sample holds sizes where double arithmetic alone would differ, so a
  // computation without the extended format would fail above.
  EXPECT_GT(plain_double_differs, 0);
}

}  // namespace
}  // namespace photopages
