// The date text reader on any text and settings: every outcome is a value
// within years 1 to 9999 or the conversion error, never a crash.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "fuzz/fuzzed_settings.h"
#include "naming/date_reader.h"
#include "naming/time_value.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  photopages::FormatSettings settings = photopages::FuzzedSettings(data);
  int current_year = data.ConsumeIntegralInRange(1, 9999);
  std::string text = data.ConsumeRemainingBytesAsString();
  auto value = photopages::TryReadDateText(text, settings, current_year);
  // Day 1 of year 1 is -693593; the last day of 9999 is 2958465.
  if (value && (*value < -693594 || *value >= 2958466)) std::abort();
  return 0;
}
