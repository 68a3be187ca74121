#include "picture/jpeg_header.h"

#include <csetjmp>
#include <exception>
#include <optional>
#include <utility>

#include "common/errors.h"
#include "picture/exif_orientation.h"
#include "picture/jpeg_marker_walk.h"
#include "picture/jpeg_message_numbers.h"
#include "picture/jpeg_source.h"
#include "picture/libjpeg_decompressor.h"

namespace photopages {
namespace {

constexpr int kMaxSamplingFactor = 4;

[[noreturn]] void ThrowDecoderError(J_MESSAGE_CODE code) {
  throw JpegError(ReportedMessageNumber(code));
}

// Reads a header through libjpeg and judges what stopped it.
class HeaderReader {
 public:
  HeaderReader() = default;
  HeaderReader(const HeaderReader&) = delete;
  HeaderReader& operator=(const HeaderReader&) = delete;

  // Reads the header from `source`, keeping the Exif segments. Returns false
  // when a fatal decoder error stopped it (its code is ErrorCode()).
  bool ReadHeader(JpegSource& source) {
    // Nothing with a destructor lives in this frame, so the jump back to it
    // skips no clean-up; `decompressor_` releases what libjpeg allocated.
    if (setjmp(decompressor_.exit_point()) != 0) return false;
    decompressor_.Create();
    jpeg_save_markers(decompressor_.cinfo(), JPEG_APP0 + 1, 0xFFFF);
    source.Attach(decompressor_.cinfo());
    jpeg_read_header(decompressor_.cinfo(), TRUE);
    multiple_scans_ = jpeg_has_multiple_scans(decompressor_.cinfo());
    return true;
  }

  J_MESSAGE_CODE ErrorCode() const { return decompressor_.ErrorCode(); }
  // The marker whose segment the reader was in when it stopped.
  int Marker() const { return cinfo().unread_marker; }

  // The header after a successful ReadHeader().
  JpegHeader Header() const {
    JpegHeader header = FrameFacts();
    header.grayscale = cinfo().jpeg_color_space == JCS_GRAYSCALE;
    header.multiple_scans = multiple_scans_;
    return header;
  }

  // After ReadHeader() stopped at a component selector of the first scan
  // header (its length field at `scan` in `input`): release 6a's reading of
  // it, which accepts any selector that names a frame component, then its
  // checks before the first scan, in its order. Throws JpegError.
  JpegHeader FirstScanAsSixA(const DecoderInput& input, size_t scan) const {
    int count = input.At(scan + 2);
    // A count the reader disagrees with means the walk went astray: keep
    // the reader's verdict.
    if (count != cinfo().comps_in_scan) {
      ThrowDecoderError(JERR_BAD_COMPONENT_ID);
    }
    for (int i = 0; i < count; ++i) {
      if (!IsFrameComponent(input.At(scan + 3 + 2 * i))) {
        ThrowDecoderError(JERR_BAD_COMPONENT_ID);
      }
    }
    if (cinfo().image_width > JPEG_MAX_DIMENSION ||
        cinfo().image_height > JPEG_MAX_DIMENSION) {
      ThrowDecoderError(JERR_IMAGE_TOO_BIG);
    }
    if (cinfo().data_precision != BITS_IN_JSAMPLE) {
      ThrowDecoderError(JERR_BAD_PRECISION);
    }
    if (cinfo().num_components > MAX_COMPONENTS) {
      ThrowDecoderError(JERR_COMPONENT_COUNT);
    }
    for (int i = 0; i < cinfo().num_components; ++i) {
      const jpeg_component_info& component = cinfo().comp_info[i];
      if (component.h_samp_factor < 1 ||
          component.h_samp_factor > kMaxSamplingFactor ||
          component.v_samp_factor < 1 ||
          component.v_samp_factor > kMaxSamplingFactor) {
        ThrowDecoderError(JERR_BAD_SAMPLING);
      }
    }
    JpegHeader header = FrameFacts();
    header.grayscale = cinfo().num_components == 1;
    header.multiple_scans =
        count < cinfo().num_components || cinfo().progressive_mode;
    return header;
  }

 private:
  const jpeg_decompress_struct& cinfo() const { return *decompressor_.cinfo(); }

  bool IsFrameComponent(int id) const {
    for (int i = 0; i < cinfo().num_components; ++i) {
      if (cinfo().comp_info[i].component_id == id) return true;
    }
    return false;
  }

  JpegHeader FrameFacts() const {
    JpegHeader header;
    header.width = static_cast<int>(cinfo().image_width);
    header.height = static_cast<int>(cinfo().image_height);
    for (jpeg_saved_marker_ptr m = cinfo().marker_list; m != nullptr;
         m = m->next) {
      std::string_view app1(reinterpret_cast<const char*>(m->data),
                            m->data_length);
      if (m->marker == JPEG_APP0 + 1 && IsExifSegment(app1)) {
        header.exif_orientation = ExifOrientation(app1);
        break;
      }
    }
    return header;
  }

  LibjpegDecompressor decompressor_;
  bool multiple_scans_ = false;
};

// The header as release 6a reads it, after the installed library stopped
// reading it with `reader`: release 6a's number for the error, or the
// header where release 6a accepts what stopped the library.
JpegHeader SixAVerdict(const HeaderReader& reader, const DecoderInput& input,
                       std::optional<size_t> first_scan) {
  J_MESSAGE_CODE code = reader.ErrorCode();
  // Lengthless Huffman segments never get here, so this one has 1 to 16
  // bytes left after its tables. Release 6a reads another table from them
  // and past the segment, and its counts can never fit what is left.
  if (code == JERR_BAD_LENGTH && reader.Marker() == kMarkerDht) {
    ThrowDecoderError(JERR_BAD_HUFF_TABLE);
  }
  if (code == JERR_BAD_COMPONENT_ID && first_scan.has_value()) {
    return reader.FirstScanAsSixA(input, *first_scan);
  }
  ThrowDecoderError(code);
}

}  // namespace

JpegHeader ReadJpegHeader(const DecoderInput& input,
                          std::vector<ByteEdit>* steering) {
  MarkerWalk walk = WalkMarkers(input);
  std::vector<ByteEdit> edits = SteeringEdits(input, walk);
  JpegSource source(input, edits);
  HeaderReader reader;
  const bool read = reader.ReadHeader(source);
  if (!read && source.ReadFailure())
    std::rethrow_exception(source.ReadFailure());
  JpegHeader header =
      read ? reader.Header() : SixAVerdict(reader, input, walk.first_scan);
  if (steering != nullptr) *steering = std::move(edits);
  return header;
}

JpegHeader ReadJpegHeader(std::string_view bytes) {
  return ReadJpegHeader(DecoderInput(bytes));
}

}  // namespace photopages
