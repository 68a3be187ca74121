// The size at which a photo page shows a photo: its width capped at 800
// pixels, the height scaled with it.
#ifndef PHOTOPAGES_PAGE_DISPLAYED_SIZE_H_
#define PHOTOPAGES_PAGE_DISPLAYED_SIZE_H_

#include <cstdint>

namespace photopages {

inline constexpr int kMaxDisplayedWidth = 800;

struct DisplayedSize {
  int64_t width = 0;
  int64_t height = 0;
  bool operator==(const DisplayedSize&) const = default;
};

// The height of a photo `width` x `height` (width > 800) shown 800 wide: the
// quotient 800 / width is worked out first and then multiplied by `height`,
// both in 80-bit extended precision (64-bit mantissa), and the product is
// stored as a double. These exact roundings decide which way a height near a
// half goes, so a photo is always stated at the same size.
double ScaledHeight(int width, int height);

// `value` (not negative) rounded to the nearest whole number, a value exactly
// halfway going to the even neighbour.
int64_t RoundHalfEven(double value);

// The displayed size of a photo `width` x `height` (neither negative): when
// the width is greater than 800 it becomes 800 and the height is
// ScaledHeight rounded by RoundHalfEven; otherwise both stay. The height has
// no cap of its own.
DisplayedSize ComputeDisplayedSize(int width, int height);

}  // namespace photopages

#endif  // PHOTOPAGES_PAGE_DISPLAYED_SIZE_H_
