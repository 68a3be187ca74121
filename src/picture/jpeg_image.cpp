#include "picture/jpeg_image.h"

#include <memory>
#include <utility>

#include "common/errors.h"
#include "picture/decoder_input.h"
#include "picture/jpeg_decode.h"

namespace photopages {

void JpegImage::LoadFromFile(Platform& platform, const AnsiString& path,
                             InputFile& file) {
  JpegHeader header;
  std::vector<ByteEdit> steering;
  if (file.Size() > 0) header = ReadJpegHeader(DecoderInput(file), &steering);
  platform_ = &platform;
  path_ = path;
  facts_ = {file.Identity(), file.Size(), file.LastWriteTime()};
  steering_ = std::move(steering);
  header_ = header;
}

std::optional<DisplayPicture> JpegImage::DecodeForDisplay(
    int palette_colours) const {
  if (platform_ == nullptr) return std::nullopt;
  std::unique_ptr<InputFile> file;
  try {
    file = platform_->OpenInput(path_);
  } catch (const Exception&) {
    return std::nullopt;
  }
  const FileFacts now = {file->Identity(), file->Size(), file->LastWriteTime()};
  if (now != facts_) return std::nullopt;
  return DecodeJpegForDisplay(DecoderInput(*file), steering_, palette_colours);
}

}  // namespace photopages
