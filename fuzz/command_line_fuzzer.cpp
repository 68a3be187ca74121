// The command-line splitter on any bytes: it must end, and the arguments it
// gives must be non-empty, hold no quote and no byte 0x01-0x20 outside what a
// quoted stretch may collect, and never exceed the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view raw(reinterpret_cast<const char*>(data), size);
  raw = raw.substr(0, raw.find('\0'));
  auto tokens = photopages::SplitCommandLine(raw);
  size_t total = 0;
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (i > 0 && tokens[i].empty()) std::abort();
    if (tokens[i].find('"') != std::string::npos) std::abort();
    total += tokens[i].size();
  }
  if (total > raw.size()) std::abort();
  return 0;
}
