// The whole content of a file, read through the Platform seam, for tests that
// check what the real or the fake platform holds.
#ifndef PHOTOPAGES_PLATFORM_READ_FILE_FOR_TEST_H_
#define PHOTOPAGES_PLATFORM_READ_FILE_FOR_TEST_H_

#include <string>

#include "common/errors.h"
#include "platform/platform.h"

namespace photopages {

// Throws FileOpenError(path); ReadError when the file ends before its size.
inline std::string ReadWholeFile(Platform& platform, const AnsiString& path) {
  auto input = platform.OpenInput(path);
  std::string content(input->Size(), '\0');
  for (size_t done = 0; done < content.size();) {
    const size_t n = input->Read(content.data() + done, content.size() - done);
    if (n == 0) throw ReadError();
    done += n;
  }
  return content;
}

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_READ_FILE_FOR_TEST_H_
