// The JPEG header reader on any bytes: a size within the 16-bit frame fields
// or EJPEG, never a crash or a leak.
#include <cstdlib>
#include <string>

#include "common/errors.h"
#include "picture/jpeg_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  photopages::TJPEGImage image;
  try {
    image.LoadFromBytes(std::string(reinterpret_cast<const char*>(data), size));
    if (image.Width() < 0 || image.Width() > 65535 || image.Height() < 0 ||
        image.Height() > 65535) {
      std::abort();
    }
  } catch (const photopages::EJPEG&) {
  }
  return 0;
}
