#include "picture/jpeg_message_numbers.h"

#include <jerror.h>

namespace photopages {
namespace {

struct NumberByName {
  J_MESSAGE_CODE installed;
  int six_a;
};

// Keyed by the installed constants, so the installed numbering never matters.
constexpr NumberByName kSixANumbers[] = {
    {JERR_ARITH_NOTIMPL, 1},
    {JERR_BAD_ALIGN_TYPE, 2},
    {JERR_BAD_ALLOC_CHUNK, 3},
    {JERR_BAD_BUFFER_MODE, 4},
    {JERR_BAD_COMPONENT_ID, 5},
    {JERR_BAD_DCTSIZE, 6},
    {JERR_BAD_IN_COLORSPACE, 7},
    {JERR_BAD_J_COLORSPACE, 8},
    {JERR_BAD_LENGTH, 9},
    {JERR_BAD_LIB_VERSION, 10},
    {JERR_BAD_MCU_SIZE, 11},
    {JERR_BAD_POOL_ID, 12},
    {JERR_BAD_PRECISION, 13},
    {JERR_BAD_PROGRESSION, 14},
    {JERR_BAD_PROG_SCRIPT, 15},
    {JERR_BAD_SAMPLING, 16},
    {JERR_BAD_SCAN_SCRIPT, 17},
    {JERR_BAD_STATE, 18},
    {JERR_BAD_STRUCT_SIZE, 19},
    {JERR_BAD_VIRTUAL_ACCESS, 20},
    {JERR_BUFFER_SIZE, 21},
    {JERR_CANT_SUSPEND, 22},
    {JERR_CCIR601_NOTIMPL, 23},
    {JERR_COMPONENT_COUNT, 24},
    {JERR_CONVERSION_NOTIMPL, 25},
    {JERR_DAC_INDEX, 26},
    {JERR_DAC_VALUE, 27},
    // Release 6a calls a Huffman table whose counts overflow the table or the
    // segment JERR_DHT_COUNTS.
    {JERR_BAD_HUFF_TABLE, 28},
    {JERR_DHT_INDEX, 29},
    {JERR_DQT_INDEX, 30},
    {JERR_EMPTY_IMAGE, 31},
    {JERR_EMS_READ, 32},
    {JERR_EMS_WRITE, 33},
    {JERR_EOI_EXPECTED, 34},
    {JERR_FILE_READ, 35},
    {JERR_FILE_WRITE, 36},
    {JERR_FRACT_SAMPLE_NOTIMPL, 37},
    {JERR_HUFF_CLEN_OVERFLOW, 38},
    {JERR_HUFF_MISSING_CODE, 39},
    {JERR_IMAGE_TOO_BIG, 40},
    {JERR_INPUT_EMPTY, 41},
    {JERR_INPUT_EOF, 42},
    {JERR_MISMATCHED_QUANT_TABLE, 43},
    {JERR_MISSING_DATA, 44},
    {JERR_MODE_CHANGE, 45},
    {JERR_NOTIMPL, 46},
    {JERR_NOT_COMPILED, 47},
    {JERR_NO_BACKING_STORE, 48},
    {JERR_NO_HUFF_TABLE, 49},
    {JERR_NO_IMAGE, 50},
    {JERR_NO_QUANT_TABLE, 51},
    {JERR_NO_SOI, 52},
    {JERR_OUT_OF_MEMORY, 53},
    {JERR_QUANT_COMPONENTS, 54},
    {JERR_QUANT_FEW_COLORS, 55},
    {JERR_QUANT_MANY_COLORS, 56},
    {JERR_SOF_DUPLICATE, 57},
    {JERR_SOF_NO_SOS, 58},
    {JERR_SOF_UNSUPPORTED, 59},
    {JERR_SOI_DUPLICATE, 60},
    {JERR_SOS_NO_SOF, 61},
    {JERR_TFILE_CREATE, 62},
    {JERR_TFILE_READ, 63},
    {JERR_TFILE_SEEK, 64},
    {JERR_TFILE_WRITE, 65},
    {JERR_TOO_LITTLE_DATA, 66},
    {JERR_UNKNOWN_MARKER, 67},
    {JERR_VIRTUAL_BUG, 68},
    {JERR_WIDTH_OVERFLOW, 69},
    {JERR_XMS_READ, 70},
    {JERR_XMS_WRITE, 71},
};

}  // namespace

int ReportedMessageNumber(int code) {
  for (const NumberByName& entry : kSixANumbers) {
    if (entry.installed == code) return entry.six_a;
  }
  return 0;
}

}  // namespace photopages
