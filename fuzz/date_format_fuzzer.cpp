// The date and time formatter on any format, value and settings: it must
// give at most 256 bytes or refuse the value with ConvertError.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "common/errors.h"
#include "fuzz/fuzzed_settings.h"
#include "naming/date_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  photopages::FormatSettings settings = photopages::FuzzedSettings(data);
  double value = data.ConsumeFloatingPoint<double>();
  std::string format = data.ConsumeRemainingBytesAsString();
  try {
    if (photopages::FormatDateTime(format, value, settings).size() > 256) {
      std::abort();
    }
    if (photopages::DateText(value, settings).size() > 256) std::abort();
  } catch (const photopages::ConvertError&) {
  }
  return 0;
}
