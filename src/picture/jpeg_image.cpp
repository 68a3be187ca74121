#include "picture/jpeg_image.h"

#include <utility>

namespace photopages {

void TJPEGImage::LoadFromBytes(std::string bytes) {
  JpegHeader header;
  std::string steered;
  if (!bytes.empty()) header = ReadJpegHeader(bytes, &steered);
  bytes_ = steered.empty() ? std::move(bytes) : std::move(steered);
  header_ = header;
}

}  // namespace photopages
