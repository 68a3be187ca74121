#include "picture/libjpeg_decompressor.h"

namespace photopages {
namespace {

void IgnoreMessage(j_common_ptr, int) {}
void IgnoreOutput(j_common_ptr) {}

}  // namespace

LibjpegDecompressor::LibjpegDecompressor() {
  cinfo_.err = jpeg_std_error(&errors_.pub);
  errors_.pub.error_exit = LeaveDecoder;
  errors_.pub.emit_message = IgnoreMessage;
  errors_.pub.output_message = IgnoreOutput;
}

// A decompressor that was never created, or whose creation stopped, has no
// memory manager yet; jpeg_destroy_decompress then only clears the state.
LibjpegDecompressor::~LibjpegDecompressor() {
  jpeg_destroy_decompress(&cinfo_);
}

void LibjpegDecompressor::LeaveDecoder(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->exit_point, 1);
}

void LibjpegDecompressor::Create() { jpeg_create_decompress(&cinfo_); }

}  // namespace photopages
