// The JPEG header reader on any bytes: a size within the 16-bit frame fields
// or JpegError, never a crash or a leak.
#include <cstdlib>
#include <string_view>

#include "common/errors.h"
#include "picture/jpeg_header.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  try {
    photopages::JpegHeader header = photopages::ReadJpegHeader(
        std::string_view(reinterpret_cast<const char*>(data), size));
    if (header.width < 0 || header.width > 65535 || header.height < 0 ||
        header.height > 65535) {
      std::abort();
    }
  } catch (const photopages::JpegError&) {
  }
  return 0;
}
