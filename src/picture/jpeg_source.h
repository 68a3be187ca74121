// libjpeg's data source over a DecoderInput: what the header reader and the
// display decode give the installed library to read.
#ifndef PHOTOPAGES_PICTURE_JPEG_SOURCE_H_
#define PHOTOPAGES_PICTURE_JPEG_SOURCE_H_

#include <exception>
#include <vector>

#include "picture/decoder_input.h"
#include "picture/jpeg_marker_walk.h"
#include "picture/libjpeg.h"

namespace photopages {

// Gives libjpeg the data of `input` changed by `steering` (from
// SteeringEdits) a piece at a time, straight from the pieces that `input`
// holds, then, as libjpeg's memory source does
// when its data runs out, the end-of-image marker FF D9 after a warning, on
// every further request. The library thus reads exactly the bytes that it
// would read from the whole changed copy in memory, without that copy.
class JpegSource {
 public:
  // Both must outlive the source.
  JpegSource(const DecoderInput& input, const std::vector<ByteEdit>& steering);
  JpegSource(const JpegSource&) = delete;
  JpegSource& operator=(const JpegSource&) = delete;

  // Makes `cinfo`, created, read from this source.
  void Attach(jpeg_decompress_struct* cinfo);

  // The read error that stopped the decoder (as a fatal JERR_FILE_READ), if
  // one did; null otherwise.
  std::exception_ptr ReadFailure() const { return read_error_; }

 private:
  // libjpeg sees only `pub`, which comes first.
  struct Manager {
    jpeg_source_mgr pub;
    JpegSource* source;
  };

  static void Ignore(j_decompress_ptr) {}
  static boolean Fill(j_decompress_ptr cinfo);
  static void Skip(j_decompress_ptr cinfo, long count);
  // Points libjpeg at the next piece, or at the end-of-image marker when the
  // data is over. Returns false when the file could not be read.
  bool Next(j_decompress_ptr cinfo);

  const DecoderInput& input_;
  const std::vector<ByteEdit>& steering_;
  size_t next_edit_ = 0;
  size_t from_ = 0;  // The offset in the data of the next byte to give.
  std::exception_ptr read_error_;
  Manager manager_{};
};

}  // namespace photopages

#endif  // PHOTOPAGES_PICTURE_JPEG_SOURCE_H_
