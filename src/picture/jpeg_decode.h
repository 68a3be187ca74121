// Decoding a whole JPEG file into pixels for the picture view to draw.
#ifndef PHOTOPAGES_PICTURE_JPEG_DECODE_H_
#define PHOTOPAGES_PICTURE_JPEG_DECODE_H_

#include <optional>
#include <vector>

#include "picture/decoder_input.h"
#include "picture/display_picture.h"
#include "picture/jpeg_marker_walk.h"

namespace photopages {

// Decodes the JPEG file `input`, changed by `steering` as its header was read
// (ReadJpegHeader), with the display settings: full scale, block smoothing,
// the accurate integer DCT and 24-bit colour; with
// `palette_colours` > 0, quantised to at most that many colours (still
// returned as RGB). A file cut short decodes with its missing part filled in
// by the decoder. The file is read a piece at a time. Returns nothing when
// the file is empty, cannot be read, the decoder stops at an error, or the
// memory for the pixels cannot be had.
std::optional<DisplayPicture> DecodeJpegForDisplay(
    const DecoderInput& input, const std::vector<ByteEdit>& steering,
    int palette_colours);

}  // namespace photopages

#endif  // PHOTOPAGES_PICTURE_JPEG_DECODE_H_
