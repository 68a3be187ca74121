#include "picture/jpeg_image.h"

#include <utility>

namespace photopages {

void TJPEGImage::LoadFromBytes(std::string bytes) {
  JpegHeader header;
  if (!bytes.empty()) header = ReadJpegHeader(bytes);
  bytes_ = std::move(bytes);
  header_ = header;
}

}  // namespace photopages
