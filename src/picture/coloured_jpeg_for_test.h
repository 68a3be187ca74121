// Test photos made on the spot by libjpeg in plain colours, so that a test
// can tell where a photo is drawn. Header-only, so that it stays out of the
// library.
#ifndef PHOTOPAGES_PICTURE_COLOURED_JPEG_FOR_TEST_H_
#define PHOTOPAGES_PICTURE_COLOURED_JPEG_FOR_TEST_H_

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "picture/libjpeg.h"

namespace photopages {

// A colour of a test photo.
struct TestColour {
  unsigned char red, green, blue;
};

// A baseline JPEG file of `width` x `height` pixels, `components` 3 for
// colour or 1 for grey (the red part of each colour), pixel x, y coloured
// `colour(x, y)`.
inline std::string MakeTestJpeg(
    int width, int height, int components,
    const std::function<TestColour(int x, int y)>& colour) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = width;
  cinfo.image_height = height;
  cinfo.input_components = components;
  cinfo.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(static_cast<size_t>(width) * components);
  while (cinfo.next_scanline < cinfo.image_height) {
    for (int x = 0; x < width; ++x) {
      const TestColour c = colour(x, static_cast<int>(cinfo.next_scanline));
      const unsigned char rgb[3] = {c.red, c.green, c.blue};
      for (int k = 0; k < components; ++k) row[x * components + k] = rgb[k];
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::string file(reinterpret_cast<char*>(buffer), size);
  std::free(buffer);
  return file;
}

// A colour photo whose left half is `left` and right half `right`.
inline std::string MakeTestJpeg(int width, int height, TestColour left,
                                TestColour right) {
  return MakeTestJpeg(width, height, 3,
                      [&](int x, int) { return x < width / 2 ? left : right; });
}

}  // namespace photopages

#endif  // PHOTOPAGES_PICTURE_COLOURED_JPEG_FOR_TEST_H_
