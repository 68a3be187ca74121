#include "picture/decoder_input.h"

#include <algorithm>

#include "common/errors.h"

namespace photopages {
namespace {

// The first piece read holds the header of a photo without an Exif thumbnail,
// so that the photo's own data is not read for it. The pieces after it hold a
// whole ordinary header, thumbnail included, so that such a header is one
// more read.
constexpr size_t kFirstPieceSize = 4 * 1024;
constexpr size_t kPieceSize = 64 * 1024;

// The room of a first piece, handed on from one input over a file to the
// next: every photo's header is read through one, and allocating it for each
// photo cost more than reading the header. Only bytes read into it for the
// input that holds it are ever given out.
thread_local std::unique_ptr<char[]> spare_first_piece;

}  // namespace

DecoderInput::DecoderInput(std::string_view bytes)
    : size_(bytes.size()), held_(bytes) {}

DecoderInput::DecoderInput(InputFile& file)
    : file_(&file), size_(static_cast<size_t>(file.Size())) {}

DecoderInput::~DecoderInput() {
  if (piece_size_ == kFirstPieceSize) spare_first_piece = std::move(piece_);
}

std::string_view DecoderInput::Piece(size_t offset) const {
  if (offset >= size_) return std::string_view();
  if (offset - held_at_ >= held_.size()) Hold(offset);
  return held_.substr(offset - held_at_);
}

void DecoderInput::Hold(size_t offset) const {
  held_ = std::string_view();
  const size_t piece_size = piece_size_ == 0 ? kFirstPieceSize : kPieceSize;
  if (piece_size != piece_size_) {
    piece_ = piece_size == kFirstPieceSize && spare_first_piece != nullptr
                 ? std::move(spare_first_piece)
                 : std::make_unique_for_overwrite<char[]>(piece_size);
    piece_size_ = piece_size;
  }
  const size_t at = offset - offset % piece_size;
  const size_t size = std::min(piece_size, size_ - at);
  ReadFile(at, piece_.get(), size);
  held_ = std::string_view(piece_.get(), size);
  held_at_ = at;
}

void DecoderInput::ReadFile(size_t offset, char* buffer, size_t size) const {
  while (size > 0) {
    const size_t n = file_->ReadAt(offset, buffer, size);
    if (n == 0) throw ReadError();
    offset += n;
    buffer += n;
    size -= n;
  }
}

}  // namespace photopages
