// A libjpeg decompressor that gives its fatal errors back to the caller.
#ifndef PHOTOPAGES_PICTURE_LIBJPEG_DECOMPRESSOR_H_
#define PHOTOPAGES_PICTURE_LIBJPEG_DECOMPRESSOR_H_

#include <csetjmp>

#include "picture/libjpeg.h"

namespace photopages {

// Owns a libjpeg decompressor and destroys it, with all it allocated, on
// every path. Warnings and traces are dropped. A fatal error leaves libjpeg
// by longjmp to exit_point(), so that no C++ exception ever crosses its C
// frames; the caller turns the stop into its own result afterwards.
//
// Use it from a frame in which nothing with a destructor lives, so that the
// jump back skips no clean-up:
//   if (setjmp(decompressor.exit_point()) != 0) return false;
//   decompressor.Create();
//   jpeg_read_header(decompressor.cinfo(), TRUE);
class LibjpegDecompressor {
 public:
  LibjpegDecompressor();
  ~LibjpegDecompressor();
  LibjpegDecompressor(const LibjpegDecompressor&) = delete;
  LibjpegDecompressor& operator=(const LibjpegDecompressor&) = delete;

  // Sets up libjpeg's decompressor. REQUIRES: exit_point() has been set by
  // setjmp, because a failure here leaves by the jump as well. Destruction
  // is safe whether or not this was reached or finished.
  void Create();

  jpeg_decompress_struct* cinfo() { return &cinfo_; }
  const jpeg_decompress_struct* cinfo() const { return &cinfo_; }
  std::jmp_buf& exit_point() { return errors_.exit_point; }
  // The fatal error that last jumped to exit_point().
  J_MESSAGE_CODE ErrorCode() const {
    return static_cast<J_MESSAGE_CODE>(errors_.pub.msg_code);
  }

 private:
  // libjpeg's error manager extended by the point to return to; libjpeg
  // sees only `pub`, which comes first.
  struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf exit_point;
  };

  // libjpeg's fatal-error exit: jumps to the exit point.
  [[noreturn]] static void LeaveDecoder(j_common_ptr cinfo);

  ErrorManager errors_{};
  jpeg_decompress_struct cinfo_{};
};

}  // namespace photopages

#endif  // PHOTOPAGES_PICTURE_LIBJPEG_DECOMPRESSOR_H_
