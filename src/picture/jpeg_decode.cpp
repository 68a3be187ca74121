#include "picture/jpeg_decode.h"

#include <csetjmp>
#include <new>

#include "picture/jpeg_source.h"
#include "picture/libjpeg_decompressor.h"

namespace photopages {
namespace {

void ExpandPaletteRow(const jpeg_decompress_struct& cinfo,
                      const JSAMPLE* indices, unsigned char* rgb) {
  for (JDIMENSION x = 0; x < cinfo.output_width; ++x) {
    for (int c = 0; c < 3; ++c) *rgb++ = cinfo.colormap[c][indices[x]];
  }
}

// Runs the decode. Only plain values live in this frame, so the fatal-error
// jump back to it skips no destructor; `picture` and `palette_row` belong to
// the caller. Returns false when the decoder stopped at an error.
bool Decode(LibjpegDecompressor& decompressor, JpegSource& source,
            int palette_colours, DisplayPicture* picture,
            std::vector<JSAMPLE>* palette_row) {
  jpeg_decompress_struct* cinfo = decompressor.cinfo();
  if (setjmp(decompressor.exit_point()) != 0) return false;
  decompressor.Create();
  source.Attach(cinfo);
  jpeg_read_header(cinfo, TRUE);
  cinfo->scale_num = 1;
  cinfo->scale_denom = 1;
  cinfo->do_block_smoothing = TRUE;
  cinfo->dct_method = JDCT_ISLOW;
  cinfo->do_fancy_upsampling = TRUE;
  cinfo->out_color_space = JCS_RGB;
  if (palette_colours > 0) {
    cinfo->quantize_colors = TRUE;
    cinfo->desired_number_of_colors = palette_colours;
  }
  jpeg_start_decompress(cinfo);
  picture->width = static_cast<int>(cinfo->output_width);
  picture->height = static_cast<int>(cinfo->output_height);
  const size_t stride = static_cast<size_t>(cinfo->output_width) * 3;
  picture->rgb.resize(stride * cinfo->output_height);
  if (cinfo->quantize_colors) palette_row->resize(cinfo->output_width);
  while (cinfo->output_scanline < cinfo->output_height) {
    unsigned char* out = picture->rgb.data() + stride * cinfo->output_scanline;
    JSAMPROW row = cinfo->quantize_colors ? palette_row->data() : out;
    jpeg_read_scanlines(cinfo, &row, 1);
    if (cinfo->quantize_colors) ExpandPaletteRow(*cinfo, row, out);
  }
  jpeg_finish_decompress(cinfo);
  return true;
}

}  // namespace

std::optional<DisplayPicture> DecodeJpegForDisplay(
    const DecoderInput& input, const std::vector<ByteEdit>& steering,
    int palette_colours) {
  if (input.size() == 0) return std::nullopt;
  JpegSource source(input, steering);
  LibjpegDecompressor decompressor;
  DisplayPicture picture;
  std::vector<JSAMPLE> palette_row;
  try {
    if (!Decode(decompressor, source, palette_colours, &picture,
                &palette_row)) {
      return std::nullopt;
    }
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  return picture;
}

}  // namespace photopages
