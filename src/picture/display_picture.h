// A picture decoded for the picture view to draw.
#ifndef PHOTOPAGES_PICTURE_DISPLAY_PICTURE_H_
#define PHOTOPAGES_PICTURE_DISPLAY_PICTURE_H_

#include <vector>

namespace photopages {

// `width` x `height` pixels of 3 bytes (red, green, blue), row by row from
// the top.
struct DisplayPicture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;
};

// The number of colours a picture is reduced to for a screen of 8 bits per
// pixel or fewer.
inline constexpr int kPaletteColours = 236;

}  // namespace photopages

#endif  // PHOTOPAGES_PICTURE_DISPLAY_PICTURE_H_
