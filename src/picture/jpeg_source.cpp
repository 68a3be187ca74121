#include "picture/jpeg_source.h"

#include <algorithm>

namespace photopages {
namespace {

const JOCTET kEndOfImage[] = {0xFF, JPEG_EOI};

}  // namespace

JpegSource::JpegSource(const DecoderInput& input,
                       const std::vector<ByteEdit>& steering)
    : input_(input), steering_(steering) {}

void JpegSource::Attach(jpeg_decompress_struct* cinfo) {
  manager_.pub.init_source = Ignore;
  manager_.pub.fill_input_buffer = Fill;
  manager_.pub.skip_input_data = Skip;
  manager_.pub.resync_to_restart = jpeg_resync_to_restart;
  manager_.pub.term_source = Ignore;
  manager_.pub.next_input_byte = nullptr;
  manager_.pub.bytes_in_buffer = 0;
  manager_.source = this;
  cinfo->src = &manager_.pub;
}

boolean JpegSource::Fill(j_decompress_ptr cinfo) {
  JpegSource* source = reinterpret_cast<Manager*>(cinfo->src)->source;
  // The read error is kept and the decoder left only after the frame of the
  // failed read has been left, so that the jump skips no destructor.
  if (!source->Next(cinfo)) ERREXIT(cinfo, JERR_FILE_READ);
  return TRUE;
}

// As libjpeg's own sources skip: through the pieces, never past one unread.
void JpegSource::Skip(j_decompress_ptr cinfo, long count) {
  jpeg_source_mgr* pub = cinfo->src;
  if (count <= 0) return;
  while (count > static_cast<long>(pub->bytes_in_buffer)) {
    count -= static_cast<long>(pub->bytes_in_buffer);
    Fill(cinfo);
  }
  pub->next_input_byte += count;
  pub->bytes_in_buffer -= static_cast<size_t>(count);
}

bool JpegSource::Next(j_decompress_ptr cinfo) {
  jpeg_source_mgr* pub = cinfo->src;
  while (next_edit_ < steering_.size() && steering_[next_edit_].at == from_) {
    const ByteEdit& edit = steering_[next_edit_++];
    from_ += edit.erased;
    if (!edit.inserted.empty()) {
      pub->next_input_byte =
          reinterpret_cast<const JOCTET*>(edit.inserted.data());
      pub->bytes_in_buffer = edit.inserted.size();
      return true;
    }
  }
  const size_t until =
      next_edit_ < steering_.size() ? steering_[next_edit_].at : input_.size();
  if (from_ >= until) {
    WARNMS(cinfo, JWRN_JPEG_EOF);
    pub->next_input_byte = kEndOfImage;
    pub->bytes_in_buffer = sizeof kEndOfImage;
    return true;
  }
  std::string_view piece;
  try {
    piece = input_.Piece(from_);
  } catch (...) {
    read_error_ = std::current_exception();
    return false;
  }
  const size_t count = std::min(piece.size(), until - from_);
  from_ += count;
  pub->next_input_byte = reinterpret_cast<const JOCTET*>(piece.data());
  pub->bytes_in_buffer = count;
  return true;
}

}  // namespace photopages
