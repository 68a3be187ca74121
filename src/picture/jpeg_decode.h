// Decoding a whole JPEG file into pixels for the picture view to draw.
#ifndef PHOTOPAGES_PICTURE_JPEG_DECODE_H_
#define PHOTOPAGES_PICTURE_JPEG_DECODE_H_

#include <optional>
#include <string_view>
#include <vector>

namespace photopages {

// A decoded picture: `width` x `height` pixels of 3 bytes (red, green, blue),
// row by row from the top.
struct DisplayPicture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;
};

// The number of colours a picture is reduced to for a screen of 8 bits per
// pixel or fewer.
inline constexpr int kPaletteColours = 236;

// Decodes the JPEG file `jpeg` with the display settings: full scale, block
// smoothing, the accurate integer DCT and 24-bit colour; with
// `palette_colours` > 0, quantised to at most that many colours (still
// returned as RGB). A file cut short decodes with its missing part filled in
// by the decoder. Returns nothing when the file is empty, the decoder stops
// at an error, or the memory for the pixels cannot be had.
std::optional<DisplayPicture> DecodeJpegForDisplay(std::string_view jpeg,
                                                   int palette_colours);

}  // namespace photopages

#endif  // PHOTOPAGES_PICTURE_JPEG_DECODE_H_
