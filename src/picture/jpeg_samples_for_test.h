// JPEG files for tests: encoded into memory by libjpeg's compressor, or put
// together byte by byte for headers that no encoder would write. Header-only,
// so that it stays out of the library.
#ifndef PHOTOPAGES_PICTURE_JPEG_SAMPLES_FOR_TEST_H_
#define PHOTOPAGES_PICTURE_JPEG_SAMPLES_FOR_TEST_H_

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "picture/libjpeg.h"

namespace photopages::test {

enum class SampleColour { kYCbCr, kGrayscale, kCmyk };

struct SampleOptions {
  int width = 16;
  int height = 8;
  SampleColour colour = SampleColour::kYCbCr;
  bool progressive = false;
  bool arithmetic = false;
  std::string exif = {};     // Payload of an APP1 segment; none when empty.
  std::string comment = {};  // Text of a comment segment; none when empty.
};

namespace internal {

struct EncoderErrors {
  jpeg_error_mgr pub;
  std::jmp_buf exit_point;
};

[[noreturn]] inline void LeaveEncoder(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<EncoderErrors*>(cinfo->err)->exit_point, 1);
}

// Compresses `pixels` (rows of `components` samples) into `*out`, which the
// caller frees. Returns false when libjpeg fails.
inline bool Compress(const SampleOptions& options,
                     const std::vector<unsigned char>& pixels, int components,
                     unsigned char** out, unsigned long* out_size) {
  jpeg_compress_struct cinfo{};
  EncoderErrors errors{};
  cinfo.err = jpeg_std_error(&errors.pub);
  errors.pub.error_exit = LeaveEncoder;
  if (setjmp(errors.exit_point) != 0) {
    jpeg_destroy_compress(&cinfo);
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, out, out_size);
  cinfo.image_width = options.width;
  cinfo.image_height = options.height;
  cinfo.input_components = components;
  cinfo.in_color_space = options.colour == SampleColour::kGrayscale
                             ? JCS_GRAYSCALE
                         : options.colour == SampleColour::kCmyk ? JCS_CMYK
                                                                 : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  cinfo.arith_code = options.arithmetic;
  if (options.progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  if (!options.exif.empty()) {
    jpeg_write_marker(&cinfo, JPEG_APP0 + 1,
                      reinterpret_cast<const JOCTET*>(options.exif.data()),
                      options.exif.size());
  }
  if (!options.comment.empty()) {
    jpeg_write_marker(&cinfo, JPEG_COM,
                      reinterpret_cast<const JOCTET*>(options.comment.data()),
                      options.comment.size());
  }
  size_t stride = static_cast<size_t>(options.width) * components;
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(
        pixels.data() + static_cast<size_t>(cinfo.next_scanline) * stride);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
}

}  // namespace internal

// A JPEG file as `options` describe it, or an empty string when libjpeg
// refuses the options.
inline std::string EncodeJpeg(const SampleOptions& options) {
  int components = options.colour == SampleColour::kGrayscale ? 1
                   : options.colour == SampleColour::kCmyk    ? 4
                                                              : 3;
  std::vector<unsigned char> pixels(static_cast<size_t>(options.width) *
                                    options.height * components);
  for (size_t i = 0; i < pixels.size(); ++i) {
    pixels[i] = static_cast<unsigned char>(i * 7 % 251);
  }
  unsigned char* out = nullptr;
  unsigned long size = 0;
  bool done = internal::Compress(options, pixels, components, &out, &size);
  std::string jpeg =
      done ? std::string(reinterpret_cast<char*>(out), size) : std::string();
  std::free(out);
  return jpeg;
}

inline std::string Bytes(std::initializer_list<int> bytes) {
  std::string text;
  for (int b : bytes) text.push_back(static_cast<char>(b));
  return text;
}

inline std::string BigEndian16(int value) {
  return Bytes({(value >> 8) & 0xFF, value & 0xFF});
}

// FF `marker`, a length field that counts itself and `payload`, `payload`.
inline std::string Segment(int marker, std::string_view payload) {
  return Bytes({0xFF, marker}) +
         BigEndian16(static_cast<int>(payload.size()) + 2) +
         std::string(payload);
}

inline const std::string kSoi = Bytes({0xFF, 0xD8});
inline const std::string kEoi = Bytes({0xFF, 0xD9});

struct FrameComponent {
  int id;
  int sampling;  // Horizontal factor in the high nibble, vertical in the low.
};

// A frame header with 8-bit precision unless `precision` says otherwise.
inline std::string FrameHeader(int width, int height,
                               std::vector<FrameComponent> components,
                               int marker = 0xC0, int precision = 8) {
  std::string payload = Bytes({precision}) + BigEndian16(height) +
                        BigEndian16(width) +
                        Bytes({static_cast<int>(components.size())});
  for (const FrameComponent& c : components) {
    payload += Bytes({c.id, c.sampling, 0});
  }
  return Segment(marker, payload);
}

// The three components of a colour photo, ids 1 to 3.
inline std::vector<FrameComponent> ColourComponents() {
  return {{1, 0x22}, {2, 0x11}, {3, 0x11}};
}

// A scan header selecting the components `selectors`, in that order.
inline std::string ScanHeader(std::vector<int> selectors) {
  std::string payload = Bytes({static_cast<int>(selectors.size())});
  for (int id : selectors) payload += Bytes({id, 0x00});
  return Segment(0xDA, payload + Bytes({0, 63, 0}));
}

// The smallest whole header: start of image, frame, scan.
inline std::string MinimalHeader(int width, int height) {
  return kSoi + FrameHeader(width, height, ColourComponents()) +
         ScanHeader({1, 2, 3});
}

// The payload of an Exif APP1 segment whose first image directory holds one
// entry, the orientation tag with `orientation` as a short.
inline std::string ExifWithOrientation(int orientation,
                                       bool big_endian = false) {
  auto u16 = [big_endian](int v) {
    return big_endian ? Bytes({(v >> 8) & 0xFF, v & 0xFF})
                      : Bytes({v & 0xFF, (v >> 8) & 0xFF});
  };
  auto u32 = [&u16, big_endian](int v) {
    return big_endian ? u16(0) + u16(v) : u16(v) + u16(0);
  };
  std::string tiff =
      (big_endian ? std::string("MM") : std::string("II")) + u16(42) + u32(8);
  tiff += u16(1) + u16(0x0112) + u16(3) + u32(1) + u16(orientation) + u16(0);
  tiff += u32(0);
  return std::string("Exif\0\0", 6) + tiff;
}

// The offset of the first FF `marker` in `jpeg`, npos when there is none.
inline size_t FindMarker(std::string_view jpeg, int marker) {
  return jpeg.find(Bytes({0xFF, marker}));
}

// The offset just past the segment whose marker is at `marker_at`.
inline size_t SegmentEnd(std::string_view jpeg, size_t marker_at) {
  auto byte = [&jpeg](size_t i) { return static_cast<unsigned char>(jpeg[i]); };
  return marker_at + 2 + (byte(marker_at + 2) << 8 | byte(marker_at + 3));
}

}  // namespace photopages::test

#endif  // PHOTOPAGES_PICTURE_JPEG_SAMPLES_FOR_TEST_H_
