// The bytes of a JPEG file as libjpeg's data source gives them to the
// decoder, read from memory or from the file a piece at a time.
#ifndef PHOTOPAGES_PICTURE_DECODER_INPUT_H_
#define PHOTOPAGES_PICTURE_DECODER_INPUT_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/platform.h"

namespace photopages {

// The file's bytes and, past their end, the end-of-image marker FF D9 over
// and over, which the data source supplies each time the data runs out.
// Over a file it holds one piece of it at a time, so a file of any size is
// read in bounded memory.
class DecoderInput {
 public:
  // Over `bytes`, which must outlive the input.
  explicit DecoderInput(std::string_view bytes);
  // Over the `file.Size()` bytes of `file`, read as they are needed; `file`
  // must outlive the input. Reads throw ReadError, also when the file ends
  // before that size.
  explicit DecoderInput(InputFile& file);
  DecoderInput(const DecoderInput&) = delete;
  DecoderInput& operator=(const DecoderInput&) = delete;
  // Hands the room of its first piece on to the next input over a file.
  ~DecoderInput();

  size_t size() const { return size_; }
  uint8_t At(size_t offset) const {
    if (offset >= size_) {
      return (offset - size_) % 2 == 0 ? 0xFF : 0xD9;
    }
    if (offset - held_at_ >= held_.size()) Hold(offset);
    return static_cast<uint8_t>(held_[offset - held_at_]);
  }
  // The big-endian 16-bit value at `offset`.
  unsigned Word(size_t offset) const {
    return At(offset) << 8 | At(offset + 1);
  }
  // The data's bytes from `offset` on, as far as the piece that holds them
  // reaches; empty from the end of the data on. Valid until the next call.
  std::string_view Piece(size_t offset) const;

 private:
  // Holds the piece of the file that holds `offset`.
  void Hold(size_t offset) const;
  // Fills `buffer` with the `size` bytes of the file at `offset`.
  void ReadFile(size_t offset, char* buffer, size_t size) const;

  InputFile* file_ = nullptr;
  size_t size_;
  // The bytes held, the data's own from `held_at_` on.
  mutable std::string_view held_;
  mutable size_t held_at_ = 0;
  mutable std::unique_ptr<char[]> piece_;
  mutable size_t piece_size_ = 0;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PICTURE_DECODER_INPUT_H_
